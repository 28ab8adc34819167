#!/usr/bin/env bash
# Installs what the build needs (Debian packages) when missing, then configures
# and builds into build/. Sourced by run.sh and test.sh; a script that sources it
# may first set ULVANTA_EXTRA_PACKAGES, ULVANTA_BUILD (another folder),
# ULVANTA_CMAKE_ARGS and ULVANTA_TARGETS (arrays) for a build of its own.
set -euo pipefail

# The last line: what the install test uses to validate the desktop files, make the package
# and check it.
ULVANTA_PACKAGES=(cmake g++ make ccache qt6-base-dev qt6-base-dev-tools qt6-webengine-dev
  qt6-qpa-plugins qt6-image-formats-plugins qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  libgl-dev xvfb xauth fonts-dejavu-core
  desktop-file-utils appstream shared-mime-info dpkg-dev file gzip lintian
  ${ULVANTA_EXTRA_PACKAGES[@]+"${ULVANTA_EXTRA_PACKAGES[@]}"})

missing=()
for p in "${ULVANTA_PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  $SUDO apt-get update
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends "${missing[@]}"
fi

ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
BUILD="${ULVANTA_BUILD:-$ROOT/build}"
cmake -S "$ROOT" -B "$BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  ${ULVANTA_CMAKE_ARGS[@]+"${ULVANTA_CMAKE_ARGS[@]}"} >/dev/null
targets=()
for t in ${ULVANTA_TARGETS[@]+"${ULVANTA_TARGETS[@]}"}; do targets+=(--target "$t"); done
cmake --build "$BUILD" -j"$(nproc)" ${targets[@]+"${targets[@]}"}
