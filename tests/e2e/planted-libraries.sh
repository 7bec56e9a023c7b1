#!/bin/bash
# The game loads winmm and comctl32 from the system folder only: started on
# the Wine rig beside a planted winmm.dll and comctl32.dll that leave a mark
# (NAME.loaded beside them) when loaded (tests/win32/planted_library.cpp), with Wine told to prefer a
# native DLL found beside the exe, as Windows' search order does, it loads
# neither: Wine's log of loaded DLLs shows the system's comctl32 at the
# start and the system's winmm at the first stone's sound. And it still
# starts whole: closed with Alt+F4, it writes its settings, which it does
# only once its status bar was made.
#   planted-libraries.sh RIG_DIR KIVRANO_EXE PLANTED_DIR
set -u
rig_dir=$1
exe=$2
planted=$3
eval "$("$(dirname "$0")/../win32/wine-rig.sh" env "$rig_dir")"
. "$(dirname "$0")/../../scripts/wine-desktop.sh"  # wait_until, is_gone
export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;winmm,comctl32=n,b" WINEDEBUG=-all,+loaddll

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

play=$(mktemp -d "$rig_dir/planted.XXXXXX")
cp "$exe" "$play/Kivrano.exe"
cp "$planted/winmm.dll" "$planted/comctl32.dll" "$play/" ||
    { echo "FAIL: no planted DLLs in $planted"; exit 1; }
format=$(x86_64-w64-mingw32-objdump -f "$exe" | grep -o 'file format.*')
case $format in
    *pei-i386) echo "32-bit: $exe ($format) under qemu-i386, beside $(cd "$play" && echo *.dll)" ;;
    *) echo "64-bit: $exe ($format), beside $(cd "$play" && echo *.dll)" ;;
esac
cd "$play" || exit 1
"$WINE" Kivrano.exe >"$play/game.log" 2>&1 </dev/null &
game=$!
trap 'kill $game 2>/dev/null' EXIT

visible_window() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1 | grep .; }
# 10 s to appear (or 20 s, for qemu).
window=$(wait_until visible_window Kivrano || wait_until visible_window Kivrano) ||
    fail "no Kivrano window appeared: $(cat "$play/game.log")"

# A mark is named as the loader named the DLL: WINMM.dll.loaded, say.
for mark in *.loaded; do
    [ -e "$mark" ] && fail "the ${mark%.loaded} beside the exe was loaded (by $(cat "$mark"))"
done

# Lines such as: Loaded L"C:\\windows\\system32\\winmm.dll" at ...: builtin
loaded_from_system() { grep -Eiq "Loaded L\".*(system32|syswow64)[\\]+$1\"" "$play/game.log"; }
if [ -n "$window" ]; then
    loaded_from_system comctl32.dll || fail "the system's comctl32.dll was not loaded at the start"
    # A click in the middle of the window lands on the board: a stone, and its sound.
    read -r width height <<<"$(xdotool getwindowgeometry "$window" |
        sed -n 's/.*Geometry: \([0-9]*\)x\([0-9]*\)/\1 \2/p')"
    xdotool mousemove --window "$window" $((width / 2)) $((height / 2)) click 1
    wait_until loaded_from_system winmm.dll ||
        fail "the system's winmm.dll was not loaded at the stone's sound"
    xdotool windowactivate --sync "$window" 2>/dev/null
    xdotool key alt+F4
fi
wait_until is_gone $game || fail "the game did not close"
if [ -f Kivrano.ini ]; then
    echo "the game started and closed whole beside the planted DLLs, loading neither"
else
    fail "closing the game wrote no Kivrano.ini: its start-up did not finish"
fi
[ $failures -eq 0 ]
