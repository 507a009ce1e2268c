#!/usr/bin/env bash
# Installs what is missing, builds Velmora with AddressSanitizer and
# UndefinedBehaviorSanitizer, checks the formatting and runs every test; then
# builds the job and platform code with their tests as Windows programs and
# runs those under Wine. GUI tests use Qt's offscreen platform; the window and
# console tests start their own virtual X display.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVELMORA_SANITIZE=ON
cmake --build build-test
cmake --build build-test --target check-format
ctest --test-dir build-test --output-on-failure
scripts/check-package.sh build-package
cmake -S . -B build-windows -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake -DVELMORA_BUILD_APP=OFF
cmake --build build-windows
ctest --test-dir build-windows --output-on-failure
