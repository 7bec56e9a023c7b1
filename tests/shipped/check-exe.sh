#!/bin/bash
# Checks a shipped 32-bit exe's headers (tests/shipped.cmake runs it on both):
# PE32 for i386 with the expected subsystem; Windows 2000 (5.0) as the OS
# and subsystem version; loaded at a random address (with the .reloc
# section that takes), data never executed, and the game aware of terminal
# servers; every import from a DLL that Windows always takes from its own
# folder (KnownDLLs; and the C runtime), and listed in IMPORT_LIST for
# Windows 2000 or older. winmm and comctl32 may be found beside the exe
# first, so the game loads them itself.
#   check-exe.sh EXE gui|console IMPORT_LIST
set -u
exe=$1
want=$2
list=$3
objdump=i686-w64-mingw32-objdump
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

[ -f "$exe" ] || { echo "FAIL: $exe does not exist"; exit 1; }
name=$(basename "$exe")
headers=$($objdump -p "$exe")
field() { awk -v field="$1" '$1 == field { print $2 }' <<<"$headers"; }

grep -q 'file format pei-i386' <<<"$headers" || fail "$name is not a PE file for i386"
grep -q 'Magic.*(PE32)' <<<"$headers" || fail "$name is not PE32"
case $want in
    gui) grep -q 'Subsystem.*(Windows GUI)' <<<"$headers" || fail "$name should have the GUI subsystem" ;;
    console) grep -q 'Subsystem.*(Windows CUI)' <<<"$headers" ||
                 fail "$name should have the console subsystem" ;;
esac

for version in OSystemVersion SubsystemVersion; do
    got="$(field Major$version).$(field Minor$version)"
    [ "$got" = 5.0 ] || fail "$name: $version expected 5.0 (Windows 2000), got $got"
done

flags="DYNAMIC_BASE NX_COMPAT"
[ "$want" = gui ] && flags="$flags TERMINAL_SERVICE_AWARE"
for flag in $flags; do
    grep -Eq "^\s+$flag\$" <<<"$headers" || fail "$name: DllCharacteristics lack $flag"
done
$objdump -h "$exe" | grep -q ' \.reloc ' || fail "$name has no .reloc section: it cannot be moved"
grep -q 'relocations stripped' <<<"$headers" && fail "$name: its header says its relocations are stripped"

# Every import as "dll function", the DLL in lower case without ".dll".
imports=$(awk '/DLL Name:/ { dll = tolower($3); sub(/\.dll$/, "", dll) }
               /^\t[0-9a-f]+\t +[0-9]+ +[^ ]/ { print dll, $3 }' <<<"$headers" | sort -u)
[ -n "$imports" ] || fail "$name imports nothing"
system_dlls=' kernel32 user32 gdi32 advapi32 shell32 msvcrt '
newer=' XP 2003 Vista 7 8 8.1 10 11 '
while read -r dll function; do
    [[ $system_dlls == *" $dll "* ]] || fail "$name imports from $dll.dll, not one of:$system_dlls"
    version=$(awk -v dll="$dll" -v name="$function" '$1 == dll && $2 == name { print $3 }' "$list")
    if [ -z "$version" ]; then
        fail "$name imports $dll $function, which $(basename "$list") does not list"
    elif [[ $newer == *" $version "* ]]; then
        fail "$name imports $dll $function, listed for Windows $version: newer than 2000"
    elif [ "$version" != 2000 ]; then
        fail "$name imports $dll $function, listed for an unknown Windows '$version'"
    fi
done <<<"$imports"

echo "$name: $(stat -c %s "$exe") bytes," \
    "OS and subsystem $(field MajorOSystemVersion).$(field MinorOSystemVersion)," \
    "DllCharacteristics $(field DllCharacteristics), $(wc -l <<<"$imports") imports from" \
    "$(awk '{ print $1 }' <<<"$imports" | sort -u | tr '\n' ' ')"
[ $failures -eq 0 ]
