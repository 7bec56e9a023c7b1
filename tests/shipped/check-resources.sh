#!/bin/bash
# Checks the resources of the shipped game without running it: the menu,
# the two dialogs and the icon under the Korean language (1042), and the
# About box's version line.
#   check-resources.sh Kivrano.exe VERSION
set -u
exe=$1
version=$2
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

listing=$(wrestool -l "$exe" 2>&1)
expect() {  # type name
    grep -Eq -- "--type=$1 --name='?$2'? --language=1042" <<<"$listing" ||
        fail "no resource of type $1 named $2 in language 1042"
}
expect 4 KIVRANO       # menu
expect 5 ABOUTBOX      # dialog
expect 5 SSANGSAMBOX   # dialog
expect 14 KIVRANO      # icon group

hex() { od -An -tx1 -v | tr -d ' \n'; }
utf16() { printf '%s' "$1" | iconv -f UTF-8 -t UTF-16LE | hex; }
about=$(wrestool -x --raw --type=5 --name=ABOUTBOX "$exe" 2>/dev/null | hex)
grep -q "$(utf16 "Kivrano     Version $version")" <<<"$about" ||
    fail "the About box does not carry the version line"
warning=$(wrestool -x --raw --type=5 --name=SSANGSAMBOX "$exe" 2>/dev/null | hex)
grep -q "$(utf16 '쌍 삼 입 니 다')" <<<"$warning" ||
    fail "the double-three warning does not carry its Korean text as UTF-16"

echo "$(basename "$exe"): $(grep -c -- '--type' <<<"$listing") resources listed"
[ $failures -eq 0 ]
