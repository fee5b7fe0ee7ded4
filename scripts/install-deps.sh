#!/usr/bin/env bash
# Installs the Debian 12 packages Veltrano needs to build, test, package and run; skips what is
# there. dpkg-dev finds the Debian package's dependencies (dpkg-shlibdeps), desktop-file-utils and
# groff-base check the desktop entry and the manual pages in it. With --windows also what the
# Windows build needs: mingw-w64, wine (64-bit only: wine32 would take over the wine command), and
# tclsh to make SQLite from its source package (dpkg-source).
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  libsqlite3-dev
  sqlite3 # the shell: the end-to-end benchmark's baseline
  qt6-base-dev qt6-base-dev-tools libgl-dev
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  nlohmann-json3-dev
  xvfb xauth xdg-utils
  dpkg-dev desktop-file-utils groff-base
)
if [ "${1:-}" = "--windows" ]; then
  packages+=(g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix wine wine64
    tcl xz-utils debian-archive-keyring)
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
