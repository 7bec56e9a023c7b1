#!/bin/sh
# Portable code must never include <windows.h>: rules/, ai/, settings/ and
# every view/ file that is not a *_win32 file. The rules sit below the view:
# nothing in rules/ includes a view/ header (repaints go through platform/).
cd "$(dirname "$0")/../.." || exit 2
status=0
files=$(ls rules/* ai/* settings/* view/* 2>/dev/null | grep -E '\.(h|cpp)$' | grep -v '_win32\.')
bad=$(grep -il '#include *<windows.h>' $files)
if [ -n "$bad" ]; then
    echo "portable files including <windows.h>:"; echo "$bad"; status=1
fi
upward=$(grep -l '#include *"\(view\|app\)/' rules/*.h rules/*.cpp)
if [ -n "$upward" ]; then
    echo "rules/ files including view/ or app/ headers:"; echo "$upward"; status=1
fi
[ $status -eq 0 ] && echo "$(echo $files | wc -w) portable files, none includes <windows.h>; rules/ includes no view/"
exit $status
