#!/usr/bin/env bash
# Fails when a shipped binary imports anything but Windows system DLLs: the module and
# the tools must load on a machine that has no MinGW runtime.
set -euo pipefail
objdump=${OBJDUMP:-x86_64-w64-mingw32-objdump}
allowed='^(kernel32|user32|gdi32|advapi32|version|shell32|ole32|oleaut32|comdlg32|comctl32|winmm|ws2_32|msvcrt|ntdll|bcrypt|shlwapi|uxtheme|dwmapi|imm32|api-ms-win-[a-z0-9-]+)\.dll$'
status=0
for binary in "$@"; do
  imports=$("$objdump" -p "$binary" | sed -n 's/^[[:space:]]*DLL Name: //p')
  if [ -z "$imports" ]; then
    echo "$binary: no import table found" >&2
    status=1
  fi
  for dll in $imports; do
    if ! echo "$dll" | tr 'A-Z' 'a-z' | grep -Eq "$allowed"; then
      echo "$binary imports non-system DLL $dll" >&2
      status=1
    fi
  done
  echo "$binary: $(echo $imports)"
done
exit $status
