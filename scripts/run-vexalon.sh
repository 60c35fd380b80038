#!/usr/bin/env bash
# Starts the program on the user's desktop, or says why it cannot.
set -euo pipefail
program=$1
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No desktop display found (DISPLAY and WAYLAND_DISPLAY are unset)."
  echo "Start Vexalon from a desktop session: $program"
  exit 1
fi
exec "$program"
