#!/usr/bin/env bash
# Installs what is missing, builds Velmora with AddressSanitizer and
# UndefinedBehaviorSanitizer, checks the formatting and runs every test.
# GUI tests use Qt's offscreen platform; the window test starts its own
# virtual X display.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVELMORA_SANITIZE=ON
cmake --build build-test
cmake --build build-test --target check-format
ctest --test-dir build-test --output-on-failure
