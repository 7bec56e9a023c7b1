#!/bin/bash
# Plays Kivrano as a user would: the built game started on the Wine rig
# (64-bit or 32-bit, with the window metrics the rig was started with) in a
# folder holding only its images and sounds, real mouse clicks and keys on
# the X display with its window manager, screenshots read at the
# intersections, the double-three warning opened and closed twice (Esc,
# then a click on its OK button), the window closed with Alt+F4 through the
# window manager, and the settings file it wrote read byte by byte. The
# board is found on the screen inside the game's window, not at fixed
# offsets: it must be square, Medium's 580 pixels, with round stones.
#   play-as-user.sh RIG_DIR KIVRANO_EXE ASSETS_DIR SCREENSHOT_OUT ASSET_FILE...
set -euo pipefail
rig_dir=$1
exe=$2
assets=$3
screenshot=$4
shift 4
eval "$("$(dirname "$0")/../win32/wine-rig.sh" env "$rig_dir")"
. "$(dirname "$0")/../../scripts/wine-desktop.sh"  # wait_until, is_gone

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

play=$(mktemp -d "$rig_dir/play.XXXXXX")
for name in "$@"; do cp "$assets/$name" "$play/"; done
cp "$exe" "$play/Kivrano.exe"
# Named as it starts, so that make test's closing list shows which game ran under which metrics.
format=$(x86_64-w64-mingw32-objdump -f "$exe" | grep -o 'file format.*')
case $format in
    *pei-i386) echo "32-bit: $exe ($format) under qemu-i386, $KIVRANO_METRICS window metrics" ;;
    *) echo "64-bit: $exe ($format), $KIVRANO_METRICS window metrics" ;;
esac
cd "$play"
"$WINE" Kivrano.exe >"$play/game.log" 2>&1 </dev/null &
game=$!
trap 'kill $game 2>/dev/null || true' EXIT

# The first visible X window titled exactly $1 (printed, and true) if there is one.
visible_window() {
    local ids
    ids=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null) || return 1
    [ -n "$ids" ] && echo "${ids%%$'\n'*}"
}
find_window() { wait_until visible_window "$1" >"$play/found" && tail -n 1 "$play/found"; }
# The game's top-level X window: 10 s to appear (or 20 s, for qemu).
window=$(find_window Kivrano || find_window Kivrano) ||
    { echo "FAIL: no Kivrano window appeared"; cat "$play/game.log"; exit 1; }

shot() { import -display "$DISPLAY" -window root "$1"; }
# The X window's position on the screen and its size, as "x y width height".
# With the window manager's frame around it, Wine's X window holds the menu
# bar and the client area; the caption and borders are the manager's.
placement() {
    xwininfo -id "$1" | awk '/Absolute upper-left X/ { x = $NF } /Absolute upper-left Y/ { y = $NF }
                            /^  Width/ { w = $NF } /^  Height/ { h = $NF } END { print x, y, w, h }'
}
is_viewable() { xwininfo -id "$1" 2>/dev/null | grep -q IsViewable; }
window_gone() { wait_until eval "! is_viewable $1"; }
# "r g b" of one screen pixel.
pixel() {
    convert "$1" -format "%[fx:int(255*p{$2,$3}.r)] %[fx:int(255*p{$2,$3}.g)] %[fx:int(255*p{$2,$3}.b)]" info:
}
brightness() { local r g b; read -r r g b <<<"$(pixel "$@")"; echo $(((r + g + b) / 3)); }
# The pixels of a line of the screenshot, LENGTH long from (X, Y) along a row
# (across) or a column (down), one "r g b" a line.
line_pixels() {
    local size="${4}x1"
    [ "$5" = down ] && size="1x${4}"
    convert "$1" -crop "$size+$2+$3" +repage -depth 8 txt:- |
        sed -n 's/^[0-9]*,[0-9]*: *(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1 \2 \3/p'
}
# How many pixels from the start of the line lie before the first one that
# is (or, with "not", is not) of the kind: wood (warm: clearly more red than
# blue; the board picture, rim included) or dark (a black stone or a line).
count_until() {
    local kind=$1 negate=$2
    shift 2
    line_pixels "$@" | awk -v kind="$kind" -v negate="$negate" '
        { is = kind == "wood" ? $1 - $3 > 40 : ($1 + $2 + $3) / 3 < 100 }
        (negate == "not" && !is) || (negate == "is" && is) { print NR - 1; found = 1; exit }
        END { if (!found) print NR }'
}

# Finds the board on the screenshot inside the game's X window: its left edge
# is the first wood across the middle of the window, its top the first wood
# down its left margin, and its width and height the runs of wood along its
# top margin and down its left margin. Sets board_left, board_top,
# board_width, board_height, cell; false when no board shows.
find_board() {
    local across down
    read -r X Y WIDTH HEIGHT <<<"$(placement "$window")"
    across=$(count_until wood is "$1" "$X" $((Y + HEIGHT / 2)) "$WIDTH" across)
    [ "$across" -lt "$WIDTH" ] || return 1
    board_left=$((X + across))
    down=$(count_until wood is "$1" $((board_left + 2)) "$Y" "$HEIGHT" down)
    [ "$down" -lt "$HEIGHT" ] || return 1
    board_top=$((Y + down))
    board_width=$(count_until wood not "$1" "$board_left" $((board_top + 2)) \
        $((X + WIDTH - board_left)) across)
    board_height=$(count_until wood not "$1" $((board_left + 2)) "$board_top" \
        $((Y + HEIGHT - board_top)) down)
    # The board picture is 19 cells and a third of one wide.
    cell=$((board_width * 3 / 58))
}
board_shows() { shot "$play/board.png" && find_board "$play/board.png"; }
wait_until board_shows || { echo "FAIL: could not find the board on screen"; exit 1; }
echo "board ${board_width} x ${board_height} at ($((board_left - X)),$((board_top - Y))) in the X window" \
    "(below the menu bar), cells of $cell"
[ "$board_width" -eq 580 ] || fail "board expected 580 pixels wide (Medium), got $board_width"
[ "$board_height" -eq "$board_width" ] ||
    fail "board expected square, $board_width wide, got $board_height high"

# The screen pixel of the grid point (x, y): the centre of its cell.
centre() {
    echo $((board_left + cell / 6 + ($1 - 1) * cell + cell / 2)) \
        $((board_top + cell / 6 + ($2 - 1) * cell + cell / 2))
}
# point_is SCREENSHOT X Y black|white|empty: a stone is read at the point, an empty point beside it, off
# its grid lines, where the board itself shows; the brightness read is left in `level`.
point_is() {
    local cx cy
    read -r cx cy <<<"$(centre "$2" "$3")"
    if [ "$4" = empty ]; then cx=$((cx + cell / 4)); cy=$((cy + cell / 4)); fi
    level=$(brightness "$1" "$cx" "$cy")
    case $4 in
    black) [ "$level" -lt 80 ] ;;
    white) [ "$level" -gt 170 ] ;;
    empty) [ "$level" -gt 80 ] && [ "$level" -lt 230 ] ;;
    esac
}
# The same as a check; each brightness seen is kept for the closing line.
seen=""
expect_point() {
    point_is "$@" || fail "$(basename "$1"): expected $4 at ($2, $3), brightness $level"
    seen="$seen $4 at ($2,$3) $level;"
}
# True once a fresh screenshot, kept as $1, shows the point as expected.
shows() { shot "$1" && point_is "$@"; }

# The human (Black) plays the centre; the computer (White) answers at (11, 10).
read -r px py <<<"$(centre 10 10)"
xdotool mousemove "$px" "$py" click 1
wait_until shows "$play/after.png" 11 10 white || true
# The game's window, as the README shows it.
convert "$play/after.png" -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$screenshot"
expect_point "$play/after.png" 10 10 black
expect_point "$play/after.png" 11 10 white
expect_point "$play/after.png" 5 5 empty

# A round stone: across its cell a quarter cell below its centre, and down
# its cell a quarter cell right of it, clear of the grid lines, as many
# pixels are dark. A stone squashed into a lower cell is wider than high.
dark_pixels() { line_pixels "$@" | awk '($1 + $2 + $3) / 3 < 100 { n++ } END { print n + 0 }'; }
read -r cx cy <<<"$(centre 10 10)"
stone_width=$(dark_pixels "$play/after.png" $((cx - cell / 2)) $((cy + cell / 4)) "$cell" across)
stone_height=$(dark_pixels "$play/after.png" $((cx + cell / 4)) $((cy - cell / 2)) "$cell" down)
echo "black stone at (10,10): $stone_width pixels across, $stone_height down, a quarter cell off its centre"
[ "$stone_height" -eq "$stone_width" ] ||
    fail "black stone at (10,10) expected round, $stone_width pixels across, got $stone_height down"

# The double-three warning, in a new game from the keyboard's menu (Alt+G,
# N). Black's (6,6), (6,5), (7,6) and (4,7) draw the computer's replies
# (7,7), (6,7), (8,7) and (9,7); then (5,6) would give Black two open
# threes, the row (5,6)-(7,6) and the diagonal (4,7)-(6,5). The warning
# opens over (11,10), which stays empty: a click that went through to the
# board would place a stone there.
xdotool windowactivate --sync "$window" 2>/dev/null || true
xdotool key alt+g n
wait_until shows "$play/new-game.png" 10 10 empty || fail "Alt+G, N did not clear the board"
for move in "6 6 7 7" "6 5 6 7" "7 6 8 7" "4 7 9 7"; do
    read -r x y rx ry <<<"$move"
    read -r px py <<<"$(centre "$x" "$y")"
    xdotool mousemove "$px" "$py" click 1
    wait_until shows "$play/reply.png" "$rx" "$ry" white || fail "no reply at ($rx, $ry) to ($x, $y)"
done
shot "$play/before-warning.png"
read -r tx ty <<<"$(centre 5 6)"
board_area="${board_width}x${board_height}+${board_left}+${board_top}"
convert "$play/before-warning.png" -crop "$board_area" +repage "$play/board-before-warning.png"
# True when the board shows pixel for pixel as before the warning; after a
# warning closed by $1, its repaint may take a moment on a busy machine.
board_as_before() {
    shot "$play/after-$1.png"
    convert "$play/after-$1.png" -crop "$board_area" +repage "$play/board-after-$1.png"
    differ=$(compare -metric AE "$play/board-before-warning.png" "$play/board-after-$1.png" null: 2>&1 ||
        true)
    [ "$differ" = 0 ]
}
board_unchanged() {
    wait_until board_as_before "$1" || fail "after the warning closed by $1, $differ board pixels changed"
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
    board_unchanged ok
else
    fail "clicking (5, 6) a second time opened no double-three warning"
fi

# Close the game as a user would, with Alt+F4, which the window manager
# turns into a request to close the active window.
xdotool windowactivate --sync "$window" 2>/dev/null || true
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
