#!/usr/bin/env bash
# Runs the Windows build's tests under Wine: the Qt-free tests with the transfers in
# simulated time, the serial link and the command line end to end against the simulated
# radio, and the installer. Each test runs once.
# Usage: windows-test.sh WINDOWS_BUILD LINUX_BUILD (both built; WINDOWS_BUILD packed by
# package-windows.sh)
# The Wine prefix is private to the Windows build folder; one wineserver serves every run.
set -euo pipefail
cd "$(dirname "$0")/.."
windows_build=$(realpath "$1")
linux_build=$(realpath "$2")
export WINEPREFIX=$windows_build/wineprefix

if [ ! -d "$WINEPREFIX/drive_c" ]; then
  scripts/wine-run.sh wineboot --init >"$windows_build/wineboot.log" 2>&1
fi

# COM29 leads to the link the serial tests make to the simulated radio (wine_serial_test.cpp).
# Wine maps a port named under Software\Wine\Ports when its wineserver starts, and enters
# it into the serial-port map as Windows' serial driver does. It installs no Plug and Play
# device for its ports, so the prefix gets the device entry that Windows' ports class
# installer writes for a serial port, from which the port list takes the port's name.
reg_add() { scripts/wine-run.sh reg add "$@" /f >/dev/null; }
reg_add 'HKLM\Software\Wine\Ports' /v COM29 /t REG_SZ /d "$WINEPREFIX/radio-pty"
radio_device='HKLM\System\CurrentControlSet\Enum\ROOT\PORTS\0000'
reg_add "$radio_device" /v Class /t REG_SZ /d Ports
reg_add "$radio_device" /v ClassGUID /t REG_SZ /d '{4d36e978-e325-11ce-bfc1-08002be10318}'
reg_add "$radio_device" /v DeviceDesc /t REG_SZ /d 'Communications Port'
reg_add "$radio_device" /v FriendlyName /t REG_SZ /d 'Communications Port (COM29)'
reg_add "$radio_device\Device Parameters" /v PortName /t REG_SZ /d COM29
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
VEXALON_SERIAL_PROBE=$windows_build/tests/serial_probe.exe \
  VEXALON_CLI=$windows_build/Vexalon/vexalon-cli.exe "$linux_build/tests/wine_serial_test"

scripts/windows-installer-test.sh "$windows_build"/vexalon-*-setup.exe
