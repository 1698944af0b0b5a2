# Sourced by scripts/sanitize.sh and scripts/fuzz.sh: installs what is missing and
# configures the one clang build both use, build-asan (sanitizers and fuzz
# targets, no desktop backend). The first sanitizer report stops the run.
scripts/setup.sh
export UBSAN_OPTIONS=print_stacktrace=1
CC=clang CXX=clang++ cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DKELO_DESKTOP=OFF -DKELO_FUZZ=ON >/dev/null
