#!/usr/bin/env bash
# Installs the Debian packages Vexalon needs to build, test and run, and nothing
# when they are all present. Usage: install-deps.sh [group...]; groups: build (default),
# desktop (screenshots under Xvfb, icon rendering), fuzz (clang with libFuzzer), mingw (Windows
# cross build; the command line's header-only libraries serve both builds), windows (Qt for
# Windows, the installer and running both under Wine), package (the Debian package), debcheck
# (a clean Debian to install it in).
set -euo pipefail

build=(cmake ninja-build g++ make pkg-config qt6-base-dev qt6-base-dev-tools libgl-dev
  libgtest-dev googletest fonts-dejavu-core fontconfig poppler-utils qt6-l10n-tools
  qt6-translations-l10n libcli11-dev nlohmann-json3-dev help2man)
desktop=(xvfb xauth x11-apps imagemagick xdotool librsvg2-bin)
fuzz=(clang libclang-rt-14-dev)
mingw=(g++-mingw-w64-x86-64 libcli11-dev nlohmann-json3-dev)
windows=(g++-mingw-w64-x86-64 dpkg-dev xz-utils perl wine wine64 nsis zip xvfb xauth xdotool x11-apps
  imagemagick qt6-translations-l10n)
package=(dpkg-dev file desktop-file-utils appstream lintian)
debcheck=(debootstrap)

groups=("$@")
[ ${#groups[@]} -gt 0 ] || groups=(build)

wanted=()
for group in "${groups[@]}"; do
  case "$group" in
    build) wanted+=("${build[@]}") ;;
    desktop) wanted+=("${desktop[@]}") ;;
    fuzz) wanted+=("${fuzz[@]}") ;;
    mingw) wanted+=("${mingw[@]}") ;;
    windows) wanted+=("${windows[@]}") ;;
    package) wanted+=("${package[@]}") ;;
    debcheck) wanted+=("${debcheck[@]}") ;;
    *) echo "install-deps: unknown group '$group'" >&2; exit 2 ;;
  esac
done

missing=()
for pkg in "${wanted[@]}"; do
  status=$(dpkg-query -W -f='${db:Status-Status}' "$pkg" 2>/dev/null || true)
  [ "$status" = installed ] || missing+=("$pkg")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
  sudo=()
elif command -v sudo >/dev/null; then
  sudo=(sudo)
else
  echo "install-deps: need root or sudo to install: ${missing[*]}" >&2
  exit 1
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -q
"${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
