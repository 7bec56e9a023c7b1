#!/bin/bash
# The release zip holds what a player needs, and the same sources give the
# same bytes. Built in a temporary folder, never in the repository's dist/.
#   check-dist.sh WIN32_BUILD_DIR
set -u
build=$1
. "$build/product.sh"
top=$(cd "$(dirname "$0")/../.." && pwd)
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
zip="$out/Kivrano-$version-win32.zip"
"$top/scripts/make-dist.sh" "$build" "$out" >/dev/null || { echo "FAIL: make-dist failed"; exit 1; }
first=$(sha256sum <"$zip")
sleep 1
"$top/scripts/make-dist.sh" "$build" "$out" >/dev/null || { echo "FAIL: make-dist failed"; exit 1; }
second=$(sha256sum <"$zip")
failures=0
[ "$first" = "$second" ] || { echo "FAIL: two builds of the zip differ"; failures=1; }
names=$(unzip -Z1 "$zip" | sort | tr '\n' ' ')
want=$(printf '%s\n' Kivrano.exe pbrain-kivrano.exe $asset_files $players_readme | sort | tr '\n' ' ')
[ "$names" = "$want" ] || { echo "FAIL: the zip holds: $names"; failures=1; }
echo "$(basename "$zip"): $(stat -c %s "$zip") bytes, sha256 ${second%% *}"
[ $failures -eq 0 ]
