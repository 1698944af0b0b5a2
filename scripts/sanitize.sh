#!/usr/bin/env bash
# Builds the unit and headless tests with AddressSanitizer and
# UndefinedBehaviorSanitizer (clang, no desktop backend) in build-asan and runs
# them; the first report of either fails the run. The fuzz targets share this
# build (scripts/fuzz.sh), so one compile serves both.
#   scripts/sanitize.sh [ctest arguments]
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/asan_build.sh
cmake --build build-asan -j"$(nproc)"
cd build-asan
ctest --output-on-failure -j"$(nproc)" "$@"
