#!/bin/bash
# Runs the tests of the coverage builds and prints their line and branch
# coverage (scripts/coverage_report.py). `make coverage` configures and
# builds them first. Usage: coverage.sh NATIVE_BUILD WIN64_BUILD [JOBS]
#
# Native: the unit tests, the brain's conversations and the assets check.
# Win32: the win64 build's test programs under wine64, on the rigs the
# native build's CTest starts for them; the end-to-end game and the shipped
# 32-bit checks stay out. Every program adds its counts to the .gcda files
# beside its objects when it exits, at the absolute Unix paths compiled in.
# Wine takes a path that starts with / for a Unix path and opens it on the
# drive that holds it (Z:, the whole Unix tree), whatever the current drive:
# the Win32 counts land in the win64 build with no GCOV_PREFIX.
set -u
native=$1
win64=$2
jobs=${3:-2}
here=$(dirname "$0")

# No counts from earlier runs, nor from the build listing the unit tests.
find "$native" "$win64" -name '*.gcda' -delete

status=0
# CTest's closing lines, and where its whole output is.
run_tests() {
    local log=$1
    shift
    (cd "$native" && ctest --output-on-failure "$@") >"$native/$log" 2>&1 || status=1
    sed -n '/tests passed/,$p' "$native/$log"
    echo "(all of it in $native/$log)"
}
echo "== native tests"
run_tests coverage-native-tests.log -j "$jobs" -E '^(wine_rig|win32\.|e2e\.)'
echo "== Win32 test programs under wine64"
run_tests coverage-win32-tests.log -R '^win32\.'

python3 "$here/coverage_report.py" "$here/.." "$native" "$win64" || status=1
if [ $status -ne 0 ]; then echo "coverage: a test or the report failed; the figures count what ran"; fi
exit $status
