# Sourced: points Wine at the given 32-bit prefix, creating it on first use.
# Usage: source scripts/wine-env.sh <prefix folder>
export WINEARCH=win32
export WINEPREFIX="$(realpath -m "$1")"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree=;mshtml="
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    wineboot -i >/dev/null 2>&1
    wineserver -w
fi

# Keeps the prefix's server running, and its background services with it,
# until `wineserver -k`. The services are started here, away from any output
# pipe: started by a test, they would hold that test's output open after it
# ends, and the test runner would wait for them.
start_wineserver() {
    wineserver -p </dev/null >/dev/null 2>&1
    wine cmd /c exit </dev/null >/dev/null 2>&1
}
