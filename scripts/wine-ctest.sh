#!/usr/bin/env bash
# Runs ctest with the Windows tests under Wine: wine-ctest.sh <prefix> <ctest args>
# Run it on a display (xvfb-run): the prefix's server and its services start
# here, so the windows of every test reach that display.
set -euo pipefail
source "$(dirname "$0")/wine-env.sh" "$1"
shift
# A virtual display has no window manager, and Wine waits two seconds for one
# at every hide of a window it leaves to the manager: the tests' windows are
# left to none.
"$WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
"$WINESERVER" -w
start_wineserver
trap '"$WINESERVER" -k' EXIT
ctest "$@"
