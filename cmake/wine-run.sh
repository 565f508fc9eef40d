#!/usr/bin/env bash
# Runs a Windows program of the win32 build under wine: the emulator CMake and CTest put
# before every test program. The wine prefix is a folder of the build tree (made on
# first use), and one wineserver stays up for it (-p) while programs come and go, so
# that each starts in a fraction of a second.
set -euo pipefail
program=$1
build=$(cd "$(dirname "$program")/.." && pwd)
export WINEPREFIX=${WINEPREFIX:-$build/wine} WINEARCH=win32 WINEDEBUG=${WINEDEBUG:--all}
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
    wineserver -p300 9>&- || true
    wineboot -i 9>&-
    touch "$WINEPREFIX/.made"
  elif wineserver -p300 9>&-; then  # exits 2 when a server is up already
    wineboot 9>&-
  fi
) 9>"$build/wine.lock" </dev/null >/dev/null 2>&1
# A console program's text-mode standard output ends lines with "\r\n"; the readers of
# test output (CTest, GoogleTest's test discovery) expect "\n".
wine "$@" | tr -d '\r'
