#!/usr/bin/env bash
# Makes velmora-<version>-windows-x64.zip for Windows users: velmora.exe, an
# openssl.exe built from Debian's OpenSSL source package, openssl.cnf, the
# empty CA database and both licences. Unpacked into a folder of the user's
# own, it is the application folder, ready to run.
# Usage: package-windows.sh [build folder], by default build-windows-release;
# a folder not yet configured gets a release build without tests. The zip and
# the cached openssl.exe land in that folder.
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
zip=$(cd "$build" && pwd)/velmora-$version-windows-x64.zip
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
cp "$build/bin/velmora.exe" "$build/openssl-windows/openssl.exe" resources/openssl.cnf resources/ca.db.index \
    resources/ca.db.serial "$stage/"
x86_64-w64-mingw32-strip "$stage/velmora.exe"
# Windows' own editors want CR LF.
sed 's/$/\r/' LICENSE >"$stage/LICENSE.txt"
sed 's/\r*$/\r/' "$build/openssl-windows/LICENSE.txt" >"$stage/OpenSSL-LICENSE.txt"
rm -f "$zip"
# The files at the zip's root: whichever folder they are unpacked into is the application folder.
(cd "$stage" && cmake -E tar cf "$zip" --format=zip -- *)
echo "$zip"
