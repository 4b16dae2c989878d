#!/usr/bin/env bash
# Builds Tarnwick and starts it under Wine on a fresh copy of examples/FS9,
# in a prefix of its own whose registry points at that copy. With a display
# the window opens for you; without one it runs on a virtual display, saves a
# screenshot to build/windows/demo/screenshot.png and ends.
# Installs what is missing first.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --preset windows
cmake --build --preset windows -j "$(nproc)" --target Tarnwick

demo=build/windows/demo
rm -rf "$demo/FS9"
mkdir -p "$demo"
cp -r examples/FS9 "$demo/"
cp build/windows/app/Tarnwick.exe "$demo/"
source scripts/wine-env.sh build/windows/demo-prefix
sim="Z:$(realpath "$demo/FS9" | tr / '\\')\\"
wine reg add 'HKLM\SOFTWARE\Microsoft\Microsoft Games\Flight Simulator\9.0' \
    /v 'Exe Path' /t REG_SZ /d "$sim" /f >/dev/null 2>&1
# The program must meet a server of its own display, not this one's.
wineserver -w
cd "$demo"

if [ -n "${DISPLAY:-}" ]; then
    exec wine Tarnwick.exe
fi
xvfb-run -a -s "-screen 0 1100x860x24" bash -c '
    wine Tarnwick.exe &
    for _ in $(seq 60); do
        xwininfo -root -tree | grep -q "\"Tarnwick\"" && break
        sleep 1
    done
    sleep 2
    import -window root -crop 980x690+0+0 screenshot.png
    wineserver -k'
echo "screenshot: $demo/screenshot.png"
