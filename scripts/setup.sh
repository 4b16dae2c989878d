#!/usr/bin/env bash
# Installs, on Debian 12, whatever the build and the tests need and is not
# there yet. Does nothing when everything is present. Called by the other
# scripts; there is no need to run it by hand.
set -euo pipefail

need=()
have_cmd() { command -v "$1" >/dev/null 2>&1; }
have_pkg() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }

have_cmd cmake || need+=(cmake)
have_cmd g++ || need+=(g++)
have_cmd i686-w64-mingw32-g++-posix || need+=(g++-mingw-w64-i686-posix)
have_cmd i686-w64-mingw32-windres || need+=(binutils-mingw-w64-i686)
have_cmd x86_64-w64-mingw32-g++-posix || need+=(g++-mingw-w64-x86-64-posix)
have_cmd x86_64-w64-mingw32-windres || need+=(binutils-mingw-w64-x86-64)
have_pkg googletest || need+=(googletest)
have_pkg libgtest-dev || need+=(libgtest-dev)
have_pkg libbenchmark-dev || need+=(libbenchmark-dev)
have_cmd clang++ || need+=(clang)
ls /usr/lib/llvm-*/lib/clang/*/lib/linux/libclang_rt.fuzzer-x86_64.a >/dev/null 2>&1 || need+=(libclang-rt-dev)
have_cmd xvfb-run || need+=(xvfb xauth)
have_cmd import || need+=(imagemagick)
have_cmd xwininfo || need+=(x11-utils)
# The demo opens a menu of the window with the keyboard for its second screenshot.
have_cmd xdotool || need+=(xdotool)
have_pkg wine || need+=(wine)
have_pkg wine64 || need+=(wine64)
# The 32-bit loader: the host decides later whether it can run it, and finds
# out by trying, so it is installed wherever the i386 architecture is allowed.
need32=
have_pkg wine32:i386 || need32=wine32:i386

[ ${#need[@]} -eq 0 ] && [ -z "$need32" ] && exit 0

SUDO=
[ "$(id -u)" -eq 0 ] || SUDO=sudo
export DEBIAN_FRONTEND=noninteractive
if [ -n "$need32" ] && ! dpkg --print-foreign-architectures | grep -qx i386; then
  $SUDO dpkg --add-architecture i386 ||
    echo "setup: the i386 architecture cannot be added; only 64-bit Wine will run" >&2
fi
# A mirror caught mid-sync fails one index and apt-get update with it; what
# can be installed from the lists it did fetch is still installed, and what
# cannot fails below with apt's own message.
$SUDO apt-get update -qq ||
  echo "setup: some package lists could not be fetched; installing from the others" >&2
if [ ${#need[@]} -gt 0 ]; then
  echo "setup: installing ${need[*]}" >&2
  $SUDO apt-get install -y -qq --no-install-recommends "${need[@]}" >/dev/null
fi
if [ -n "$need32" ] && dpkg --print-foreign-architectures | grep -qx i386; then
  echo "setup: installing $need32" >&2
  $SUDO apt-get install -y -qq --no-install-recommends "$need32" >/dev/null ||
    echo "setup: $need32 could not be installed; only 64-bit Wine will run" >&2
fi
