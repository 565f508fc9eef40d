#!/usr/bin/env bash
# The shared library LIB exports exactly the names of its interface, listed one a line
# in LIST (written by the build from the library's header), nothing else. An ELF library is read with nm; a Windows DLL's
# export table with objdump -p (OBJDUMP names the cross tool), and its imports must come
# from the system's C runtime and kernel and the components' DLLs only.
set -euo pipefail
lib=$1
expected=$(LC_ALL=C sort -u "$2")
case "$lib" in
*.dll)
  table=$("${OBJDUMP:-objdump}" -p "$lib")
  # "[Ordinal/Name Pointer] Table" lists one "[ n] name" line per exported name.
  actual=$(awk '/^\[Ordinal\/Name Pointer\] Table/ { t = 1; next }
                t && /^[[:space:]]*\[/ { print $NF; next }
                { t = 0 }' <<<"$table" | LC_ALL=C sort -u)
  imports=$(awk '/DLL Name:/ { print $3 }' <<<"$table" | LC_ALL=C sort -u)
  strange=$(grep -Eiv '^(kernel32|msvcrt|libzorna[a-z_]+)\.dll$' <<<"$imports" || true)
  if [ -n "$strange" ]; then
    echo "the DLL imports from outside the system runtime and the components:"
    echo "$strange"
    exit 1
  fi
  ;;
*)
  actual=$(nm -D --defined-only "$lib" | awk '{print $3}' | sed 's/@.*//' | grep -v '^LIBZORNAVX_CMDSYN_1$' |
    LC_ALL=C sort -u)
  ;;
esac
if [ "$actual" != "$expected" ]; then
  echo "exports differ from the interface (< expected, > exported):"
  diff <(echo "$expected") <(echo "$actual") || true
  exit 1
fi
echo "exports: $(echo "$actual" | wc -l) names, as expected"
