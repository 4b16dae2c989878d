# Sourced: points Wine at the given prefix, of the width TARNWICK_WINE_ARCH
# names (32 or 64; decided by wine-arch.sh when unset), creating it on first
# use. Exports WINE and WINESERVER: the loader and server of that width, called
# directly, because Debian's wine, wineboot and wineserver wrappers take the
# 32-bit loader whenever it is installed, even where it cannot start.
# Usage: source scripts/wine-env.sh <prefix folder>
if [ -z "${TARNWICK_WINE_ARCH:-}" ]; then
    source "$(dirname "${BASH_SOURCE[0]}")/wine-arch.sh"
fi
if [ "$TARNWICK_WINE_ARCH" = 64 ]; then
    export WINEARCH=win64 WINE=/usr/lib/wine/wine64 WINESERVER=/usr/lib/wine/wineserver64
    export WINELOADER=$WINE
else
    export WINEARCH=win32 WINE=/usr/lib/wine/wine WINESERVER=/usr/lib/wine/wineserver32
fi
export WINEPREFIX="$(realpath -m "$1")"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree=;mshtml="
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    if ! "$WINE" wineboot.exe -i >/dev/null 2>&1 || ! "$WINESERVER" -w; then
        echo "error: wineboot could not create the ${TARNWICK_WINE_ARCH}-bit Wine prefix $WINEPREFIX" >&2
        return 1
    fi
fi

# Keeps the prefix's server running, and its background services with it,
# until `"$WINESERVER" -k`. The services are started here, away from any
# output pipe: started by a test, they would hold that test's output open
# after it ends, and the test runner would wait for them.
start_wineserver() {
    if ! "$WINESERVER" -p </dev/null >/dev/null 2>&1; then
        echo "error: the Wine server $WINESERVER did not start for $WINEPREFIX" >&2
        return 1
    fi
    if ! "$WINE" cmd /c exit </dev/null >/dev/null 2>&1; then
        echo "error: Wine ($WINE) could not start a program in $WINEPREFIX" >&2
        return 1
    fi
}
