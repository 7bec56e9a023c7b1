#!/bin/bash
# Checks the resources of a shipped exe without running it. Both exes: a
# version resource in Korean (1042, like the game's others) whose numbers
# and texts carry VERSION and the exe's own file name. The game also: the
# menu, the two dialogs and the icon under 1042; the About box's version
# line; the double-three warning's Korean text as UTF-16 (that its font
# draws Hangul is checked in tests/win32/warning_font_test.cpp).
#   check-resources.sh EXE VERSION game|engine
set -u
exe=$1
version=$2
kind=$3
name=$(basename "$exe")
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

listing=$(wrestool -l "$exe" 2>&1)
has() { grep -Eq -- "--type=$1 --name='?$2'? --language=1042" <<<"$listing"; }
expect() {  # type name
    has "$1" "$2" || fail "$name: no resource of type $1 named $2 in language 1042"
}
hex() { od -An -tx1 -v | tr -d ' \n'; }
utf16() { printf '%s' "$1" | iconv -f UTF-8 -t UTF-16LE | hex; }
le16() { printf '%02x%02x' $(($1 & 255)) $(($1 >> 8)); }

# The version resource (type 16). Its strings decoded, one a line: each
# key's line is followed by its value's.
raw_version() { wrestool -x --raw --type=16 "$exe" 2>/dev/null; }
strings=$(raw_version | iconv -f UTF-16LE -t UTF-8 -c | tr -s '\000' '\n')
value() {
    awk -v key="$1" 'found { print; exit } substr($0, length($0) - length(key) + 1) == key { found = 1 }' \
        <<<"$strings"
}
expect 16 1
if has 16 1; then
    info=$(raw_version | hex)
    # VS_FIXEDFILEINFO: signature and structure version, then the file's and
    # the product's version as major.minor.0.0.
    major=${version%%.*}
    minor=${version#*.}
    numbers="$(le16 "$minor")$(le16 "$major")00000000"
    grep -q "bd04effe00000100${numbers}${numbers}" <<<"$info" ||
        fail "$name: the version resource's file and product numbers are not $major.$minor.0.0"
    for field in "ProductName=Kivrano" "FileVersion=$version" "ProductVersion=$version" \
                 "OriginalFilename=$name"; do
        got=$(value "${field%%=*}")
        [ "$got" = "${field#*=}" ] ||
            fail "$name: version string ${field%%=*} expected '${field#*=}', got '$got'"
    done
    [ -n "$(value FileDescription)" ] || fail "$name: the version resource has no FileDescription"
    grep -q "$(utf16 041204B0)" <<<"$info" ||
        fail "$name: the version strings are not in the block 041204B0 (Korean, Unicode)"
    # The key, its ending zero and two bytes of padding, then 0x0412 and 1200.
    grep -q "$(utf16 Translation)000000001204b004" <<<"$info" ||
        fail "$name: the version resource's Translation is not Korean (0x0412), Unicode (1200)"
fi

if [ "$kind" = game ]; then
    expect 4 KIVRANO       # menu
    expect 5 ABOUTBOX      # dialog
    expect 5 SSANGSAMBOX   # dialog
    expect 14 KIVRANO      # icon group

    about=$(wrestool -x --raw --type=5 --name=ABOUTBOX "$exe" 2>/dev/null | hex)
    grep -q "$(utf16 "Kivrano     Version $version")" <<<"$about" ||
        fail "the About box does not carry the version line"
    warning=$(wrestool -x --raw --type=5 --name=SSANGSAMBOX "$exe" 2>/dev/null | hex)
    grep -q "$(utf16 '쌍 삼 입 니 다')" <<<"$warning" ||
        fail "the double-three warning does not carry its Korean text as UTF-16"
fi

echo "$name: $(grep -c -- '--type' <<<"$listing") resources listed, version $(value FileVersion)," \
    "\"$(value FileDescription)\""
[ $failures -eq 0 ]
