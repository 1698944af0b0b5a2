#!/usr/bin/env bash
# Runs the fuzzers of the records, fuzz/settings_fuzz.cpp (the user's settings
# file) and fuzz/melody_fuzz.cpp (a melody the user loads), each from its seeds in
# fuzz/corpus/<target> for a number of seconds, on one or more workers. What a
# fuzzer learns goes to build-asan/fuzz/corpus-<target>, a failing input to
# build-asan/fuzz/crash-*; replay one with build-asan/fuzz/fuzz_<target> <file>.
#   scripts/fuzz.sh [seconds each (30)] [workers (1)] [further libFuzzer flags]
#   KELO_FUZZ_TARGETS=melody scripts/fuzz.sh ...    runs only the ones named
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-30}
workers=${2:-1}
shift $(($# < 2 ? $# : 2))
targets=(${KELO_FUZZ_TARGETS:-settings melody})
source scripts/asan_build.sh
cmake --build build-asan -j"$(nproc)" --target "${targets[@]/#/fuzz_}"

out=build-asan/fuzz
flags=(-max_total_time="$seconds" -artifact_prefix="$out/" -print_final_stats=1)
if [ "$workers" -gt 1 ]; then flags+=(-fork="$workers"); fi
for target in "${targets[@]}"; do
  mkdir -p "$out/corpus-$target"
  "$out/fuzz_$target" "${flags[@]}" "$@" "$out/corpus-$target" "fuzz/corpus/$target"
done
