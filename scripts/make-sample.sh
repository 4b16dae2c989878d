#!/usr/bin/env bash
# Writes the scenery files of the sample simulator folder examples/FS9 anew
# from their generator (tests/tools/SampleScenery.h): run it after changing
# the generator, and commit what it writes. Every .bgl file of the sample is
# the generator's, so those it no longer writes go. Installs what is missing
# first.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --preset native
cmake --build --preset native -j "$(nproc)" --target make_sample_scenery
find examples/FS9 -type f -iname '*.bgl' -delete
build/native/tests/tools/make_sample_scenery examples/FS9
