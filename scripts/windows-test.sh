#!/usr/bin/env bash
# Runs the Windows build's tests under Wine: the Qt-free tests, the serial link end to end
# against the simulated radio, and the installer. Usage: windows-test.sh WINDOWS_BUILD LINUX_BUILD
# (both built; WINDOWS_BUILD packed by package-windows.sh)
# The Wine prefix is private to the Windows build folder; one wineserver serves every run.
set -euo pipefail
cd "$(dirname "$0")/.."
windows_build=$(realpath "$1")
linux_build=$(realpath "$2")
export WINEPREFIX=$windows_build/wineprefix

if [ ! -d "$WINEPREFIX/drive_c" ]; then
  scripts/wine-run.sh wineboot --init >"$windows_build/wineboot.log" 2>&1
fi
wineserver -k 2>/dev/null || true
# Root may open a device that another program holds exclusively; the wineserver, which
# opens devices for Windows programs, must not, or a port in use would look free.
as_user=()
[ "$(id -u)" -ne 0 ] || as_user=(setpriv --bounding-set -sys_admin --inh-caps -sys_admin)
"${as_user[@]}" wineserver -p </dev/null >/dev/null 2>>"$windows_build/wineserver.log"
trap 'wineserver -k 2>/dev/null || true' EXIT

# One program at a time: two first starts in a fresh wineserver session can hang each other.
scripts/wine-run.sh cmd /c exit
(cd "$windows_build" && ctest --output-on-failure -j 1)

cmake --build "$linux_build" --target wine_serial_test
VEXALON_SERIAL_PROBE=$windows_build/tests/serial_probe.exe "$linux_build/tests/wine_serial_test"

scripts/windows-installer-test.sh "$windows_build"/vexalon-*-setup.exe
