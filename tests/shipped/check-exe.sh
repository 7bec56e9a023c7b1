#!/bin/bash
# Checks a shipped 32-bit exe's headers (tests/shipped.cmake also runs it):
# PE32 for i386, the expected subsystem, and imports from the
# DLLs that come with Windows only.
#   check-exe.sh EXE gui|console
set -u
exe=$1
want=$2
objdump=i686-w64-mingw32-objdump
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

[ -f "$exe" ] || { echo "FAIL: $exe does not exist"; exit 1; }
headers=$($objdump -p "$exe")

grep -q 'file format pei-i386' <<<"$headers" || fail "$exe is not a PE file for i386"
grep -q 'Magic.*(PE32)' <<<"$headers" || fail "$exe is not PE32"
case $want in
    gui) grep -q 'Subsystem.*(Windows GUI)' <<<"$headers" || fail "$exe should have the GUI subsystem" ;;
    console) grep -q 'Subsystem.*(Windows CUI)' <<<"$headers" || fail "$exe should have the console subsystem" ;;
esac

# DLLs every Windows installation has.
system_dlls='^(kernel32|user32|gdi32|comctl32|winmm|msvcrt|advapi32|shell32)\.dll$'
imports=$(sed -n 's/.*DLL Name: //p' <<<"$headers" | tr 'A-Z' 'a-z' | sort -u)
[ -n "$imports" ] || fail "$exe imports nothing"
for dll in $imports; do
    grep -Eq "$system_dlls" <<<"$dll" || fail "$exe imports $dll, which does not come with Windows"
done

echo "$(basename "$exe"): $(stat -c %s "$exe") bytes, imports: $(echo $imports)"
[ $failures -eq 0 ]
