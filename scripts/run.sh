#!/usr/bin/env bash
# Builds Tarnwick and starts it under Wine on a fresh copy of examples/FS9,
# in a prefix of its own whose registry points at that copy. With a display
# the window opens for you; without one it runs on a virtual display, saves a
# screenshot to <build>/demo/screenshot.png, opens the Airports dialog from
# the system menu (the sample's one airport conflict), saves it to
# <build>/demo/airports.png, then starts the window again at 150% (144 DPI)
# for <build>/demo/screenshot-150.png and ends. The build is the 32-bit
# one, or the 64-bit one where this host cannot run 32-bit programs
# (scripts/wine-arch.sh). Installs what is missing first.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
source scripts/wine-arch.sh
cmake --preset "$WINDOWS_PRESET"
cmake --build --preset "$WINDOWS_PRESET" -j "$(nproc)" --target Tarnwick

demo=$WINDOWS_BUILD/demo
rm -rf "$demo/FS9"
mkdir -p "$demo"
cp -r examples/FS9 "$demo/"
cp "$WINDOWS_BUILD/app/Tarnwick.exe" "$demo/"
source scripts/wine-env.sh "$WINDOWS_BUILD/demo-prefix"
sim="Z:$(realpath "$demo/FS9" | tr / '\\')\\"
# The simulator, a 32-bit program, keeps its key in the registry's 32-bit view.
"$WINE" reg add 'HKLM\SOFTWARE\Microsoft\Microsoft Games\Flight Simulator\9.0' \
    /v 'Exe Path' /t REG_SZ /d "$sim" /reg:32 /f >/dev/null 2>&1
# The program must meet a server of its own display, not this one's.
"$WINESERVER" -w
cd "$demo"

if [ -n "${DISPLAY:-}" ]; then
    exec "$WINE" Tarnwick.exe
fi
# Waits for a top-level window of the name; prints its place on the screen.
window_geometry='window_geometry() {
    for _ in $(seq 60); do
        xwininfo -root -tree | grep -q "\"$1\"" && break
        sleep 1
    done
    sleep 2
    xwininfo -root -tree | sed -n "s/.*\"$1\".*  \([0-9x+]*\)  .*/\1/p" | head -n 1
}'
xvfb-run -a -s "-screen 0 1100x860x24" bash -c "$window_geometry"'
    "$WINE" Tarnwick.exe &
    window_geometry Tarnwick >/dev/null
    import -window root -crop 980x690+0+0 screenshot.png
    # "Airports..." is the fourth item from the end of the system menu.
    xdotool search --name "^Tarnwick$" windowfocus --sync key alt+space
    sleep 1
    xdotool key Up Up Up Up Return
    import -window root -crop "$(window_geometry Airports)" airports.png
    "$WINESERVER" -k'
# The window at 150%: the prefix's DPI, read by the next process started,
# and taken back for the next run.
desktop='HKCU\Control Panel\Desktop'
xvfb-run -a -s "-screen 0 1600x1200x24" bash -c "$window_geometry"'
    "$WINE" reg add "$0" /v LogPixels /t REG_DWORD /d 144 /f >/dev/null 2>&1
    "$WINE" Tarnwick.exe &
    import -window root -crop "$(window_geometry Tarnwick)" screenshot-150.png
    "$WINE" reg delete "$0" /v LogPixels /f >/dev/null 2>&1
    "$WINESERVER" -k' "$desktop"
echo "screenshots: $demo/screenshot.png $demo/screenshot-150.png $demo/airports.png"
