#!/bin/bash
# The Wine rig for the Win32 tests: a private Xvfb display and one fresh
# WINEPREFIX per test run.
#
#   wine-rig.sh start DIR [WIDTHxHEIGHT]   start Xvfb, create the prefix in DIR
#   wine-rig.sh run DIR PROGRAM [ARGS...]  run a Windows program in a fresh
#                                          working directory under DIR
#   wine-rig.sh env DIR                    print the environment to use the rig
#   wine-rig.sh stop DIR                   stop wineserver and Xvfb
#
# Every process the rig starts is stopped by its own id (Xvfb) or by
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

case "$command" in
start)
    screen=${3:-1024x768}
    "$0" stop "$dir" >/dev/null 2>&1
    rm -rf "$dir"
    mkdir -p "$dir"
    # -displayfd picks a free display number and writes it to fd 3.
    setsid Xvfb -displayfd 3 -screen 0 "${screen}x24" -nolisten tcp \
        3>"$dir/display" >"$dir/xvfb.log" 2>&1 </dev/null &
    echo $! >"$dir/xvfb.pid"
    for _ in $(seq 1 100); do
        [ -s "$dir/display" ] && break
        sleep 0.1
    done
    [ -s "$dir/display" ] || { echo "Xvfb did not start:"; cat "$dir/xvfb.log"; exit 1; }
    sed -i 's/[^0-9]//g' "$dir/display"
    rig_env
    # Create the prefix once, then keep wineserver running for the tests.
    "$WINE" wineboot -i >"$dir/wineboot.log" 2>&1 </dev/null
    "$WINESERVER" -w
    setsid "$WINESERVER" -p >"$dir/wineserver.log" 2>&1 </dev/null
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
    echo "export DISPLAY=$DISPLAY WINEPREFIX=$WINEPREFIX WINEDLLOVERRIDES=\"$WINEDLLOVERRIDES\" WINEDEBUG=$WINEDEBUG"
    ;;
stop)
    if [ -d "$dir/prefix" ]; then
        WINEPREFIX="$dir/prefix" "$WINESERVER" -k >/dev/null 2>&1
    fi
    if [ -s "$dir/xvfb.pid" ]; then
        kill "$(cat "$dir/xvfb.pid")" 2>/dev/null
        rm -f "$dir/xvfb.pid"
    fi
    rm -rf "$dir"/run.*
    echo "wine rig stopped"
    ;;
*)
    echo "unknown command $command" >&2
    exit 2
    ;;
esac
