#!/usr/bin/env bash
# Checks the written style: every C++ file formatted as .clang-format says, and
# the program's own sources clean under the checks of .clang-tidy. Needs the
# compile commands of build/ (./test.sh leaves them). Fails on the first file out
# of style and names it.
#   scripts/check_style.sh           checks
#   scripts/check_style.sh --fix     formats every C++ file in place first
set -euo pipefail
cd "$(dirname "$0")/.."
mapfile -t all < <(git ls-files '*.cpp' '*.h')
if [ "${1:-}" = "--fix" ]; then clang-format -i "${all[@]}"; fi
clang-format --dry-run --Werror "${all[@]}"

mapfile -t sources < <(git ls-files '*.cpp' | grep -vE '^(tests|bench|fuzz)/')
status=0
printf '%s\n' "${sources[@]}" | xargs -n 6 -P "$(nproc)" clang-tidy -p build --quiet 2>/tmp/kelo-tidy-$$.log || status=$?
grep -v 'warnings\? generated' /tmp/kelo-tidy-$$.log || true
rm -f /tmp/kelo-tidy-$$.log
exit "$status"
