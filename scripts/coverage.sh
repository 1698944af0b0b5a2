#!/usr/bin/env bash
# Builds everything with gcc's coverage counters in build-cov, runs every test
# and prints the line coverage of the program's own code (tests, benchmarks,
# fuzzers and the data-tree tool left out), worst files first.
#   scripts/coverage.sh [ctest arguments]
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake -S . -B build-cov -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS=--coverage >/dev/null
cmake --build build-cov -j"$(nproc)"
find build-cov -name '*.gcda' -delete
(cd build-cov && ctest -j"$(nproc)" "$@" >/dev/null) || echo "some tests failed: coverage of what ran"
top=$(pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
find "$top/build-cov" -name "*.gcda" -print0 | (cd "$work" && xargs -0 -r -n 64 gcov --json-format >/dev/null 2>&1 || true)
python3 - "$work" "$top" <<'PY'
import gzip, json, os, sys
work, top = sys.argv[1], sys.argv[2]
lines = {}
for name in os.listdir(work):
    if not name.endswith(".gcov.json.gz"): continue
    with gzip.open(os.path.join(work, name)) as fh:
        data = json.load(fh)
    for f in data["files"]:
        path = os.path.relpath(os.path.realpath(os.path.join(data.get("current_working_directory", ""), f["file"])), top)
        if path.startswith("..") or path.split("/")[0] in ("tests", "bench", "fuzz", "tools", "build-cov"): continue
        seen = lines.setdefault(path, {})
        for l in f["lines"]:
            seen[l["line_number"]] = seen.get(l["line_number"], 0) or l["count"]
rows = []
for path, seen in lines.items():
    hit = sum(1 for c in seen.values() if c)
    rows.append((hit / len(seen) if seen else 1.0, path, hit, len(seen)))
rows.sort()
for share, path, hit, total in rows:
    if hit < total: print(f"{100*share:6.1f}%  {hit:4}/{total:<4}  {path}")
hit = sum(r[2] for r in rows); total = sum(r[3] for r in rows)
print(f"line coverage: {100*hit/total:.1f}% ({hit} of {total} lines in {len(rows)} files)")
PY
