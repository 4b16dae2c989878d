#!/usr/bin/env bash
# Runs the benchmarks: load and save natively (Release), the library's
# changes against their undo, a profile applied against its switches one by
# one and Profiles.txt against Folder.txt, a Save through the library's
# transaction against its files written one by one, twk against the
# core it runs on and the check per area, the airport index of 20,000
# scenery files against the least reading of them, then under Wine our
# engine against the system's profile-string API, the main window's list
# at growing sizes, the Airports dialog on 20,000 airports and, last,
# Tarnwick.exe's own start to its list's first row with Wine's theme on and
# off (scripts/startup-bench.sh), on the Windows build this host's Wine can
# start (scripts/wine-arch.sh). Installs what is missing first.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
source scripts/wine-arch.sh
jobs=$(nproc)

cmake --preset release
cmake --build --preset release -j "$jobs"
build/release/bench/load_save_bench
build/release/bench/document_bench
build/release/bench/profile_bench
build/release/bench/transaction_bench
build/release/bench/cli_bench
build/release/bench/airport_bench

cmake --preset "$WINDOWS_PRESET"
cmake --build --preset "$WINDOWS_PRESET" -j "$jobs" --target profile_api_bench list_bench \
    airports_bench Tarnwick startup_probe
source scripts/wine-env.sh "$WINDOWS_BUILD/wineprefix"
"$WINE" "$WINDOWS_BUILD/bench/profile_api_bench.exe"
# The window needs a display; its server starts on it.
xvfb-run -a bash -c 'source scripts/wine-env.sh "$WINDOWS_BUILD/wineprefix"
    start_wineserver
    "$WINE" "$WINDOWS_BUILD/bench/list_bench.exe"
    "$WINE" "$WINDOWS_BUILD/bench/airports_bench.exe"
    "$WINESERVER" -k'
scripts/startup-bench.sh
