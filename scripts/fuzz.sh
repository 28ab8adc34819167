#!/usr/bin/env bash
# Builds the fuzzers with clang into build-fuzz/ and runs each for SECONDS
# (default 60), starting from its seed corpus in tests/fuzz/corpus/. A crash,
# leak, undefined behaviour, time-out or memory blow-up fails the run; the input
# that caused it is left in build-fuzz/findings/.
set -euo pipefail
cd "$(dirname "$0")/.."
SECONDS_EACH="${1:-60}"

ULVANTA_EXTRA_PACKAGES=(clang libclang-rt-dev)
ULVANTA_BUILD="$PWD/build-fuzz"
ULVANTA_CMAKE_ARGS=(-DCMAKE_CXX_COMPILER=clang++ -DULVANTA_FUZZ=ON)
ULVANTA_TARGETS=(fuzzers)
start=$SECONDS
source scripts/bootstrap.sh
echo "fuzz build: $((SECONDS - start)) s"

# Longest input per reader: documents, recovery copies, pages and bookmarks are small
# files, the rest a line or a few.
declare -A max_len=([bookmarks]=16384 [container]=16384 [document]=16384 [launcher_page]=65536
  [recovery_copy]=16384)
findings="$ULVANTA_BUILD/findings"
mkdir -p "$findings"
failed=()
start=$SECONDS
for bin in "$ULVANTA_BUILD"/fuzz/fuzz_*; do
  name="$(basename "$bin")"
  name="${name#fuzz_}"
  # New inputs go to a scratch corpus; the committed seeds stay as they are.
  work="$ULVANTA_BUILD/corpus/$name"
  mkdir -p "$work"
  echo "== $name: ${SECONDS_EACH} s"
  if ! "$bin" -max_total_time="$SECONDS_EACH" -max_len="${max_len[$name]:-4096}" \
      -rss_limit_mb=2048 -malloc_limit_mb=1024 -timeout=10 -print_final_stats=1 \
      -artifact_prefix="$findings/$name-" "$work" "tests/fuzz/corpus/$name" \
      >"$ULVANTA_BUILD/$name.log" 2>&1; then
    tail -n 60 "$ULVANTA_BUILD/$name.log"
    failed+=("$name")
  else
    grep -E "stat::number_of_executed_units|cov:" "$ULVANTA_BUILD/$name.log" | tail -n 2
  fi
done
echo "fuzz run: $((SECONDS - start)) s"
if [ ${#failed[@]} -gt 0 ]; then
  echo "Fuzzers with findings: ${failed[*]} (inputs in $findings)"
  exit 1
fi
