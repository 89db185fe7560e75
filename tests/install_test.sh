#!/usr/bin/env bash
# Installs the build into a scratch prefix, then checks the installed program and man page.
# Usage: install_test.sh BUILD_DIR
set -euo pipefail
build="$1"
prefix="$(mktemp -d)"
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build" --prefix "$prefix" >/dev/null
usage="$("$prefix/bin/veldarin" /?)"
grep -qx 'Usage: VELDARIN \[infile\]\[outfile\]\[/f#\]\[/t#\]\[/c#\]' <<<"$usage"

page="$prefix/share/man/man1/veldarin.1.gz"
warnings="$(gzip -dc "$page" | groff -man -ww -z 2>&1)"
[ -z "$warnings" ] || { echo "$warnings"; exit 1; }
warnings="$(MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)"
[ -z "$warnings" ] || { echo "$warnings"; exit 1; }
MANWIDTH=80 man -l "$page" | grep -q 'SYNOPSIS'
echo "install: 1 passed, 0 failed"
