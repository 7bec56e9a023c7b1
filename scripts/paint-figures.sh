#!/bin/bash
# paint-figures.sh bench|screenshot WIN64_BUILD OUT_DIR
#   bench       the time of a full repaint of 361 stones, of its file reads
#               alone and their ratio, and the GDI counts
#   screenshot  OUT_DIR/board.png: a game in progress at the Medium size
# Both run the win64 build's programs under the Wine rig, on a private
# display started for the run and stopped after it.
set -u
what=${1:-} build=${2:-build/win64} out=${3:-build}
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "$build" && pwd)
mkdir -p "$out" && out=$(cd "$out" && pwd)
rig="$root/tests/win32/wine-rig.sh"
rig_dir="$out/paint-rig"
export KIVRANO_SOURCE_DIR="$root"

case "$what" in
bench) run=("$build/bench/paint/paint_bench.exe") ;;
screenshot) run=("$build/bench/paint/board_screenshot.exe" "$out/board.bmp") ;;
*) echo "usage: $0 bench|screenshot WIN64_BUILD OUT_DIR" >&2; exit 2 ;;
esac

"$rig" start "$rig_dir" >/dev/null || { "$rig" stop "$rig_dir" >/dev/null; exit 1; }
"$rig" run "$rig_dir" "${run[@]}"
status=$?
"$rig" stop "$rig_dir" >/dev/null
rm -rf "$rig_dir"  # the Wine prefix is large and made anew each run
[ $status -eq 0 ] || exit $status

if [ "$what" = screenshot ]; then
    convert "$out/board.bmp" -strip -define png:exclude-chunks=date,time "$out/board.png" && rm -f "$out/board.bmp" && echo "wrote $out/board.png"
fi
