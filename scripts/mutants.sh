#!/usr/bin/env bash
# Mutation check: makes the small faults of scripts/mutants.txt one at a time in a
# scratch copy of the tree, builds, runs the tests and says for each fault whether
# the suite caught it, then "caught N of M (P%)". A fault that survives is a hole
# in the tests (or, rarely, a fault that changes nothing and must be replaced).
#
#   scripts/mutants.sh            every fault of the catalogue
#   scripts/mutants.sh ID ...     only these faults
#   scripts/mutants.sh --list     the ids of the catalogue
#
# Not part of CI: it runs for a long while. On 8 cores the first build of the
# scratch copy takes about a minute and a half; after that a fault takes 20 to 70 s
# (its files recompiled, the programs relinked, the data tree generated, the tests
# run until the first failure), most about 25 s: the whole catalogue of 120 faults
# takes about an hour.
#
# The scratch copy lives in $KELO_MUTANTS_DIR (default /tmp/kelo-mutants): tree/ is
# refreshed from the working tree with rsync (build folders and .git left out), and
# its own build/ folder is kept from run to run: on an unchanged tree a run
# recompiles at most the file of the last fault before it starts.
#
# Exit status: 0 whatever the tests caught; 2 when the catalogue is broken (a fault
# whose text is not found exactly once, or which does not build: fix the entry);
# 1 when the unchanged tree does not build or its tests fail.
set -euo pipefail
cd "$(dirname "$0")/.."
top=$(pwd)
catalogue=$top/scripts/mutants.txt
work=${KELO_MUTANTS_DIR:-/tmp/kelo-mutants}
tree=$work/tree
jobs=$(nproc)

# The catalogue reader: "ids" prints id, file and description of each fault (tab
# separated), "apply ID ROOT BACKUP" makes the fault in ROOT after keeping the file
# in BACKUP; it exits 3 when the text is not found exactly once.
read -r -d '' catalogue_tool <<'PY' || true
import sys

def faults(path):
    out, cur, lines = [], None, open(path, encoding="utf-8").read().split("\n")
    for n, line in enumerate(lines, 1):
        if line.startswith("== "):
            cur = {"id": line[3:].strip(), "line": n, "find": [], "replace": []}
            out.append(cur)
        elif not line.strip() or line.startswith("#"):
            continue
        elif cur is None:
            sys.exit(f"{path}:{n}: text before the first '== id'")
        elif line.startswith("file: ") or line.startswith("what: "):
            cur[line[:4]] = line[6:].strip()
        elif line[:1] in "-+" and (len(line) == 1 or line[1] == " "):
            cur["find" if line[0] == "-" else "replace"].append(line[2:])
        else:
            sys.exit(f"{path}:{n}: not a line of the catalogue: {line!r}")
    seen = set()
    for f in out:
        if not f.get("file") or not f.get("what") or not f["find"]:
            sys.exit(f"{path}:{f['line']}: {f['id']} needs file:, what: and '-' lines")
        if f["id"] in seen:
            sys.exit(f"{path}:{f['line']}: {f['id']} is there twice")
        seen.add(f["id"])
    return out

cmd, path = sys.argv[1], sys.argv[2]
all_faults = faults(path)
if cmd == "ids":
    for f in all_faults:
        print(f"{f['id']}\t{f['file']}\t{f['what']}")
elif cmd == "apply":
    ident, root, backup = sys.argv[3:6]
    f = next((f for f in all_faults if f["id"] == ident), None)
    if f is None:
        sys.exit(f"no fault {ident} in {path}")
    target = f"{root}/{f['file']}"
    try:
        data = open(target, "rb").read()
    except OSError:
        print("its file is not there")
        sys.exit(3)
    find = "\n".join(f["find"]).encode("utf-8")
    count = data.count(find)
    if count != 1:
        print(f"its text is found {count} times in {f['file']}")
        sys.exit(3)
    open(backup, "wb").write(data)
    open(target, "wb").write(data.replace(find, "\n".join(f["replace"]).encode("utf-8")))
PY

catalogue_lines=$(python3 -c "$catalogue_tool" ids "$catalogue") || exit 2
declare -A file_of what_of
ids=()
while IFS=$'\t' read -r id file what; do
  ids+=("$id")
  file_of[$id]=$file
  what_of[$id]=$what
done <<<"$catalogue_lines"

if [ "${1:-}" = "--list" ]; then
  printf '%s\n' "${ids[@]}"
  exit 0
fi
if [ $# -gt 0 ]; then
  for id in "$@"; do
    [ -n "${file_of[$id]:-}" ] || { echo "no fault $id in scripts/mutants.txt" >&2; exit 2; }
  done
  ids=("$@")
fi

scripts/setup.sh
mkdir -p "$tree"
# Checksums, not times, decide what is copied, and a copied file gets the time of
# the copy: whatever differs from the working tree (a fault left behind by an
# interrupted run included) is rebuilt, and nothing else.
rsync -rlp --checksum --delete --exclude=/build/ --exclude='/build-*/' --exclude=/.git "$top/" "$tree/"
catalogue=$tree/scripts/mutants.txt  # the copy: an edit during the run changes nothing

cd "$tree"
# The data tree is generated into the build folder and its tool keeps what it finds
# there (User.txt, files a fault named otherwise): every build makes it anew, as a
# fresh build would, so that no fault is hidden or shown by what another left.
build() {
  rm -rf "build/Kelo 2020" build/datatree.stamp
  cmake --build build -j"$jobs" >"$work/build.log" 2>&1
}
echo "Building the scratch copy in $tree/build"
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
if ! build; then
  echo "the unchanged tree does not build: see $work/build.log" >&2
  exit 1
fi
if ! (cd build && ctest -j"$jobs" --timeout 120 >"$work/ctest.log" 2>&1); then
  echo "the tests fail on the unchanged tree: see $work/ctest.log" >&2
  exit 1
fi

applied=""
restore() {
  if [ -n "$applied" ]; then
    cp "$work/original" "$tree/$applied"
    touch "$tree/$applied"  # newer than the objects built from the fault
    applied=""
  fi
}
trap restore EXIT
trap 'exit 130' INT TERM  # an interrupted run leaves the tree as it found it

# The first test ctest reports as failed, from its output.
first_failure() {
  local name
  name=$(sed -n 's/^ *[0-9]*\/[0-9]* Test *#[0-9]*: \([^ ]*\) .*\*\*\*.*/\1/p' "$work/ctest.log" | head -n 1)
  echo "${name:-a test (see $work/ctest.log)}"
}

caught=0 survived=0 stale=0 unbuilt=0 n=0
survivors=() broken=()
started=$SECONDS
for id in "${ids[@]}"; do
  n=$((n + 1))
  t0=$SECONDS
  label=$(printf '[%2d/%d] %-30s' "$n" "${#ids[@]}" "$id")
  if ! why=$(python3 -c "$catalogue_tool" apply "$catalogue" "$id" "$tree" "$work/original"); then
    echo "$label STALE: ${why:-cannot apply}"
    stale=$((stale + 1)); broken+=("$id (stale)")
    continue
  fi
  applied=${file_of[$id]}
  if ! build; then
    cp "$work/build.log" "$work/$id.build.log"
    echo "$label DOES NOT BUILD (see $work/$id.build.log)"
    unbuilt=$((unbuilt + 1)); broken+=("$id (does not build)")
    restore
    continue
  fi
  if (cd build && ctest -j"$jobs" --stop-on-failure --timeout 120 >"$work/ctest.log" 2>&1); then
    echo "$label SURVIVED  ($((SECONDS - t0)) s)"
    survived=$((survived + 1)); survivors+=("$id: ${what_of[$id]}")
  else
    echo "$label caught by $(first_failure)  ($((SECONDS - t0)) s)"
    caught=$((caught + 1))
  fi
  restore
done

measured=$((caught + survived))
echo
if [ ${#survivors[@]} -gt 0 ]; then
  echo "Survivors:"
  printf '  %s\n' "${survivors[@]}"
fi
if [ ${#broken[@]} -gt 0 ]; then
  echo "Broken entries of the catalogue (counted apart; fix them):"
  printf '  %s\n' "${broken[@]}"
fi
echo "caught $caught of $measured ($((measured ? 100 * caught / measured : 0))%) in $(((SECONDS - started) / 60)) min"
[ $((stale + unbuilt)) -eq 0 ] || exit 2
