#!/usr/bin/env bash
# Times the window's start under Wine: Tarnwick.exe from its process start to
# its list's first row on the screen, on a library of 100 areas, with Wine's
# theme on and off, in a prefix of its own (bench/StartUpProbe.cpp watches
# the window from outside). Prints the medians of RUNS starts of each (30 by
# default). Other builds' Tarnwick.exe given after RUNS take turns with this
# build's, which runs last, and each build's medians are also given against
# the first one's. Needs the Windows build's Tarnwick and startup_probe
# targets (scripts/bench.sh builds them and runs this last).
# Usage: scripts/startup-bench.sh [RUNS] [other Tarnwick.exe...]
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/wine-arch.sh
runs=${1:-30}
shift || true

winpath() { echo "Z:$(realpath "$1" | tr / '\\')"; }
exes=()
for exe in "$@" "$WINDOWS_BUILD/app/Tarnwick.exe"; do
    exes+=("$(winpath "$exe")")
done
export RUNS=$runs PROBE=$WINDOWS_BUILD/bench/startup_probe.exe
# A screen of true colour, for the probe reads the rows' pixels; no window
# manager, so Wine is told to wait for none when a window hides.
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c 'source scripts/wine-env.sh "$WINDOWS_BUILD/startup-prefix"
    "$WINE" reg add "HKCU\\Software\\Wine\\X11 Driver" /v Managed /d N /f >/dev/null 2>&1
    "$WINESERVER" -w
    start_wineserver
    status=0
    "$WINE" "$PROBE" "$RUNS" "$@" || status=$?
    "$WINESERVER" -k
    exit $status' startup "${exes[@]}"
