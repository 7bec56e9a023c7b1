#!/bin/sh
# check_assets.sh MAKE_ASSETS ASSETS_DIR SCRATCH_DIR ASSET_FILE...
# The files in assets/ must be exactly what the generator writes today.
set -u
tool=$1 kept=$2 made=$3
shift 3
rm -rf "$made" && mkdir -p "$made" || exit 2
"$tool" "$made" || exit 1
status=0
for name in "$@"; do
    if ! cmp -s "$kept/$name" "$made/$name"; then
        echo "assets/$name differs from what make-assets writes"
        status=1
    fi
done
[ $status -eq 0 ] && echo "all $# assets match the generator"
exit $status
