#!/usr/bin/env bash
# Runs a Windows program under Wine: wine-run.sh <prefix> <32|64> <program> [args...]
# The prefix is the Windows build tree's own, of the tree's width.
set -euo pipefail
export TARNWICK_WINE_ARCH="$2"
source "$(dirname "$0")/../scripts/wine-env.sh" "$1"
shift 2
exec "$WINE" "$@"
