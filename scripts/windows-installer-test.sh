#!/usr/bin/env bash
# The installer under Wine on a virtual screen: a silent install puts the program and its
# Start-menu entry in place, the installed program shows its window, and a silent uninstall
# leaves nothing behind. Usage: windows-installer-test.sh SETUP_EXE (WINEPREFIX set, and a
# wineserver running). Leaves a screenshot of the window beside the installer.
set -euo pipefail
cd "$(dirname "$0")/.."
setup=$(realpath "$1")
folder="$WINEPREFIX/drive_c/Program Files/Vexalon"
entry="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Vexalon.lnk"
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Vexalon'

fail() { echo "windows-installer-test: $*" >&2; exit 1; }
# Waits up to 2 minutes for a command to succeed: the first window in a fresh prefix is slow.
wait_for() {
  for _ in $(seq 1200); do "$@" && return 0; sleep 0.1; done
  return 1
}

display_file=$(mktemp)
Xvfb -displayfd 5 -screen 0 1024x768x24 -nolisten tcp 5>"$display_file" 2>/dev/null &
xvfb=$!
cleanup() {
  [ -z "${program:-}" ] || kill "$program" 2>/dev/null || true
  kill "$xvfb" 2>/dev/null || true
  rm -f "$display_file"
}
trap cleanup EXIT
wait_for test -s "$display_file" || fail "Xvfb did not start"
export DISPLAY=:$(cat "$display_file")

scripts/wine-run.sh "$setup" /S
[ -x "$folder/vexalon.exe" ] || fail "no vexalon.exe in $folder"
[ -f "$entry" ] || fail "no Start-menu entry"
scripts/wine-run.sh reg query "$key" >/dev/null || fail "no uninstall entry in the registry"

scripts/wine-run.sh "$folder/vexalon.exe" &
program=$!
wait_for xdotool search --onlyvisible --name '^Vexalon$' >/dev/null || fail "the window did not show"
sleep 1
xwd -root -silent | convert xwd:- "$(dirname "$setup")/installed-window.png"
kill "$program"
wait "$program" 2>/dev/null || true
program=

scripts/wine-run.sh "$folder/uninstall.exe" /S
# The uninstaller runs on from a copy of itself, so its end shows only in what is gone.
wait_for test ! -e "$folder" || fail "the program folder stayed: $(ls -A "$folder")"
[ ! -e "$entry" ] || fail "the Start-menu entry stayed"
! scripts/wine-run.sh reg query "$key" >/dev/null 2>&1 || fail "the uninstall entry stayed"
echo "installer: installed, started and uninstalled cleanly"
