#!/usr/bin/env bash
# Sets up, builds and runs every test: the build without Qt (core, command line, stand-in ACT!),
# the CI build (warnings are errors), the address/undefined-behaviour sanitizer build, and the
# Windows builds (64-bit tests under wine).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh --windows
jobs=$(nproc)

for preset in noqt ci asan; do
  echo "== $preset: configure and build"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j "$jobs"
  echo "== $preset: test"
  ctest --preset "$preset" -j "$jobs"
done

echo "== benchmarks: one run each on the smallest size (a smoke test, not a measurement)"
if [ -x build/ci/bin/veltrano-bench ]; then
  build/ci/bin/veltrano-bench --smoke
fi

scripts/test-windows.sh
