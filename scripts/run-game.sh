#!/bin/bash
# Starts the game under Wine in build/play, a folder that holds its images,
# sounds and players' readme and keeps its settings file "Kivrano.ini" from
# one run to the next. A 64-bit build runs under wine64, with Wine's own files in
# build/wine-prefix; the 32-bit build (what ships) runs under Debian's i386
# Wine in qemu (scripts/setup-wine32.sh), in build/wine-prefix-32, a copy
# of that set-up's ready prefix.
#
# Without a display (DISPLAY unset) the game runs on a private virtual
# display (Xvfb) with a window manager (openbox), started here; this says
# so, and says how to look at it. Everything started here is stopped here
# when the game ends or on Ctrl+C: Xvfb and openbox by their process ids,
# Wine by `wineserver -k` for this prefix only.
set -u
build=${1:-build/win64}
root=$(cd "$(dirname "$0")/.." && pwd)
case $build in /*) ;; *) build="$root/$build" ;; esac
exe="$build/app/Kivrano.exe"
. "$root/scripts/wine-desktop.sh"

if [ ! -f "$exe" ]; then
    echo "Kivrano.exe is not built in $build; 'make run' builds it."
    exit 1
fi
. "$build/product.sh"  # the version and the file names

play="$root/build/play"
mkdir -p "$play"
cp "$exe" "$play/Kivrano.exe"
for name in $asset_files; do
    if [ -f "$root/assets/$name" ]; then
        cp "$root/assets/$name" "$play/$name"
    else
        echo "note: assets/$name is missing; the game plays on without it"
    fi
done
# The players' readme, as the zip holds it, for Help > Contents.
sed "s/@VERSION@/$version/; s/\$/\r/" "$root/docs/readme-players.txt" >"$play/$players_readme"

if x86_64-w64-mingw32-objdump -f "$exe" | grep -q 'file format pei-i386'; then
    "$root/scripts/setup-wine32.sh" || exit 1
    use_wine "$root/build/wine-prefix-32" 32
    if [ ! -e "$WINEPREFIX/system.reg" ]; then
        rm -rf "$WINEPREFIX"
        copy_ready_prefix32 "$WINEPREFIX"
    fi
else
    use_wine "$root/build/wine-prefix" 64
fi

desktop=""
cleanup() {
    "$WINESERVER" -k >/dev/null 2>&1
    if [ -n "$desktop" ]; then
        stop_desktop "$desktop"
        rm -rf "$desktop"
    fi
}
trap cleanup EXIT
trap 'exit 130' INT TERM

if [ -z "${DISPLAY:-}" ]; then
    echo "There is no display (DISPLAY is not set): the game runs on a virtual one."
    desktop=$(mktemp -d)
    start_desktop "$desktop" 1024x768 || exit 1
    echo "Virtual display $DISPLAY. To see the game:"
    echo "    import -display $DISPLAY -window root kivrano.png"
    echo "Stop it with Ctrl+C."
fi

# Once for this prefix, as on Windows: the dialog font linked to a Korean
# font, for the double-three warning; and .txt files opened with Notepad,
# for Help > Contents. (An older prefix here let a Korean font stand in for
# the System font, which would hide a warning drawn in it.)
if ! grep -q '"MS Shell Dlg 2"="Microsoft Sans Serif"' "$WINEPREFIX/system.reg" 2>/dev/null; then
    link_korean_font
    "$WINE64" reg add 'HKCR\.txt' /ve /d txtfile /f >/dev/null 2>&1
fi
if grep -q '"System"="NanumGothic"' "$WINEPREFIX/user.reg" 2>/dev/null; then
    "$WINE64" reg delete 'HKCU\Software\Wine\Fonts\Replacements' /v System /f >/dev/null 2>&1
fi

echo "Starting Kivrano in $play (its settings: $play/Kivrano.ini)"
cd "$play" || exit 1
# Waited for in the background, so that a TERM stops everything at once.
"$WINE" Kivrano.exe </dev/null &
wait $!
status=$?
echo "Kivrano ended."
exit $status
