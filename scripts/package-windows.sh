#!/usr/bin/env bash
# Packs the Windows build: the program folder (installed, stripped), a portable zip of it
# and the installer. Usage: package-windows.sh WINDOWS_BUILD
# Writes WINDOWS_BUILD/Vexalon/, vexalon-<version>-win64.zip and vexalon-<version>-setup.exe.
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath "$1")
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
folder=$build/Vexalon

rm -rf "$folder"
cmake --install "$build" --prefix "$folder" --strip
# Only the program is stripped by the install; Qt and the runtime come with their symbols.
find "$folder" -name '*.dll' -exec x86_64-w64-mingw32-strip --strip-unneeded {} +

zip_file=$build/vexalon-$version-win64.zip
rm -f "$zip_file"
(cd "$build" && zip -qr "$zip_file" Vexalon)
makensis -V2 -DVERSION="$version" -DFOLDER="$folder" \
  -DOUTFILE="$build/vexalon-$version-setup.exe" windows/vexalon.nsi
ls -l "$zip_file" "$build/vexalon-$version-setup.exe"
