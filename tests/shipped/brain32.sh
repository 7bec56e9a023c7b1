#!/bin/bash
# The shipped 32-bit brain as one command, for converse.sh: runs
# KIVRANO_BRAIN_EXE on the 32-bit Wine rig in KIVRANO_RIG_DIR, talking
# through this script's standard input and output.
exec "$(dirname "$0")/../win32/wine-rig.sh" pipe "$KIVRANO_RIG_DIR" "$KIVRANO_BRAIN_EXE"
