#!/usr/bin/env bash
# Makes the two ways Velmora reaches Windows users, from velmora.exe, an
# openssl.exe built from Debian's OpenSSL source package, openssl.cnf, the
# empty CA database and both licences:
# - velmora-<version>-x64.msi, the installer: per machine, into
#   C:\Program Files\Velmora, with a Start-menu entry and an entry in the list
#   of installed programs (packaging/velmora.wxs, built with wixl);
# - velmora-<version>-windows-x64.zip, for users who cannot install: its one
#   folder, velmora-<version>, unpacked into a folder of the user's own, is
#   the application folder, ready to run.
# Usage: package-windows.sh [build folder], by default build-windows-release;
# a folder not yet configured gets a release build without tests. Both land
# in that folder, with the cached openssl.exe.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh windows
build=${1:-build-windows-release}
if [ ! -f "$build/CMakeCache.txt" ]; then
    cmake -S . -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake -DCMAKE_BUILD_TYPE=Release \
        -DVELMORA_BUILD_TESTS=OFF
fi
cmake --build "$build" --target velmora
started=$SECONDS
scripts/build-openssl-windows.sh "$build"
echo "openssl.exe ready in $((SECONDS - started)) s"

version=$(sed -n 's/^project(Velmora VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
maker=$(sed -n 's/^set(VELMORA_MAKER "\(.*\)")$/\1/p' CMakeLists.txt)
out=$(cd "$build" && pwd)
zip=$out/velmora-$version-windows-x64.zip msi=$out/velmora-$version-x64.msi
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
files=$stage/velmora-$version
mkdir "$files"
cp "$build/bin/velmora.exe" "$build/openssl-windows/openssl.exe" resources/openssl.cnf resources/ca.db.index \
    resources/ca.db.serial "$files/"
x86_64-w64-mingw32-strip "$files/velmora.exe"
# Windows' own editors want CR LF.
sed 's/$/\r/' LICENSE >"$files/LICENSE.txt"
sed 's/\r*$/\r/' "$build/openssl-windows/LICENSE.txt" >"$files/OpenSSL-LICENSE.txt"

rm -f "$zip" "$msi"
(cd "$stage" && cmake -E tar cf "$zip" --format=zip -- "velmora-$version")
echo "$zip"
# wixl finds the files by paths relative to where it runs.
cp resources/velmora.ico "$stage/"
wxs=$PWD/packaging/velmora.wxs
(cd "$stage" && wixl -a x64 -D Version="$version" -D Maker="$maker" -D Files="velmora-$version" -D Icon=velmora.ico \
    -o "$msi" "$wxs")
echo "$msi: $(stat -c %s "$msi") bytes"
