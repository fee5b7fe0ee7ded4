#!/usr/bin/env bash
# Sets up, builds and runs every test: the build without Qt (core, command line, stand-in ACT!),
# the CI build (warnings are errors) and its Debian package, the address/undefined-behaviour
# sanitizer build, and the Windows builds (64-bit tests under wine).
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
  if [ "$preset" = ci ]; then
    echo "== ci: the Debian package and its check"
    rm -rf build/ci/package
    (cd build/ci && cpack -G DEB -B package)
    scripts/check-package.sh build/ci/package/veltrano_*.deb
  fi
done

echo "== benchmarks: one run each on the smallest size (a smoke test, not a measurement)"
if [ -x build/ci/bin/veltrano-bench ]; then
  build/ci/bin/veltrano-bench --smoke
fi

scripts/test-windows.sh
