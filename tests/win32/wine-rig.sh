#!/bin/bash
# The Wine rig for the Win32 tests: a private Xvfb display and one fresh
# WINEPREFIX per test run.
#
#   wine-rig.sh start DIR [WIDTHxHEIGHT]   start Xvfb, create the prefix in DIR (an
#                                          absolute path); non-zero unless ready
#   wine-rig.sh run DIR PROGRAM [ARGS...]  run a Windows program in a fresh
#                                          working directory under DIR
#   wine-rig.sh env DIR                    print the environment to use the rig
#   wine-rig.sh stop DIR                   stop wineserver and Xvfb
#
# Every process the rig starts is stopped by its own id (Xvfb, wineserver) or by
# `wineserver -k` for this prefix, never by name. Output of Xvfb, wineboot
# and wineserver goes to files in DIR, never to a pipe a harness waits on.
set -u
WINE=/usr/lib/wine/wine64
WINESERVER=/usr/lib/wine/wineserver

command=${1:-}
dir=${2:-}
[ -n "$command" ] && [ -n "$dir" ] || { echo "usage: $0 start|run|env|stop DIR ..." >&2; exit 2; }

rig_env() {
    export DISPLAY=":$(cat "$dir/display")"
    export WINEPREFIX="$dir/prefix"
    export WINEDLLOVERRIDES="mscoree,mshtml="
    export WINEDEBUG=-all
    export WINEARCH=win64
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
start)
    # Wine wants an absolute WINEPREFIX; a relative one would leave no server.
    case "$dir" in
    /*) ;;
    *) fail "DIR must be an absolute path, got '$dir'" ;;
    esac
    screen=${3:-1024x768}
    "$0" stop "$dir" >/dev/null 2>&1
    rm -rf "$dir"
    mkdir -p "$dir" || fail "cannot create $dir"
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
    # Create the prefix once, then keep one wineserver running for the tests,
    # in the foreground of its own session so that its id is known.
    "$WINE" wineboot -i >"$dir/wineboot.log" 2>&1 </dev/null ||
        fail "wineboot failed: $(cat "$dir/wineboot.log")"
    "$WINESERVER" -w
    setsid "$WINESERVER" -f -p >"$dir/wineserver.log" 2>&1 </dev/null &
    echo $! >"$dir/wineserver.pid"
    for _ in $(seq 1 50); do
        listening "$(cat "$dir/wineserver.pid")" && break
        sleep 0.1
    done
    listening "$(cat "$dir/wineserver.pid")" || fail "wineserver is not serving: $(cat "$dir/wineserver.log")"
    echo "wine rig ready: display :$(cat "$dir/display"), prefix $WINEPREFIX"
    ;;
run)
    shift 2
    [ -s "$dir/display" ] || { echo "the wine rig is not started in $dir" >&2; exit 1; }
    rig_env
    work=$(mktemp -d "$dir/run.XXXXXX")
    cd "$work" || exit 1
    export KIVRANO_TEST_DIR="$work"
    # Wine's service processes (explorer, services) may start with this
    # program and outlive it: they inherit a file, never the caller's pipe.
    "$WINE" "$@" </dev/null >"$work/output.txt" 2>&1
    status=$?
    cat "$work/output.txt"
    exit $status
    ;;
env)
    rig_env
    echo "export DISPLAY=$DISPLAY WINEPREFIX=$WINEPREFIX" \
        "WINEDLLOVERRIDES=\"$WINEDLLOVERRIDES\" WINEDEBUG=$WINEDEBUG"
    ;;
stop)
    if [ -d "$dir/prefix" ]; then
        WINEPREFIX="$dir/prefix" "$WINESERVER" -k >/dev/null 2>&1
    fi
    for program in wineserver xvfb; do
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
