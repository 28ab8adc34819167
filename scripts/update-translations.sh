#!/usr/bin/env bash
# Brings translations/*.ts up to date with the sources, fills in every message the
# table translations/terms.tsv knows, and lists what is still untranslated.
#   scripts/update-translations.sh [BUILD_FOLDER]
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="${1:-$ROOT/build}"
[ -f "$BUILD/CMakeCache.txt" ] || cmake -S "$ROOT" -B "$BUILD" >/dev/null
cmake --build "$BUILD" --target update_translations
python3 "$ROOT/scripts/fill-translations.py" "$ROOT/translations"
# lupdate writes the files in its own layout again, so the check finds them current.
cmake --build "$BUILD" --target update_translations >/dev/null
if grep -l 'type="unfinished"' "$ROOT"/translations/*.ts; then
  echo "Untranslated messages remain: add them to translations/terms.tsv and run again." >&2
  exit 1
fi
