#!/usr/bin/env bash
# Runs the benchmarks: load and save natively (Release), then under Wine our
# engine against the system's profile-string API, and the main window's list
# at growing sizes. Installs what is
# missing first.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
jobs=$(nproc)

cmake --preset release
cmake --build --preset release -j "$jobs"
build/release/bench/load_save_bench

cmake --preset windows
cmake --build --preset windows -j "$jobs" --target profile_api_bench list_bench
source scripts/wine-env.sh build/windows/wineprefix
wine build/windows/bench/profile_api_bench.exe
# The window needs a display; its server starts on it.
xvfb-run -a bash -c 'source scripts/wine-env.sh build/windows/wineprefix
    start_wineserver
    wine build/windows/bench/list_bench.exe
    wineserver -k'
