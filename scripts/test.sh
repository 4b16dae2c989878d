#!/usr/bin/env bash
# Builds every tree and runs every suite: the native tests (AddressSanitizer
# and UBSan), the Windows tests under Wine, and the fuzzer for a bounded time.
# Installs what is missing first. Exits non-zero on the first failure.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
jobs=$(nproc)

cmake --preset native
cmake --build --preset native -j "$jobs"
ctest --preset native -j "$jobs"

cmake --preset windows
cmake --build --preset windows -j "$jobs"
xvfb-run -a scripts/wine-ctest.sh build/windows/wineprefix --preset windows

cmake --preset fuzz
cmake --build --preset fuzz -j "$jobs"
ctest --preset fuzz
