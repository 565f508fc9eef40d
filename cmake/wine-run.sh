#!/usr/bin/env bash
# Runs a Windows program of a Windows build under wine: the emulator CMake and CTest put
# before every test program, as `wine-run.sh ARCH PROGRAM ARGS...` with ARCH win32 or
# win64. The wine prefix is a folder of the build tree (made on first use), and one
# wineserver stays up for it (-p) while programs come and go, so that each starts in a
# fraction of a second.
set -euo pipefail
arch=$1
shift
program=$1
build=$(cd "$(dirname "$program")/.." && pwd)
export WINEPREFIX=${WINEPREFIX:-$build/wine} WINEARCH=$arch WINEDEBUG=${WINEDEBUG:--all}
# A 64-bit prefix is made and served by the 64-bit wine alone: where the 32-bit half
# cannot start, the wrappers that prefer it would fail.
wine=wine wineserver=wineserver
if [ "$arch" = win64 ] && [ -x /usr/lib/wine/wine64 ]; then
  wine=/usr/lib/wine/wine64 wineserver=/usr/lib/wine/wineserver64
  export WINELOADER=$wine WINESERVER=$wineserver
fi
# No .NET or HTML engine: nothing here needs them, and wine would offer to fetch them.
export WINEDLLOVERRIDES="mscoree,mshtml="
mkdir -p "$WINEPREFIX"
# The wineserver and the prefix's background programs outlive this script: they start
# here, away from the program's output, whose readers wait for every writer to close it.
# Test programs may start side by side: one makes the prefix or starts the server, the
# others wait for it.
(
  flock 9
  # What starts here must not hold the lock (descriptor 9) after the script is gone.
  if [ ! -e "$WINEPREFIX/.made" ]; then
    "$wineserver" -p300 9>&- || true
    "$wine" wineboot -i 9>&-
    touch "$WINEPREFIX/.made"
  elif "$wineserver" -p300 9>&-; then  # exits 2 when a server is up already
    "$wine" wineboot 9>&-
  fi
) 9>"$build/wine.lock" </dev/null >/dev/null 2>&1
# A console program's text-mode standard output ends lines with "\r\n"; the readers of
# test output (CTest, GoogleTest's test discovery) expect "\n".
"$wine" "$@" | tr -d '\r'
