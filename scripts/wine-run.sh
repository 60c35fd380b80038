#!/usr/bin/env bash
# Runs a Windows program under Wine in the prefix named by $WINEPREFIX (a private one
# under the Windows build folder), 64-bit only and quiet: no debug channels, and no offer
# to download Mono or Gecko, which nothing here needs. Used as CTest's emulator too.
set -euo pipefail
: "${WINEPREFIX:?set WINEPREFIX to the Wine prefix to use}"
export WINEPREFIX WINEARCH=win64 WINEDEBUG=${WINEDEBUG:--all} WINEDLLOVERRIDES="mscoree,mshtml="
exec wine "$@"
