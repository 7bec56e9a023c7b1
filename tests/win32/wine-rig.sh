#!/bin/bash
# The Wine rig for the Win32 tests: a private Xvfb display with a window
# manager (openbox, so that windows get a frame, focus and activation as on
# a desktop) and one fresh WINEPREFIX per test run.
#
#   wine-rig.sh start DIR [WIDTHxHEIGHT]   start the display, create the
#                                          prefix in DIR (an absolute path;
#                                          64-bit programs); non-zero unless
#                                          ready
#   wine-rig.sh start32 DIR [WIDTHxHEIGHT] the same for 32-bit programs: the
#                                          i386 Wine under qemu, set up by
#                                          scripts/setup-wine32.sh, and a
#                                          copy of its ready prefix
#   wine-rig.sh run DIR PROGRAM [ARGS...]  run a Windows program in a fresh
#                                          working directory under DIR
#   wine-rig.sh pipe DIR PROGRAM [ARGS...] the same, talking through the
#                                          caller's standard input and output
#   wine-rig.sh env DIR                    print the environment to use the
#                                          rig; $WINE is the loader to run
#   wine-rig.sh stop DIR                   stop wineserver, openbox and Xvfb
#
# Every process the rig starts is stopped by its own id (Xvfb, openbox,
# wineserver) or by `wineserver -k` for this prefix, never by name. Output of Xvfb,
# openbox, wineboot and wineserver goes to files in DIR, never to a pipe a
# harness waits on.
set -u
WINE64=/usr/lib/wine/wine64
WINESERVER=/usr/lib/wine/wineserver
I386=${KIVRANO_I386_ROOT:-/opt/kivrano-i386}

command=${1:-}
dir=${2:-}
[ -n "$command" ] && [ -n "$dir" ] || { echo "usage: $0 start|run|env|stop DIR ..." >&2; exit 2; }

rig_env() {
    export DISPLAY=":$(cat "$dir/display")"
    export WINEPREFIX="$dir/prefix"
    export WINEDLLOVERRIDES="mscoree,mshtml="
    export WINEDEBUG=-all
    export WINEARCH=win64
    if [ -e "$dir/i386" ]; then
        export WINE="$I386/usr/lib/wine/wine-qemu"
        # The 64-bit wineserver maps the i386 builtin DLLs by their paths.
        export WINEDLLPATH="$I386/usr/lib/i386-linux-gnu/wine"
    else
        export WINE=$WINE64
    fi
}

# Names a 32-bit program as it starts, so that a test log shows what ran.
announce() {
    if [ -e "$dir/i386" ]; then
        echo "32-bit: $1 ($(x86_64-w64-mingw32-objdump -f "$1" | grep -o 'file format.*')) under qemu-i386"
    fi
}

# A copy of the ready 32-bit prefix: the folders of system DLLs, which Wine
# only reads, as hard links; everything Wine may write as real copies.
copy_prefix() {
    local from=$1 to=$2 entry
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

fail() {
    echo "wine rig NOT ready: $*" >&2
    exit 1
}

# True when the process holds a listening Unix socket, as a wineserver
# ready for clients does (read from /proc: no tools needed).
listening() {
    local inode
    for inode in $(ls -l "/proc/$1/fd" 2>/dev/null | sed -n 's/.*socket:\[\([0-9]*\)\]$/\1/p'); do
        awk -v inode="$inode" '$7 == inode && $4 == "00010000" { found = 1 } END { exit !found }' \
            /proc/net/unix && return 0
    done
    return 1
}

case "$command" in
start | start32)
    # Wine wants an absolute WINEPREFIX; a relative one would leave no server.
    case "$dir" in
    /*) ;;
    *) fail "DIR must be an absolute path, got '$dir'" ;;
    esac
    screen=${3:-1024x768}
    "$0" stop "$dir" >/dev/null 2>&1
    rm -rf "$dir"
    mkdir -p "$dir" || fail "cannot create $dir"
    if [ "$command" = start32 ]; then
        "$(dirname "$0")/../../scripts/setup-wine32.sh" || fail "the 32-bit Wine could not be set up"
        touch "$dir/i386"
        copy_prefix "$I386/prefix-template" "$dir/prefix"
    fi
    # -displayfd picks a free display number and writes it to fd 3.
    setsid Xvfb -displayfd 3 -screen 0 "${screen}x24" -nolisten tcp \
        3>"$dir/display" >"$dir/xvfb.log" 2>&1 </dev/null &
    echo $! >"$dir/xvfb.pid"
    for _ in $(seq 1 100); do
        [ -s "$dir/display" ] && break
        sleep 0.1
    done
    [ -s "$dir/display" ] || fail "Xvfb did not start: $(cat "$dir/xvfb.log")"
    sed -i 's/[^0-9]//g' "$dir/display"
    rig_env
    setsid openbox --sm-disable >"$dir/openbox.log" 2>&1 </dev/null &
    echo $! >"$dir/openbox.pid"
    # Ready once it names itself the window manager on the root window.
    for _ in $(seq 1 100); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
        sleep 0.1
    done
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' ||
        fail "openbox did not start: $(cat "$dir/openbox.log")"
    # Create the prefix once (or bring the copy up), then keep one wineserver
    # running for the tests, in the foreground of its own session so that its
    # id is known.
    "$WINE64" wineboot -i >"$dir/wineboot.log" 2>&1 </dev/null ||
        fail "wineboot failed: $(cat "$dir/wineboot.log")"
    "$WINESERVER" -w
    setsid "$WINESERVER" -f -p >"$dir/wineserver.log" 2>&1 </dev/null &
    echo $! >"$dir/wineserver.pid"
    for _ in $(seq 1 50); do
        listening "$(cat "$dir/wineserver.pid")" && break
        sleep 0.1
    done
    listening "$(cat "$dir/wineserver.pid")" || fail "wineserver is not serving: $(cat "$dir/wineserver.log")"
    if [ -e "$dir/i386" ]; then
        # The first 32-bit program starts Wine's services along with it; here
        # they start with a program whose output is a file.
        "$WINE" cmd /c exit >"$dir/first32.log" 2>&1 </dev/null
    fi
    echo "wine rig ready: display :$(cat "$dir/display"), prefix $WINEPREFIX"
    ;;
run)
    shift 2
    [ -s "$dir/display" ] || { echo "the wine rig is not started in $dir" >&2; exit 1; }
    rig_env
    work=$(mktemp -d "$dir/run.XXXXXX")
    cd "$work" || exit 1
    export KIVRANO_TEST_DIR="$work"
    announce "$1"
    # Wine's service processes (explorer, services) may start with this
    # program and outlive it: they inherit a file, never the caller's pipe.
    "$WINE" "$@" </dev/null >"$work/output.txt" 2>&1
    status=$?
    cat "$work/output.txt"
    exit $status
    ;;
pipe)
    shift 2
    [ -s "$dir/display" ] || { echo "the wine rig is not started in $dir" >&2; exit 1; }
    rig_env
    work=$(mktemp -d "$dir/run.XXXXXX")
    cd "$work" || exit 1
    announce "$1" >&2
    exec "$WINE" "$@"
    ;;
env)
    rig_env
    echo "export DISPLAY=$DISPLAY WINEPREFIX=$WINEPREFIX WINEDLLOVERRIDES=\"$WINEDLLOVERRIDES\""
    echo "export WINEDEBUG=$WINEDEBUG WINE=$WINE"
    if [ -e "$dir/i386" ]; then echo "export WINEDLLPATH=$WINEDLLPATH"; fi
    ;;
stop)
    if [ -d "$dir/prefix" ]; then
        WINEPREFIX="$dir/prefix" "$WINESERVER" -k >/dev/null 2>&1
    fi
    for program in wineserver openbox xvfb; do
        if [ -s "$dir/$program.pid" ]; then
            kill "$(cat "$dir/$program.pid")" 2>/dev/null
            rm -f "$dir/$program.pid"
        fi
    done
    rm -rf "$dir"/run.*
    echo "wine rig stopped"
    ;;
*)
    echo "unknown command $command" >&2
    exit 2
    ;;
esac
