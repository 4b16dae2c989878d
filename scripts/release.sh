#!/usr/bin/env bash
# Makes the release packages in build/packages/, with CPack from a release
# build of each tree: Tarnwick-<version>-win32.zip (the 32-bit Tarnwick.exe
# and twk.exe, and README.txt) and tarnwick-<version>-linux-x86_64.tar.gz
# (the native twk, its C++ runtime linked in, and README.txt). The version
# is project()'s in CMakeLists.txt. Installs what is missing first.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
jobs=$(nproc)
packages=build/packages
mkdir -p "$packages"

cmake --preset release
cmake --build --preset release -j "$jobs" --target twk
cpack --config build/release/CPackConfig.cmake -B "$packages"

cmake --preset windows
cmake --build --preset windows -j "$jobs" --target Tarnwick twk
cpack --config build/windows/CPackConfig.cmake -B "$packages"

rm -rf "$packages/_CPack_Packages"
ls -l "$packages"
