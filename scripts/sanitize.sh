#!/usr/bin/env bash
# Builds the unit and headless tests with AddressSanitizer and
# UndefinedBehaviorSanitizer (clang, no desktop backend) in build-asan and runs
# them; the first report of either fails the run. The fuzz targets share this
# build (scripts/fuzz.sh), so one compile serves both.
#   scripts/sanitize.sh [ctest arguments]
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
export ASAN_OPTIONS=halt_on_error=1:detect_leaks=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
CC=clang CXX=clang++ cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DKELO_DESKTOP=OFF -DKELO_FUZZ=ON >/dev/null
cmake --build build-asan -j"$(nproc)"
cd build-asan
ctest --output-on-failure -j"$(nproc)" "$@"
