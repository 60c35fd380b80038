#!/usr/bin/env bash
# Builds Qt 6 for 64-bit Windows (MinGW-w64) from Debian's own qt6-base source, the same
# version as the host's Qt, whose tools (moc, rcc, uic) the cross build runs.
# Usage: build-qt-mingw.sh [PREFIX]   (default: $VEXALON_CACHE/qt6-mingw, outside the tree)
# A prefix that already holds a build of the same version is kept as it is, so only a cold
# machine pays for the build (about 20 minutes on two cores).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
cache=${VEXALON_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/vexalon}
prefix=${1:-$cache/qt6-mingw}

scripts/install-deps.sh build windows
version=$(dpkg-query -W -f='${Version}' qt6-base-dev)
if [ "$(cat "$prefix/vexalon-qt-version" 2>/dev/null)" = "$version" ]; then
  echo "Qt $version for MinGW-w64 is in $prefix"
  exit 0
fi

as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)

# The source comes from the same archive as the binary packages: mirror their entries as
# deb-src entries.
src_list=/etc/apt/sources.list.d/vexalon-deb-src.sources
if [ ! -e "$src_list" ]; then
  sed -n '/^Types:.*\bdeb\b/,/^$/p' /etc/apt/sources.list.d/debian.sources |
    sed 's/^Types:.*/Types: deb-src/' | "${as_root[@]}" tee "$src_list" >/dev/null
  "${as_root[@]}" apt-get update -q
fi

work=$cache/qt6-mingw-work
rm -rf "$work"
mkdir -p "$work/download"
(cd "$work/download" && apt-get source --download-only "qt6-base=$version")
tar -xf "$work"/download/qt6-base_*.orig.tar.* -C "$work"
source_dir=$(find "$work" -mindepth 1 -maxdepth 1 -type d -name 'qtbase*' | head -n1)

rm -rf "$prefix"
cmake -S "$source_dir" -B "$work/build" -G Ninja --toolchain "$root/cmake/mingw-w64.cmake" \
  -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" \
  -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
  -DQT_QMAKE_TARGET_MKSPEC=win32-g++ -DBUILD_SHARED_LIBS=ON \
  -DQT_BUILD_TESTS=OFF -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_BENCHMARKS=OFF \
  -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_opengl=OFF -DFEATURE_dynamicgl=OFF \
  -DFEATURE_dbus=OFF -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF -DFEATURE_printsupport=OFF \
  -DFEATURE_vulkan=OFF -DFEATURE_icu=OFF -DFEATURE_tabletevent=OFF \
  -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_freetype=OFF \
  -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_png=OFF -DFEATURE_system_jpeg=OFF \
  -DFEATURE_system_doubleconversion=OFF
cmake --build "$work/build" -j "${JOBS:-$(nproc)}"
cmake --install "$work/build"
# Qt's licence asks that users can find the source: keep the licence texts and the origin.
mkdir -p "$prefix/licenses"
cp "$source_dir"/LICENSES/* "$prefix/licenses/"
echo "Qt $version built from Debian's qt6-base source package (apt-get source qt6-base=$version)." \
  >"$prefix/licenses/SOURCE.txt"
echo "$version" >"$prefix/vexalon-qt-version"
rm -rf "$work"
echo "Qt $version for MinGW-w64 is in $prefix"
