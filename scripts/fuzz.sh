#!/usr/bin/env bash
# Runs the settings fuzzer (fuzz/settings_fuzz.cpp) from the seeds in
# fuzz/corpus/settings for a number of seconds, on one or more workers. What it
# learns goes to build-asan/fuzz/corpus-settings, a failing input to
# build-asan/fuzz/crash-*; replay one with build-asan/fuzz/fuzz_settings <file>.
#   scripts/fuzz.sh [seconds (30)] [workers (1)] [further libFuzzer flags]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-30}
workers=${2:-1}
shift $(($# < 2 ? $# : 2))
scripts/setup.sh
export ASAN_OPTIONS=halt_on_error=1:detect_leaks=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
CC=clang CXX=clang++ cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DKELO_DESKTOP=OFF -DKELO_FUZZ=ON >/dev/null
cmake --build build-asan -j"$(nproc)" --target fuzz_settings

out=build-asan/fuzz
mkdir -p "$out/corpus-settings"
flags=(-max_total_time="$seconds" -artifact_prefix="$out/" -print_final_stats=1)
if [ "$workers" -gt 1 ]; then flags+=(-fork="$workers"); fi
"$out/fuzz_settings" "${flags[@]}" "$@" "$out/corpus-settings" fuzz/corpus/settings
