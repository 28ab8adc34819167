#!/usr/bin/env bash
# Sets up, builds and starts the editor: ./run.sh [DOC.pmf]
set -euo pipefail
cd "$(dirname "$0")"
ARGS=("$@")
source scripts/bootstrap.sh
EDITOR_BIN="$BUILD/bin/ulvanta-editor"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found: starting the editor on a virtual display (xvfb-run)."
  exec xvfb-run -a "$EDITOR_BIN" "${ARGS[@]}"
fi
exec "$EDITOR_BIN" "${ARGS[@]}"
