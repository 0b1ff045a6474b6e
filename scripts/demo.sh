#!/usr/bin/env bash
# Installs what is missing, builds, and starts the media manager on a demo printer of the
# bundled demo spooler. Pass another queue name of build/demo/printers.ini to choose it;
# without a display the program runs under Xvfb.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/bootstrap.sh
cmake --preset default
cmake --build --preset default
export QLX_PRINTERS="$PWD/build/demo/printers.ini"
printer=${1:-"Demo LT-5300E"}
shift || true
if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" && "${QT_QPA_PLATFORM:-}" != offscreen ]]; then
  exec xvfb-run -a build/bin/qlx5srct "$printer" "$@"
fi
exec build/bin/qlx5srct "$printer" "$@"
