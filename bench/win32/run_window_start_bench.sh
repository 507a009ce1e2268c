#!/usr/bin/env bash
# The native window's start under Wine on a virtual display, in a Wine prefix
# of its own made as the tests make theirs, and the size of velmora.exe.
# Usage: run_window_start_bench.sh <Windows build folder> [runs]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "$1" && pwd) runs=${2:-11}
prefix=$(mktemp -d)
trap '"$here/../../tests/windows/wine-prefix.sh" remove "$prefix"' EXIT
"$here/../../tests/windows/wine-prefix.sh" make "$prefix" >/dev/null 2>&1
"$here/../../tests/win32/under_wine_x.sh" "$prefix" "$build/bench/win32/window_start_bench.exe" \
    "Z:$build/bin/velmora.exe" "Z:$build/bench/win32/bare_window.exe" "Z:$build/bench/win32/controls_window.exe" "$runs"
stripped=$(mktemp)
x86_64-w64-mingw32-strip -o "$stripped" "$build/bin/velmora.exe"
echo "velmora.exe: $(stat -c %s "$build/bin/velmora.exe") bytes as built, $(stat -c %s "$stripped") stripped"
rm -f "$stripped"
