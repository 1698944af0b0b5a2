#!/usr/bin/env bash
# Sets up, builds the program and its data tree, and starts it.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$(nproc)" --target kelo datatree
cd build
exec ./kelo "$@"
