#!/bin/bash
# Plays Kivrano as a user would: the built game started under wine64 in a
# folder holding only its images and sounds, real mouse clicks on the X
# display, screenshots read at the intersections, the window closed, and
# the settings file it wrote read byte by byte.
#   play-as-user.sh RIG_DIR KIVRANO_EXE ASSETS_DIR SCREENSHOT_OUT ASSET_FILE...
set -u
rig_dir=$1
exe=$2
assets=$3
screenshot=$4
shift 4
eval "$("$(dirname "$0")/../win32/wine-rig.sh" env "$rig_dir")"

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

play=$(mktemp -d "$rig_dir/play.XXXXXX")
for name in "$@"; do cp "$assets/$name" "$play/"; done
cp "$exe" "$play/Kivrano.exe"
cd "$play" || exit 1
/usr/lib/wine/wine64 Kivrano.exe >"$play/game.log" 2>&1 </dev/null &
game=$!
trap 'kill $game 2>/dev/null' EXIT

# The game's top-level X window.
window=""
for _ in $(seq 1 100); do
    window=$(xdotool search --onlyvisible --name '^Kivrano$' 2>/dev/null | head -n 1)
    [ -n "$window" ] && break
    sleep 0.2
done
[ -n "$window" ] || { echo "FAIL: no Kivrano window appeared"; cat "$play/game.log"; exit 1; }
sleep 1.5

shot() { import -display "$DISPLAY" -window root "$1"; }
# "r g b" of one screen pixel.
pixel() {
    convert "$1" -format "%[fx:int(255*p{$2,$3}.r)] %[fx:int(255*p{$2,$3}.g)] %[fx:int(255*p{$2,$3}.b)]" info:
}
brightness() { local r g b; read -r r g b <<<"$(pixel "$@")"; echo $(((r + g + b) / 3)); }

# Find the board: the client area's top-left lies where the board image
# starts. A Medium window has a 580-pixel-wide client area, 30-pixel cells
# and the board at the client's corner, so the grid point of (x, y) is
# 5 + (x - 1) * 30 + 15 pixels in from it.
eval "$(xdotool getwindowgeometry --shell "$window")"   # X, Y, WIDTH, HEIGHT
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

# The human (Black) plays the centre; the computer (White) answers at (11, 10).
read -r px py <<<"$(centre 10 10)"
xdotool mousemove "$px" "$py" click 1
sleep 2.5
shot "$play/after.png"
# The game's window, as the README shows it.
convert "$play/after.png" -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$screenshot"
black=$(brightness "$play/after.png" "$px" "$py")
[ "$black" -lt 80 ] || fail "no black stone at (10, 10): brightness $black"
read -r wx wy <<<"$(centre 11 10)"
white=$(brightness "$play/after.png" "$wx" "$wy")
[ "$white" -gt 170 ] || fail "no white stone at (11, 10): brightness $white"
# Beside an empty point, off its grid lines, the board itself shows.
read -r ex ey <<<"$(centre 5 5)"
empty=$(brightness "$play/after.png" $((ex + 8)) $((ey + 8)))
[ "$empty" -gt 80 ] && [ "$empty" -lt 230 ] || fail "an empty point should show the board: brightness $empty"

# Close the game as a user would, with Alt+F4.
xdotool windowfocus --sync "$window" 2>/dev/null
xdotool key --window "$window" alt+F4
for _ in $(seq 1 50); do
    kill -0 $game 2>/dev/null || break
    sleep 0.2
done
kill -0 $game 2>/dev/null && fail "the game did not close"

# A fresh run with no option changed writes the default option record.
if [ -f Kivrano.ini ]; then
    size=$(stat -c %s Kivrano.ini)
    [ "$size" -eq 55 ] || fail "Kivrano.ini holds $size bytes, not 55"
    first=$(head -c 11 Kivrano.ini | od -An -tx1 | tr -d ' \n')
    [ "$first" = "012e010201010000010101" ] || fail "Kivrano.ini starts $first"
else
    fail "closing the game wrote no Kivrano.ini"
fi

echo "played: black at (10,10) brightness $black, white at (11,10) brightness $white; screenshot $screenshot"
[ $failures -eq 0 ]
