#!/usr/bin/env bash
# Runs the benchmarks: load and save natively (Release), then our engine
# against the system's profile-string API under Wine. Installs what is
# missing first.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
jobs=$(nproc)

cmake --preset release
cmake --build --preset release -j "$jobs"
build/release/bench/load_save_bench

cmake --preset windows
cmake --build --preset windows -j "$jobs" --target profile_api_bench
source scripts/wine-env.sh build/windows/wineprefix
wine build/windows/bench/profile_api_bench.exe
