#!/usr/bin/env bash
# Installs what is missing, builds Velmora with AddressSanitizer and
# UndefinedBehaviorSanitizer, checks the formatting, builds the platform code
# for Windows with the cross compiler and runs every test. GUI tests use Qt's
# offscreen platform; the window and console tests start their own virtual X
# display.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVELMORA_SANITIZE=ON
cmake --build build-test
cmake --build build-test --target check-format
cmake -S . -B build-windows -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake \
    -DVELMORA_BUILD_APP=OFF -DVELMORA_BUILD_TESTS=OFF
cmake --build build-windows
ctest --test-dir build-test --output-on-failure
scripts/check-package.sh build-package
