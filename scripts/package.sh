#!/usr/bin/env bash
# Makes the Debian package and the portable archive from a release build with
# Debian's hardening flags. Usage: package.sh [build folder], by default
# build-package; the files land in that folder: velmora_<version>_<arch>.deb
# and velmora-<version>-Linux.tar.gz.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-package}
flags() { DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get "$1"; }
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DVELMORA_BUILD_TESTS=OFF -DVELMORA_BUILD_PACKAGING=ON \
    -DCMAKE_CXX_FLAGS="$(flags CXXFLAGS) $(flags CPPFLAGS)" -DCMAKE_EXE_LINKER_FLAGS="$(flags LDFLAGS)"
cmake --build "$build"
(cd "$build" && rm -f velmora_*.deb velmora-*.tar.gz && cpack -G DEB && cpack -G TGZ)
