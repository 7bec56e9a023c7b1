#!/bin/bash
# paint-figures.sh bench|screenshot BUILD OUT_DIR
#   bench       full repaints of 361 stones: with the stock pictures at
#               every size, their file reads alone and the ratio; at Huge,
#               the largest pictures allowed against the stock ones; and
#               the GDI counts
#   screenshot  OUT_DIR/board.png: a game in progress at the Medium size
# Both run the build's programs under the Wine rig (the 32-bit rig for an
# i686 build), on a private display started for the run; the rig is
# stopped and its folder removed however the run ends.
set -u
what=${1:-} build=${2:-build/win64} out=${3:-build}
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "$build" && pwd) || exit 2
mkdir -p "$out" && out=$(cd "$out" && pwd)
rig="$root/tests/win32/wine-rig.sh"
export KIVRANO_SOURCE_DIR="$root"

case "$what" in
bench) run=("$build/bench/paint/paint_bench.exe") ;;
screenshot) run=("$build/bench/paint/board_screenshot.exe" "$out/board.bmp") ;;
*) echo "usage: $0 bench|screenshot BUILD OUT_DIR" >&2; exit 2 ;;
esac
start=start
case "$(x86_64-w64-mingw32-objdump -f "${run[0]}" 2>/dev/null)" in
*pei-i386*) start=start32 ;;
esac

rig_dir="$out/paint-rig-$$"
cleanup() {
    trap - EXIT INT TERM HUP
    "$rig" stop "$rig_dir" >/dev/null 2>&1
    rm -rf "$rig_dir"  # the Wine prefix is large and made anew each run
}
trap cleanup EXIT
trap 'cleanup; exit 130' INT
trap 'cleanup; exit 143' TERM HUP

# A screen taller than the Huge board (812 pixels), so that all of it is painted.
"$rig" "$start" "$rig_dir" 1280x1024 >/dev/null || exit 1
"$rig" run "$rig_dir" "${run[@]}" || exit $?

if [ "$what" = screenshot ]; then
    convert "$out/board.bmp" -strip -define png:exclude-chunks=date,time "$out/board.png" && rm -f "$out/board.bmp" && echo "wrote $out/board.png"
fi
