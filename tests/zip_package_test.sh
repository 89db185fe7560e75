#!/usr/bin/env bash
# Makes the Windows zip of a cross build and checks what it unpacks to: the program, the
# README, the license and the examples, the text files with CR LF line ends.
# Usage: zip_package_test.sh BUILD_DIR
set -euo pipefail
source "$(dirname "$0")/make_package.sh"
make_package ZIP "$1"
zip="$package"
mkdir "$work/unpacked"
(cd "$work/unpacked" && cmake -E tar xf "$zip")
top="$work/unpacked/$(basename "$zip" .zip)"

texts="README.txt LICENSE.txt examples/bog-hounds.txt examples/grey-lurker.txt"
texts="$texts examples/marsh-drakes.txt examples/pathfinder-beasts.txt"
texts="$texts examples/fifth-edition-beasts.txt examples/homebrew-toad.md"
texts="$texts examples/pathfinder-note.md examples/fen-vermin.md"
texts="$texts examples/statblock-note.md examples/pathfinder-statblock.md"
texts="$texts examples/tool-bestiary.json"
expected="$texts veldarin.exe"
found="$(cd "$top" && find . -type f | sed 's|^\./||' | sort | tr '\n' ' ')"
[ "$found" = "$(tr ' ' '\n' <<<"$expected" | sort | tr '\n' ' ')" ] || {
  echo "the zip holds: $found"
  exit 1
}
for text in $texts; do
  lines="$(wc -l <"$top/$text")"
  crlf="$(grep -c $'\r$' "$top/$text" || true)"
  [ "$lines" -gt 0 ] && [ "$lines" = "$crlf" ] || { echo "$text: not every line ends in CR LF"; exit 1; }
done
head -c 2 "$top/veldarin.exe" | grep -q MZ || { echo "veldarin.exe is not a Windows program"; exit 1; }
echo "zip: 1 passed, 0 failed"
