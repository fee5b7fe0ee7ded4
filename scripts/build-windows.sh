#!/usr/bin/env bash
# Installs what is missing and builds the Windows programs, 32- and 64-bit, into
# build/windows32/bin and build/windows64/bin.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh --windows
scripts/build-windows-deps.sh
for preset in windows32 windows64; do
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j "$(nproc)" --target veltrano veltrano-cli act-standin
done
echo "Windows programs: build/windows32/bin and build/windows64/bin"
