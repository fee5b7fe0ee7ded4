#!/usr/bin/env bash
# Sets up, builds and starts Veltrano on the bundled sample database.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default

sample=build/default/sample/sample.dbf
mkdir -p "$(dirname "$sample")"
[ -f "$sample" ] || build/default/bin/act-standin create "$sample" --sample

if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  echo "No display: starting Veltrano under Xvfb" >&2
  exec xvfb-run -a -s "-screen 0 1280x800x24" build/default/bin/veltrano "$sample"
fi
exec build/default/bin/veltrano "$sample"
