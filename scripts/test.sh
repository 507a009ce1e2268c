#!/usr/bin/env bash
# Installs what is missing, builds Velmora with AddressSanitizer and
# UndefinedBehaviorSanitizer and warnings as errors, checks the formatting
# and runs every test; fuzzes the job's input functions for half a minute;
# checks the Debian package; then builds velmora.exe, its native window, and
# the job and platform tests as Windows programs, and openssl.exe from
# Debian's OpenSSL source, makes the Windows installer and zip, and runs the
# tests, the whole runs from the zip and the installer under Wine. GUI tests
# use Qt's offscreen platform; the window and console tests start their own
# virtual X display. With CI=true a test that skips itself fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
# Each stage says when it starts and how long it took, so a reader of the
# log sees where a failure or the time went.
stage() {
    local name=$1 started=$SECONDS
    shift
    echo "=== test.sh: $name"
    "$@"
    echo "=== test.sh: $name took $((SECONDS - started)) s"
}

# ctest, and under CI no test may have been skipped.
run_tests() {
    local log
    log=$(mktemp)
    ctest --test-dir "$1" --output-on-failure | tee "$log"
    if [ "${CI:-}" = true ] && grep -q '(Skipped)' "$log"; then
        echo "test.sh: tests were skipped; under CI every test must run" >&2
        rm -f "$log"
        exit 1
    fi
    rm -f "$log"
}

install() {
    scripts/install-deps.sh test
}

linux_suite() {
    cmake -S . -B build-test -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVELMORA_SANITIZE=ON -DVELMORA_WERROR=ON
    cmake --build build-test
    cmake --build build-test --target check-format
    run_tests build-test
}

# A crash or a broken property fails the run and leaves its input in build-fuzz/crashes.
fuzzing() {
    cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=clang++ -DVELMORA_FUZZ=ON \
        -DVELMORA_WERROR=ON -DVELMORA_BUILD_APP=OFF -DVELMORA_BUILD_TESTS=OFF
    cmake --build build-fuzz --target fuzz_job_inputs
    mkdir -p build-fuzz/corpus build-fuzz/crashes
    build-fuzz/tests/fuzz/fuzz_job_inputs -max_total_time=30 -print_final_stats=1 \
        -artifact_prefix=build-fuzz/crashes/ build-fuzz/corpus tests/fuzz/corpus
}

package_check() {
    scripts/check-package.sh build-package
}

# The installer and the zip, with openssl.exe built from Debian's source
# (kept in build-windows, so only a fresh clone builds it); the whole runs
# under Wine run from the zip, and the installer test tries the installer.
windows() {
    cmake -S . -B build-windows -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake -DVELMORA_WERROR=ON
    cmake --build build-windows
    scripts/package-windows.sh build-windows
    run_tests build-windows
}

stage install install
stage "Linux suite" linux_suite
stage fuzzing fuzzing
stage "package check" package_check
stage Windows windows
