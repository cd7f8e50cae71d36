#!/usr/bin/env bash
# Checks that a Windows binary is self-contained (it imports only Windows system DLLs,
# no mingw runtime) and, with --exports, that it exports exactly those plain names.
# Usage: check-tables.sh FILE [--exports NAME...]
set -euo pipefail
file=$1; shift
dump=$(x86_64-w64-mingw32-objdump -p "$file")
status=0

# System DLLs only: the C runtime, kernel, window and GL libraries a Windows PC has.
system_dll='^(kernel32|user32|gdi32|opengl32|advapi32|shell32|msvcrt|ucrtbase|api-ms-win-[a-z0-9-]+)\.dll$'
imports=$(sed -n 's/^\s*DLL Name: //p' <<<"$dump")
echo "$(basename "$file") imports: $(tr '\n' ' ' <<<"$imports")"
while read -r dll; do
  if ! grep -qiE "$system_dll" <<<"$dll"; then
    echo "FAIL: $(basename "$file") imports $dll, which a Windows PC does not have" >&2
    status=1
  fi
done <<<"$imports"

if [ "${1:-}" = --exports ]; then
  shift
  expected=$(printf '%s\n' "$@" | sort)
  # Names of the export table, as "[   0] name" lines after its heading.
  exports=$(sed -n '/^\[Ordinal\/Name Pointer\] Table/,/^$/s/^\s*\[ *[0-9]*\] //p' <<<"$dump" | sort)
  echo "$(basename "$file") exports: $(tr '\n' ' ' <<<"$exports")"
  if [ "$exports" != "$expected" ]; then
    echo "FAIL: $(basename "$file") exports differ from: $(tr '\n' ' ' <<<"$expected")" >&2
    status=1
  fi
fi
exit $status
