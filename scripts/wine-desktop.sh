# Sourced by `make run` (scripts/run-game.sh) and by the tests' Wine rig
# (tests/win32/wine-rig.sh): a private virtual desktop, Xvfb with the
# openbox window manager, and the environment that runs a Windows program
# under wine64 or, for a 32-bit program, under Debian's i386 Wine in qemu
# (set up by scripts/setup-wine32.sh). What it starts is remembered by
# process id in a folder, and stopped by that id.
WINE64=/usr/lib/wine/wine64
WINESERVER=/usr/lib/wine/wineserver
I386=${KIVRANO_I386_ROOT:-/opt/kivrano-i386}

# Runs the command every 0.1 s until it succeeds, for at most 10 s.
wait_until() {
    local _
    for _ in $(seq 1 100); do
        "$@" && return 0
        sleep 0.1
    done
    "$@"
}

openbox_is_managing() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }

# start_desktop DIR WIDTHxHEIGHT[xDEPTH]: Xvfb on a free display (its number
# in DIR/display, exported as DISPLAY), 24 bits a pixel unless DEPTH is
# given, with openbox on it, their ids in DIR/xvfb.pid and DIR/openbox.pid.
# Says why and returns 1 on failure.
start_desktop() {
    local dir=$1 screen=$2
    case "$screen" in
    *x*x*) ;;
    *) screen=${screen}x24 ;;
    esac
    # -displayfd picks a free display number and writes it to fd 3. Without
    # -noreset the server resets whenever its last client leaves, and a client
    # connecting just then (openbox after a probe) is turned away.
    setsid Xvfb -displayfd 3 -screen 0 "$screen" -nolisten tcp -noreset \
        3>"$dir/display" >"$dir/xvfb.log" 2>&1 </dev/null &
    echo $! >"$dir/xvfb.pid"
    wait_until test -s "$dir/display" || { echo "Xvfb did not start: $(cat "$dir/xvfb.log")"; return 1; }
    sed -i 's/[^0-9]//g' "$dir/display"
    export DISPLAY=":$(cat "$dir/display")"
    # A window manager gives windows a frame, the keyboard focus and
    # activation, as on a desktop; it is ready once it names itself on the
    # root window.
    setsid openbox --sm-disable >"$dir/openbox.log" 2>&1 </dev/null &
    echo $! >"$dir/openbox.pid"
    wait_until openbox_is_managing || { echo "openbox did not start: $(cat "$dir/openbox.log")"; return 1; }
}

is_gone() { ! kill -0 "$1" 2>/dev/null; }

# stop_desktop DIR: openbox and Xvfb, by the ids start_desktop kept; returns
# once they are gone (Xvfb takes a moment).
stop_desktop() {
    local program pid
    for program in openbox xvfb; do
        if [ -s "$1/$program.pid" ]; then
            pid=$(cat "$1/$program.pid")
            kill "$pid" 2>/dev/null
            wait_until is_gone "$pid"
            rm -f "$1/$program.pid"
        fi
    done
}

# use_wine PREFIX 32|64: exports the environment of a Windows program in
# PREFIX; $WINE is the loader to start it with.
use_wine() {
    export WINEPREFIX=$1 WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
    if [ "$2" = 32 ]; then
        export WINE="$I386/usr/lib/wine/wine-qemu"
        # The 64-bit wineserver maps the i386 builtin DLLs by their paths.
        export WINEDLLPATH="$I386/usr/lib/i386-linux-gnu/wine"
    else
        export WINE=$WINE64
    fi
}

# set_window_metrics classic|themed: the window metrics of the prefix in
# use (use_wine), read by every Windows program started afterwards.
# classic leaves Wine's own defaults (19-pixel caption and menu bar, 3-pixel
# fixed frames, a 20-pixel status bar); themed sets those of a themed
# Windows at 96 DPI: caption 23, menu bar 20 and padded border 4 pixels,
# given in the registry as negative twips (-15 per pixel).
set_window_metrics() {
    local name value
    case $1 in
    classic) return 0 ;;
    themed) ;;
    *) echo "unknown window metrics '$1' (classic or themed)"; return 1 ;;
    esac
    for name in CaptionHeight=-345 MenuHeight=-300 PaddedBorderWidth=-60; do
        value=${name#*=}
        "$WINE64" reg add 'HKCU\Control Panel\Desktop\WindowMetrics' /v "${name%=*}" /d "$value" /f \
            >/dev/null 2>&1 </dev/null || { echo "reg add ${name%=*} failed"; return 1; }
    done
}

# link_korean_font: in the running prefix, the shell's dialog font reaches a
# Korean font as on a Windows outside Korea, where "MS Shell Dlg 2" maps to
# Tahoma, and Tahoma and Microsoft Sans Serif link to Gulim
# (FontLink\SystemLink), while the System font has no Hangul. NanumGothic
# stands in for Gulim. Wine gives its System font every link of Tahoma,
# which Windows does not: so here the link is Microsoft Sans Serif's, and
# "MS Shell Dlg 2" maps to it, so that a dialog without a font of its own
# still shows boxes, as it does on Windows. Wine reads the links when a
# program starts.
link_korean_font() {
    local key='HKLM\Software\Microsoft\Windows NT\CurrentVersion'
    "$WINE64" reg add "$key\FontLink\SystemLink" /v 'Microsoft Sans Serif' /t REG_MULTI_SZ \
        /d 'NanumGothic.ttf,NanumGothic' /f >/dev/null 2>&1 &&
        "$WINE64" reg add "$key\FontSubstitutes" /v 'MS Shell Dlg 2' /d 'Microsoft Sans Serif' /f \
            >/dev/null 2>&1
}

# copy_ready_prefix32 TO: a copy of the ready 32-bit prefix. The folders of
# system DLLs, which Wine only reads, are hard links; everything Wine may
# write is really copied.
copy_ready_prefix32() {
    local from="$I386/prefix-template" to=$1 entry
    mkdir -p "$to/drive_c/windows"
    cp -a "$from"/*.reg "$from"/.update-timestamp "$from"/dosdevices "$to/"
    for entry in "$from"/drive_c/*; do
        [ "$entry" = "$from/drive_c/windows" ] || cp -a "$entry" "$to/drive_c/"
    done
    for entry in "$from"/drive_c/windows/*; do
        case ${entry##*/} in
        system32 | syswow64 | winsxs) cp -al "$entry" "$to/drive_c/windows/" ;;
        *) cp -a "$entry" "$to/drive_c/windows/" ;;
        esac
    done
}
