#!/usr/bin/env bash
# Installs a Vexalon .deb into a clean, minimal Debian 12 (bookworm) in a chroot and starts
# the program from it. Slow, since it fetches a whole base system: run it by hand or with
# `make deb-check`, not in CI. Needs root. Usage: check-deb-install.sh vexalon_*.deb
set -euo pipefail
[ $# -eq 1 ] && [ -f "$1" ] || { echo "usage: $0 vexalon_VERSION_ARCH.deb" >&2; exit 2; }
[ "$(id -u)" -eq 0 ] || { echo "check-deb-install: needs root (debootstrap, chroot)" >&2; exit 1; }
deb=$(realpath "$1")
mirror=${DEBIAN_MIRROR:-http://deb.debian.org/debian}
"$(dirname "$0")/install-deps.sh" debcheck

root=$(mktemp -d /tmp/vexalon-bookworm.XXXXXX)
# The system's own users (apt's _apt) must reach into it, as into any root folder.
chmod 755 "$root"
mounted=()
cleanup() {
  for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do
    umount "${mounted[i]}" || umount -l "${mounted[i]}"
  done
  # Only once nothing of the host is mounted inside any more.
  if ! grep -q " $root/" /proc/mounts; then
    rm -rf "$root"
  else
    echo "check-deb-install: left $root, something is still mounted there" >&2
  fi
}
trap cleanup EXIT
in_root() { chroot "$root" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root "$@"; }

echo "== debootstrap bookworm (minbase) into $root"
debootstrap --variant=minbase bookworm "$root" "$mirror" >"$root.log" 2>&1 ||
  { tail -20 "$root.log"; exit 1; }
rm -f "$root.log"
mount -t proc proc "$root/proc" && mounted+=("$root/proc")
mount -t devpts -o newinstance,ptmxmode=0666 devpts "$root/dev/pts" && mounted+=("$root/dev/pts")
cp /etc/resolv.conf "$root/etc/resolv.conf"
cp "$deb" "$root/tmp/"

echo "== apt-get install ./$(basename "$deb")"
in_root apt-get update -q >/dev/null
in_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends \
  "/tmp/$(basename "$deb")" 2>&1 |
  grep -E "^(The following NEW|  |Setting up vexalon|[0-9]+ upgraded)"
echo "== libraries of /usr/bin/vexalon not found"
if in_root ldd /usr/bin/vexalon | grep "not found"; then exit 1; fi
echo "(none)"

echo "== QT_QPA_PLATFORM=offscreen timeout 5 vexalon"
status=0
mkdir -m 700 "$root/run/user-0"
in_root env QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=/run/user-0 timeout 5 vexalon || status=$?
if [ "$status" -ne 124 ]; then
  echo "FAILED: vexalon ended by itself with status $status instead of running until stopped"
  exit 1
fi
echo "still running after 5 s, stopped by timeout (status 124): OK"

echo "== vexalon-radiosim --help"
in_root vexalon-radiosim --help
echo "== the installed package starts: OK"
