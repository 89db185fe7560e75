#!/usr/bin/env bash
# Makes the Debian package of a build, unpacks it into a scratch root, runs the program from
# there, and has lintian check the package when it is installed.
# Usage: package_test.sh BUILD_DIR
set -euo pipefail
source "$(dirname "$0")/make_package.sh"
make_package DEB "$1"
deb="$package"

contents="$(dpkg-deb -c "$deb")"
for path in ./usr/bin/veldarin ./usr/share/man/man1/veldarin.1.gz \
  ./usr/share/doc/veldarin/copyright ./usr/share/doc/veldarin/changelog.gz \
  ./usr/share/doc/veldarin/README.md ./usr/share/doc/veldarin/examples/marsh-drakes.txt \
  ./usr/share/doc/veldarin/examples/grey-lurker.txt \
  ./usr/share/doc/veldarin/examples/bog-hounds.txt \
  ./usr/share/doc/veldarin/examples/pathfinder-beasts.txt \
  ./usr/share/doc/veldarin/examples/fifth-edition-beasts.txt \
  ./usr/share/doc/veldarin/examples/homebrew-toad.md \
  ./usr/share/doc/veldarin/examples/pathfinder-note.md \
  ./usr/share/doc/veldarin/examples/fen-vermin.md \
  ./usr/share/doc/veldarin/examples/statblock-note.md \
  ./usr/share/doc/veldarin/examples/pathfinder-statblock.md \
  ./usr/share/doc/veldarin/examples/tool-bestiary.json; do
  grep -q " $path\$" <<<"$contents" || { echo "missing from the package: $path"; exit 1; }
done
dpkg-deb -f "$deb" Depends | grep -q 'libc6' || { echo "no computed dependencies"; exit 1; }
dpkg-deb -f "$deb" Depends | grep -q 'libyaml-0-2' || { echo "no dependency on libyaml"; exit 1; }

dpkg -x "$deb" "$work/root"
usage="$("$work/root/usr/bin/veldarin" /?)"
grep -qx 'Usage: VELDARIN \[infile\]\[outfile\]\[/f#\]\[/t#\]\[/c#\]' <<<"$usage"
sections="$(readelf -S "$work/root/usr/bin/veldarin")"
if grep -q '\.symtab' <<<"$sections"; then
  echo "the program is not stripped"
  exit 1
fi

if command -v lintian >/dev/null; then
  lintian --fail-on error "$deb"
fi
echo "package: 1 passed, 0 failed"
