#!/bin/bash
# Plays Kivrano as a user would: the built game started on the Wine rig
# (64-bit or 32-bit, as the rig was started) in a folder holding only its
# images and sounds, real mouse clicks and keys on the X display with its
# window manager, screenshots read at the intersections, the double-three
# warning opened and closed twice (Esc, then a click on its OK button), the
# window closed with Alt+F4 through the window manager, and the settings
# file it wrote read byte by byte.
#   play-as-user.sh RIG_DIR KIVRANO_EXE ASSETS_DIR SCREENSHOT_OUT ASSET_FILE...
set -u
rig_dir=$1
exe=$2
assets=$3
screenshot=$4
shift 4
eval "$("$(dirname "$0")/../win32/wine-rig.sh" env "$rig_dir")"
. "$(dirname "$0")/../../scripts/wine-desktop.sh"  # wait_until

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

play=$(mktemp -d "$rig_dir/play.XXXXXX")
for name in "$@"; do cp "$assets/$name" "$play/"; done
cp "$exe" "$play/Kivrano.exe"
format=$(x86_64-w64-mingw32-objdump -f "$exe" | grep -o 'file format.*')
case $format in
    *pei-i386) echo "32-bit: $exe ($format) under qemu-i386" ;;
    *) echo "64-bit: $exe ($format)" ;;
esac
cd "$play" || exit 1
"$WINE" Kivrano.exe >"$play/game.log" 2>&1 </dev/null &
game=$!
trap 'kill $game 2>/dev/null' EXIT

# The visible window titled exactly $1 (printed, and true) if there is one.
visible_window() { xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1 | grep .; }
# The game's top-level X window: 10 s to appear (or 20 s, for qemu).
window=$(wait_until visible_window Kivrano || wait_until visible_window Kivrano) ||
    { echo "FAIL: no Kivrano window appeared"; cat "$play/game.log"; exit 1; }
sleep 1.5

shot() { import -display "$DISPLAY" -window root "$1"; }
# The X window's position on the screen and its size, as "x y width height"
# (xwininfo counts the window manager's frame in; xdotool may not).
placement() {
    xwininfo -id "$1" | awk '/Absolute upper-left X/ { x = $NF } /Absolute upper-left Y/ { y = $NF }
                            /^  Width/ { w = $NF } /^  Height/ { h = $NF } END { print x, y, w, h }'
}
find_window() { wait_until visible_window "$1" | tail -n 1 | grep .; }
is_viewable() { xwininfo -id "$1" 2>/dev/null | grep -q IsViewable; }
window_gone() { wait_until eval "! is_viewable $1"; }
# "r g b" of one screen pixel.
pixel() {
    convert "$1" -format "%[fx:int(255*p{$2,$3}.r)] %[fx:int(255*p{$2,$3}.g)] %[fx:int(255*p{$2,$3}.b)]" info:
}
brightness() { local r g b; read -r r g b <<<"$(pixel "$@")"; echo $(((r + g + b) / 3)); }

# Find the board: the client area's top-left lies where the board image
# starts. A Medium window has a 580-pixel-wide client area, 30-pixel cells
# and the board at the client's corner, so the grid point of (x, y) is
# 5 + (x - 1) * 30 + 15 pixels in from it.
read -r X Y WIDTH HEIGHT <<<"$(placement "$window")"
shot "$play/before.png"
# The client area is 580 wide and centred in the window's frame; its top is
# the first row below the caption and menu that shows the wooden board.
client_x=$((X + (WIDTH - 580) / 2))
client_y=""
for offset in $(seq 0 80); do
    row=$((Y + offset))
    read -r r g b <<<"$(pixel "$play/before.png" $((client_x + 2)) "$row")"
    # The wooden board is warm: clearly more red than blue.
    if [ $((r - b)) -gt 40 ]; then client_y=$row; break; fi
done
[ -n "$client_y" ] || { echo "FAIL: could not find the board on screen"; exit 1; }
centre() { echo $((client_x + 20 + ($1 - 1) * 30)) $((client_y + 20 + ($2 - 1) * 30)); }
# expect_point SCREENSHOT X Y black|white|empty: a stone is read at the point, an empty point beside it, off
# its grid lines, where the board itself shows. Each brightness seen is kept for the closing line.
seen=""
expect_point() {
    local cx cy level
    read -r cx cy <<<"$(centre "$2" "$3")"
    [ "$4" = empty ] && cx=$((cx + 8)) && cy=$((cy + 8))
    level=$(brightness "$1" "$cx" "$cy")
    seen="$seen $4 at ($2,$3) $level;"
    case $4 in
    black) [ "$level" -lt 80 ] ;;
    white) [ "$level" -gt 170 ] ;;
    empty) [ "$level" -gt 80 ] && [ "$level" -lt 230 ] ;;
    esac || fail "$(basename "$1"): expected $4 at ($2, $3), brightness $level"
}

# The human (Black) plays the centre; the computer (White) answers at (11, 10).
read -r px py <<<"$(centre 10 10)"
xdotool mousemove "$px" "$py" click 1
sleep 2.5
shot "$play/after.png"
# The game's window, as the README shows it.
convert "$play/after.png" -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$screenshot"
expect_point "$play/after.png" 10 10 black
expect_point "$play/after.png" 11 10 white
expect_point "$play/after.png" 5 5 empty

# The double-three warning, in a new game from the keyboard's menu (Alt+G,
# N). Black's (6,6), (6,5), (7,6) and (4,7) draw the computer's replies
# (7,7), (6,7), (8,7) and (9,7); then (5,6) would give Black two open
# threes, the row (5,6)-(7,6) and the diagonal (4,7)-(6,5). The warning
# opens over (11,10), which stays empty: a click that went through to the
# board would place a stone there.
xdotool windowactivate --sync "$window" 2>/dev/null
xdotool key alt+g n
sleep 1
for move in "6 6" "6 5" "7 6" "4 7"; do
    read -r px py <<<"$(centre $move)"
    xdotool mousemove "$px" "$py" click 1
    sleep 1.5
done
shot "$play/before-warning.png"
expect_point "$play/before-warning.png" 9 7 white
expect_point "$play/before-warning.png" 10 10 empty  # the new game cleared it
read -r tx ty <<<"$(centre 5 6)"
board_area="580x560+${client_x}+${client_y}"
convert "$play/before-warning.png" -crop "$board_area" +repage "$play/board-before-warning.png"
# Pixels of the board that differ from before the warning, after it was closed by $1.
board_change() {
    shot "$play/after-$1.png"
    convert "$play/after-$1.png" -crop "$board_area" +repage "$play/board-after-$1.png"
    compare -metric AE "$play/board-before-warning.png" "$play/board-after-$1.png" null: 2>&1
}
# The same board, pixel for pixel, once the repaint under the closed warning is done (a busy
# machine may take a few seconds for it).
board_unchanged() {
    local differ
    for _ in 1 2 3 4 5; do
        differ=$(board_change "$1")
        [ "$differ" = 0 ] && return
        sleep 1
    done
    fail "after the warning closed by $1, $differ board pixels changed"
}

# Opened by the refused click, it has the keyboard: Esc closes it.
xdotool mousemove "$tx" "$ty" click 1
if warning=$(find_window 'Warning 3X3 !'); then
    focus=$(xdotool getwindowfocus)
    [ "$focus" = "$warning" ] || fail "the warning does not have the keyboard focus (window $focus has)"
    xdotool key Escape
    window_gone "$warning" || fail "Esc did not close the warning"
    board_unchanged esc
else
    fail "clicking (5, 6) opened no double-three warning"
fi
# Opened again, it closes with a click on OK, and the click reaches
# nothing else. The dialog is 78 x 48 dialog units; OK's centre lies at
# (39, 35) of them.
xdotool mousemove "$tx" "$ty" click 1
if warning=$(find_window 'Warning 3X3 !'); then
    read -r dx dy dwidth dheight <<<"$(placement "$warning")"
    xdotool mousemove $((dx + dwidth * 39 / 78)) $((dy + dheight * 35 / 48)) click 1
    window_gone "$warning" || fail "a click on OK did not close the warning"
    sleep 1
    board_unchanged ok
else
    fail "clicking (5, 6) a second time opened no double-three warning"
fi

# Close the game as a user would, with Alt+F4, which the window manager
# turns into a request to close the active window.
xdotool windowactivate --sync "$window" 2>/dev/null
xdotool key alt+F4
wait_until is_gone $game || fail "the game did not close"

# A fresh run with no option changed writes the default option record.
if [ -f Kivrano.ini ]; then
    size=$(stat -c %s Kivrano.ini)
    [ "$size" -eq 55 ] || fail "Kivrano.ini holds $size bytes, not 55"
    first=$(head -c 11 Kivrano.ini | od -An -tx1 | tr -d ' \n')
    [ "$first" = "012e010201010000010101" ] || fail "Kivrano.ini starts $first"
else
    fail "closing the game wrote no Kivrano.ini"
fi

echo "played, brightness:$seen screenshot $screenshot"
[ $failures -eq 0 ]
