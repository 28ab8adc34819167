#!/usr/bin/env bash
# Builds the benchmarks and runs them one after the other, each figure printed
# beside its floor. Figures depend on the machine's load, printed first.
set -euo pipefail
cd "$(dirname "$0")/.."
ULVANTA_TARGETS=(bench_build_page bench_startup bench_document_memory bench_list_commands
  bench_bulk_edits bench_edit_history)
source scripts/bootstrap.sh
uptime
for b in "${ULVANTA_TARGETS[@]}"; do
  echo "== $b"
  "$BUILD/bench/$b" 2>/dev/null
done
