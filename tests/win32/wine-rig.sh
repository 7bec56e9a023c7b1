#!/bin/bash
# The Wine rig for the Win32 tests: a private Xvfb display with a window
# manager (openbox, so that windows get a frame, focus and activation as on
# a desktop) and one fresh WINEPREFIX per test run, whose fonts are linked
# as on a Windows outside Korea (link_korean_font in wine-desktop.sh).
#
#   wine-rig.sh start DIR [WIDTHxHEIGHT[xDEPTH] [METRICS]]
#                                          start the display (24 bits a
#                                          pixel unless DEPTH is given),
#                                          create the prefix in DIR (an
#                                          absolute path; 64-bit programs);
#                                          non-zero unless ready. METRICS:
#                                          classic (Wine's defaults) or
#                                          themed (a themed Windows':
#                                          scripts/wine-desktop.sh)
#   wine-rig.sh start32 DIR [WIDTHxHEIGHT [METRICS]]
#                                          the same for 32-bit programs: the
#                                          i386 Wine under qemu, set up by
#                                          scripts/setup-wine32.sh, and a
#                                          copy of its ready prefix
#   wine-rig.sh run DIR PROGRAM [ARGS...]  run a Windows program in a fresh
#                                          working directory under DIR, the
#                                          metrics named in KIVRANO_METRICS
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
. "$(dirname "$0")/../../scripts/wine-desktop.sh"

command=${1:-}
dir=${2:-}
[ -n "$command" ] && [ -n "$dir" ] || { echo "usage: $0 start|start32|run|pipe|env|stop DIR ..." >&2; exit 2; }

bits() { if [ -e "$dir/i386" ]; then echo 32; else echo 64; fi; }
rig_env() {
    export DISPLAY=":$(cat "$dir/display")"
    use_wine "$dir/prefix" "$(bits)"
    export KIVRANO_METRICS="$(cat "$dir/metrics" 2>/dev/null || echo classic)"
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
    "$0" stop "$dir" >/dev/null 2>&1
    rm -rf "$dir"
    mkdir -p "$dir" || fail "cannot create $dir"
    if [ "$command" = start32 ]; then
        "$(dirname "$0")/../../scripts/setup-wine32.sh" || fail "the 32-bit Wine could not be set up"
        touch "$dir/i386"
        copy_ready_prefix32 "$dir/prefix"
    fi
    start_desktop "$dir" "${3:-1024x768}" >"$dir/desktop.log" || fail "$(cat "$dir/desktop.log")"
    rig_env
    # Create the prefix once (or bring the copy up), then keep one wineserver
    # running for the tests, in the foreground of its own session so that its
    # id is known.
    "$WINE64" wineboot -i >"$dir/wineboot.log" 2>&1 </dev/null ||
        fail "wineboot failed: $(cat "$dir/wineboot.log")"
    "$WINESERVER" -w
    setsid "$WINESERVER" -f -p >"$dir/wineserver.log" 2>&1 </dev/null &
    echo $! >"$dir/wineserver.pid"
    wait_until listening "$(cat "$dir/wineserver.pid")" ||
        fail "wineserver is not serving: $(cat "$dir/wineserver.log")"
    # In the registry of the wineserver the tests use, before any of them.
    metrics=${4:-classic}
    set_window_metrics "$metrics" >"$dir/metrics.log" 2>&1 || fail "$(cat "$dir/metrics.log")"
    echo "$metrics" >"$dir/metrics"
    # Korean text in the dialog font, as on a Windows outside Korea.
    link_korean_font || fail "the Korean font link could not be set"
    if [ "$(bits)" = 32 ]; then
        # The first 32-bit program starts Wine's services along with it; here
        # they start with a program whose output is a file.
        "$WINE" cmd /c exit >"$dir/first32.log" 2>&1 </dev/null
    fi
    echo "wine rig ready: display :$(cat "$dir/display"), prefix $WINEPREFIX, $metrics window metrics"
    ;;
run | pipe)
    shift 2
    [ -s "$dir/display" ] || { echo "the wine rig is not started in $dir" >&2; exit 1; }
    rig_env
    work=$(mktemp -d "$dir/run.XXXXXX")
    cd "$work" || exit 1
    export KIVRANO_TEST_DIR="$work"
    if [ "$(bits)" = 32 ]; then
        # Named as it starts, so that a test log shows which 32-bit program ran.
        echo "32-bit: $1 ($(x86_64-w64-mingw32-objdump -f "$1" | grep -o 'file format.*')) under qemu-i386," \
            "$KIVRANO_METRICS window metrics" >&2
    fi
    [ "$command" = pipe ] && exec "$WINE" "$@"
    # Wine's service processes (explorer, services) may start with this
    # program and outlive it: they inherit a file, never the caller's pipe.
    "$WINE" "$@" </dev/null >"$work/output.txt" 2>&1
    status=$?
    cat "$work/output.txt"
    exit $status
    ;;
env)
    rig_env
    echo "export DISPLAY=$DISPLAY WINEPREFIX=$WINEPREFIX WINEDLLOVERRIDES=\"$WINEDLLOVERRIDES\""
    echo "export WINEDEBUG=$WINEDEBUG WINE=$WINE KIVRANO_METRICS=$KIVRANO_METRICS"
    if [ "$(bits)" = 32 ]; then echo "export WINEDLLPATH=$WINEDLLPATH"; fi
    ;;
stop)
    if [ -d "$dir/prefix" ]; then
        WINEPREFIX="$dir/prefix" "$WINESERVER" -k >/dev/null 2>&1
    fi
    if [ -s "$dir/wineserver.pid" ]; then
        kill "$(cat "$dir/wineserver.pid")" 2>/dev/null
        rm -f "$dir/wineserver.pid"
    fi
    stop_desktop "$dir"
    rm -rf "$dir"/run.*
    echo "wine rig stopped"
    ;;
*)
    echo "unknown command $command" >&2
    exit 2
    ;;
esac
