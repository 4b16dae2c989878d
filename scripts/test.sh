#!/usr/bin/env bash
# Builds every tree and runs every suite: the native tests (AddressSanitizer
# and UBSan), the Windows tests under Wine, and each fuzz target for a fixed
# time from its kept corpus.
# Both Windows trees are built on every host; the suites run on the one this
# host's Wine can start (scripts/wine-arch.sh says which, and why).
# Installs what is missing first. Exits non-zero on the first failure.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
source scripts/wine-arch.sh
jobs=$(nproc)

cmake --preset native
cmake --build --preset native -j "$jobs"
ctest --preset native -j "$jobs"

# i686 is the program we ship; x86_64 fails the build where code is not
# 64-bit clean.
for preset in windows windows64; do
    cmake --preset "$preset"
    cmake --build --preset "$preset" -j "$jobs"
done
xvfb-run -a scripts/wine-ctest.sh "$WINDOWS_BUILD/wineprefix" --preset "$WINDOWS_PRESET"

cmake --preset fuzz
cmake --build --preset fuzz -j "$jobs"
ctest --preset fuzz
