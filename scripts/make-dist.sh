#!/bin/bash
# Packs the 32-bit release: Kivrano-VERSION-win32.zip in OUT_DIR (dist/ of
# the repository unless given). The same sources give the same bytes: fixed
# file times, order, permissions and no extra zip fields. The version and
# the file names come from the build's product.sh.
#   make-dist.sh WIN32_BUILD_DIR [OUT_DIR]
set -eu
build=$1
. "$build/product.sh"
top=$(cd "$(dirname "$0")/.." && pwd)
out_dir=${2:-$top/dist}
out="$out_dir/Kivrano-$version-win32.zip"
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT

cp "$build/app/Kivrano.exe" "$build/tools/pbrain-kivrano/pbrain-kivrano.exe" "$stage/"
for file in $asset_files; do
    cp "$top/assets/$file" "$stage/"
done
# The version filled in, and Windows line ends, for Notepad.
sed "s/@VERSION@/$version/; s/\$/\r/" "$top/docs/readme-players.txt" >"$stage/$players_readme"

files=(Kivrano.exe pbrain-kivrano.exe $asset_files $players_readme)
chmod 644 "${files[@]/#/$stage/}"
TZ=UTC touch -d '2026-01-01 00:00:00' "${files[@]/#/$stage/}"
mkdir -p "$out_dir"
rm -f "$out"
(cd "$stage" && TZ=UTC zip -q -X -D "$out" "${files[@]}")
echo "$out: $(stat -c %s "$out") bytes"
