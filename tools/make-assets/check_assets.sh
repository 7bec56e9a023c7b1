#!/bin/sh
# check_assets.sh MAKE_ASSETS ASSETS_DIR SCRATCH_DIR
# The files in assets/ must be exactly what the generator writes today.
set -u
tool=$1 kept=$2 made=$3
rm -rf "$made" && mkdir -p "$made" || exit 2
"$tool" "$made" || exit 1
status=0
for name in board.img black.img white.img putstone.wav clear.wav finish.wav; do
    if ! cmp -s "$kept/$name" "$made/$name"; then
        echo "assets/$name differs from what make-assets writes"
        status=1
    fi
done
[ $status -eq 0 ] && echo "all six assets match the generator"
exit $status
