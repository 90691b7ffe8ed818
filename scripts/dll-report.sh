#!/usr/bin/env bash
# Prints each DLL's size, imported DLLs and exports, and fails when a DLL
# imports anything but Windows system DLLs and our own.
# usage: dll-report.sh [folder]   (default: build/win32/bin)
set -euo pipefail
folder="${1:-$(dirname "$0")/../build/win32/bin}"
objdump="${OBJDUMP:-i686-w64-mingw32-objdump}"

ours="trovemark.dll hintory.dll orlenta.dll parlobox.dll"
system="kernel32.dll user32.dll gdi32.dll advapi32.dll shell32.dll shlwapi.dll ole32.dll oleaut32.dll
        comctl32.dll comdlg32.dll wininet.dll msvcrt.dll ws2_32.dll uxtheme.dll winmm.dll version.dll"

status=0
shopt -s nullglob
dlls=("$folder"/*.dll)
[ "${#dlls[@]}" -gt 0 ] || { echo "dll-report: no DLL in $folder" >&2; exit 1; }
for dll in "${dlls[@]}"; do
    dump="$("$objdump" -p "$dll")"
    printf '%s  %s bytes\n' "$(basename "$dll")" "$(stat -c %s "$dll")"
    imports="$(sed -n 's/^\s*DLL Name: //p' <<<"$dump")"
    for import in $imports; do
        lower="${import,,}"
        if [[ " $ours " == *" $lower "* || " $(echo $system) " == *" $lower "* ]]; then
            echo "  imports $import"
        else
            echo "  imports $import   <-- not a system DLL nor ours"
            status=1
        fi
    done
    # The name table lists "[ordinal] name" rows after its heading.
    sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' <<<"$dump" | sed -n 's/^\s*\[\s*[0-9]*\]\s*/  exports /p'
done
exit $status
