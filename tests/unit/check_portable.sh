#!/bin/sh
# Portable code must never include <windows.h>: rules/, ai/, settings/ and
# every view/ file that is not a *_win32 file.
cd "$(dirname "$0")/../.." || exit 2
files=$(ls rules/* ai/* settings/* view/* 2>/dev/null | grep -E '\.(h|cpp)$' | grep -v '_win32\.')
bad=$(grep -il '#include *<windows.h>' $files)
if [ -n "$bad" ]; then
    echo "portable files including <windows.h>:"; echo "$bad"; exit 1
fi
echo "$(echo $files | wc -w) portable files, none includes <windows.h>"
