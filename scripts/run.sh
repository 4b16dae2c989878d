#!/usr/bin/env bash
# Builds Tarnwick and starts it under Wine on a fresh copy of examples/FS9,
# in a prefix of its own whose registry points at that copy. With a display
# the window opens for you; without one it runs on a virtual display, in a
# Wine desktop (where Wine draws the windows' frames and title bars itself),
# saves a screenshot to <build>/demo/screenshot.png, opens the system menu for
# <build>/demo/system-menu.png and from it the Airports dialog (the sample's
# one airport conflict) for <build>/demo/airports.png and its Resolve dialog
# for <build>/demo/resolve.png, then starts the window again at 150% (144
# DPI) for <build>/demo/screenshot-150.png and ends. The build is the 32-bit
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
# Wine's own fonts, for this prefix alone: Tahoma in the dialogs, and Marlett,
# without which the title bar's buttons show as characters. They come from
# Debian's fonts-wine, unpacked here rather than installed, so that no other
# prefix (the test suites') draws differently.
fonts=$WINDOWS_BUILD/demo-fonts
if [ ! -f "$fonts/marlett.ttf" ]; then
    unpacked=$(mktemp -d)
    if (cd "$unpacked" && apt-get download fonts-wine >/dev/null 2>&1); then
        dpkg-deb -x "$unpacked"/fonts-wine_*.deb "$unpacked/root"
        mkdir -p "$fonts"
        cp "$unpacked"/root/usr/share/wine/fonts/*.ttf "$fonts/"
    else
        echo "run: fonts-wine could not be fetched; the pictures use Wine's fallback fonts" >&2
    fi
    rm -rf "$unpacked"
fi
if [ -f "$fonts/marlett.ttf" ]; then
    cp "$fonts"/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
fi
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
}
# The window Wine'"'"'s desktop starts is drawn inactive until one of its own
# closes: the About box, the seventh item from the end of the system menu,
# opened and closed makes it the active one.
activate() {
    xdotool search --name "^Tarnwick$" windowfocus --sync key alt+space
    sleep 1
    xdotool key Up Up Up Up Up Up Up Return
    sleep 2
    xdotool key Escape
    sleep 1
}'
xvfb-run -a -s "-screen 0 1100x860x24" bash -c "$window_geometry"'
    "$WINE" explorer /desktop=Demo,1100x860 Tarnwick.exe &
    window=$(window_geometry Tarnwick)
    activate
    import -window root -crop "$window" screenshot.png
    xdotool key alt+space
    sleep 1
    import -window root -crop "$window" system-menu.png
    # "Airports..." is the fifth item from the end of the system menu.
    xdotool key Up Up Up Up Up Return
    import -window root -crop "$(window_geometry Airports)" airports.png
    # From the Find field to the list, its first row selected, then to
    # Resolve..., pressed.
    xdotool key Tab Tab Down Tab space
    import -window root -crop "$(window_geometry Resolve)" resolve.png
    "$WINESERVER" -k'
# The window at 150%: the prefix's DPI, read by the next process started,
# and taken back for the next run.
desktop='HKCU\Control Panel\Desktop'
xvfb-run -a -s "-screen 0 1600x1200x24" bash -c "$window_geometry"'
    "$WINE" reg add "$0" /v LogPixels /t REG_DWORD /d 144 /f >/dev/null 2>&1
    "$WINE" explorer /desktop=Demo,1600x1200 Tarnwick.exe &
    window=$(window_geometry Tarnwick)
    activate
    import -window root -crop "$window" screenshot-150.png
    "$WINE" reg delete "$0" /v LogPixels /f >/dev/null 2>&1
    "$WINESERVER" -k' "$desktop"
echo "screenshots: $demo/screenshot.png $demo/system-menu.png $demo/airports.png" \
    "$demo/resolve.png $demo/screenshot-150.png"
