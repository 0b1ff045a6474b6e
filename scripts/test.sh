#!/usr/bin/env bash
# Installs what is missing, builds the default preset (warnings are errors) and runs every
# test headless.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/bootstrap.sh
cmake --preset default
cmake --build --preset default
export QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8
XDG_RUNTIME_DIR=$(mktemp -d)
chmod 700 "$XDG_RUNTIME_DIR"
export XDG_RUNTIME_DIR
trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
ctest --preset default -j2
