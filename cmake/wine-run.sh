#!/usr/bin/env bash
# Runs a Windows program under Wine: wine-run.sh <prefix> <program> [args...]
# The prefix is the Windows build tree's own 32-bit one.
export WINEARCH=win32
export WINEPREFIX="$1"
shift
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree=;mshtml="
exec wine "$@"
