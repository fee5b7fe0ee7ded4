#!/usr/bin/env bash
# Builds the third-party libraries of the Windows programs from Debian's sources, for each
# mingw-w64 target given (default: both), into build/windows-deps/<target>/:
#   SQLite      the amalgamation made from Debian's sqlite3 source package, compiled with mingw
#   GoogleTest  from Debian's googletest package (/usr/src/googletest), compiled with mingw
#   JSON        nlohmann-json's headers (header-only, the same on every system)
# Each part is built once: a stamp names what it was built from, and a part whose stamp matches
# is left as it is. The source package is fetched with a private apt configuration below
# build/windows-deps/apt/, so the machine's own apt sources and lists stay as they are.
set -euo pipefail
cd "$(dirname "$0")/.."

root=$PWD
deps=$root/build/windows-deps
jobs=$(($(nproc) < 2 ? $(nproc) : 2))
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(x86_64-w64-mingw32 i686-w64-mingw32)

# Debian's own build flags that change how SQLite behaves, without the modules we do not use;
# no loadable extensions in a statically linked program.
sqlite_flags=(-O2 -fno-strict-aliasing -DSQLITE_THREADSAFE=1 -DSQLITE_SECURE_DELETE
  -DSQLITE_ENABLE_COLUMN_METADATA -DSQLITE_USE_URI=1 -DSQLITE_MAX_SCHEMA_RETRY=25
  -DSQLITE_LIKE_DOESNT_MATCH_BLOBS -DSQLITE_OMIT_LOAD_EXTENSION)

say() { echo "windows-deps: $*"; }
die() {
  echo "windows-deps: $*" >&2
  exit 1
}

for tool in dpkg-source tclsh make gcc cmake ninja; do
  command -v "$tool" >/dev/null || die "$tool is missing (scripts/install-deps.sh --windows installs it)"
done
for target in "${targets[@]}"; do
  command -v "$target-gcc-posix" >/dev/null || die "$target-gcc-posix is missing"
done

# ---- SQLite's amalgamation from the Debian source package (once for every target) ----

# The deb-src lines of the Debian archives this machine uses.
write_source_list() {
  local list=$1 codename uris security
  codename=$(. /etc/os-release && echo "${VERSION_CODENAME:-bookworm}")
  uris=$(sed -n 's/^URIs:[[:space:]]*//p' /etc/apt/sources.list.d/debian.sources 2>/dev/null |
    tr ' ' '\n' | grep -v -- '-security' | head -n1 || true)
  security=$(sed -n 's/^URIs:[[:space:]]*//p' /etc/apt/sources.list.d/debian.sources 2>/dev/null |
    tr ' ' '\n' | grep -- '-security' | head -n1 || true)
  uris=${uris:-http://deb.debian.org/debian}
  security=${security:-http://deb.debian.org/debian-security}
  local keyring=/usr/share/keyrings/debian-archive-keyring.gpg
  {
    echo "deb-src [signed-by=$keyring] $uris $codename main"
    echo "deb-src [signed-by=$keyring] $uris $codename-updates main"
    echo "deb-src [signed-by=$keyring] $security $codename-security main"
  } >"$list"
}

amalgamation() {
  local apt=$deps/apt src=$deps/src/sqlite3
  local ready=$src/amalgamation/sqlite3.c
  if [ -f "$src/amalgamation/.done" ] && [ -f "$ready" ]; then
    return
  fi
  rm -rf "$src"
  mkdir -p "$apt/lists/partial" "$apt/cache/archives/partial" "$apt/parts" "$src"
  write_source_list "$apt/sources.list"
  local opts=(-o "Dir::Etc::SourceList=$apt/sources.list" -o "Dir::Etc::SourceParts=$apt/parts"
    -o "Dir::State::Lists=$apt/lists" -o "Dir::Cache=$apt/cache" -o "Dir::Cache::pkgcache="
    -o "Dir::Cache::srcpkgcache=" -o "APT::Sandbox::User=$(id -un)")
  say "fetching the sqlite3 source package"
  apt-get "${opts[@]}" -qq update ||
    die "the Debian source archives cannot be reached (deb-src for sqlite3)"
  (cd "$src" && apt-get "${opts[@]}" -qq source --download-only sqlite3 >/dev/null) ||
    die "apt-get source sqlite3 failed"
  local dsc
  dsc=$(ls "$src"/sqlite3_*.dsc)
  (cd "$src" && dpkg-source --no-check -x "$dsc" tree >/dev/null)
  basename "$dsc" .dsc >"$src/version"
  say "making the amalgamation of $(cat "$src/version")"
  mkdir -p "$src/amalgamation"
  (cd "$src/amalgamation" && ../tree/configure --disable-tcl >configure.log 2>&1 &&
    make sqlite3.c >make.log 2>&1) || die "making sqlite3.c failed: see $src/amalgamation"
  touch "$src/amalgamation/.done"
}

build_sqlite() {
  local target=$1 prefix=$deps/$1 src=$deps/src/sqlite3
  local stamp
  stamp="sqlite $(cat "$src/version") ${sqlite_flags[*]}"
  if [ "$(cat "$prefix/.sqlite" 2>/dev/null)" = "$stamp" ]; then
    return
  fi
  say "$target: compiling SQLite"
  local work=$deps/work/$target/sqlite
  mkdir -p "$work" "$prefix/include" "$prefix/lib"
  "$target-gcc-posix" "${sqlite_flags[@]}" -c "$src/amalgamation/sqlite3.c" -o "$work/sqlite3.o"
  rm -f "$prefix/lib/libsqlite3.a"
  "$target-ar" rcs "$prefix/lib/libsqlite3.a" "$work/sqlite3.o"
  cp "$src/amalgamation/sqlite3.h" "$src/amalgamation/sqlite3ext.h" "$prefix/include/"
  echo "$stamp" >"$prefix/.sqlite"
}

build_googletest() {
  local target=$1 prefix=$deps/$1
  local stamp
  stamp="googletest $(dpkg-query -W -f='${Version}' googletest)"
  if [ "$(cat "$prefix/.googletest" 2>/dev/null)" = "$stamp" ]; then
    return
  fi
  say "$target: compiling GoogleTest"
  local work=$deps/work/$target/googletest
  rm -rf "$work"
  cmake -S /usr/src/googletest -B "$work" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-$target.cmake" \
    -DVELTRANO_WINDOWS_DEPS="$prefix" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_INSTALL_PREFIX="$prefix" >"$deps/work/$target/googletest.log" 2>&1 ||
    die "configuring GoogleTest failed: see $deps/work/$target/googletest.log"
  cmake --build "$work" -j "$jobs" >>"$deps/work/$target/googletest.log" 2>&1 ||
    die "building GoogleTest failed: see $deps/work/$target/googletest.log"
  cmake --install "$work" >/dev/null
  echo "$stamp" >"$prefix/.googletest"
}

copy_json() {
  local target=$1 prefix=$deps/$1
  local stamp
  stamp="nlohmann-json $(dpkg-query -W -f='${Version}' nlohmann-json3-dev)"
  if [ "$(cat "$prefix/.json" 2>/dev/null)" = "$stamp" ]; then
    return
  fi
  mkdir -p "$prefix/include" "$prefix/share/cmake"
  rm -rf "$prefix/include/nlohmann" "$prefix/share/cmake/nlohmann_json"
  cp -r /usr/include/nlohmann "$prefix/include/"
  cp -r /usr/share/cmake/nlohmann_json "$prefix/share/cmake/"
  echo "$stamp" >"$prefix/.json"
}

amalgamation
for target in "${targets[@]}"; do
  build_sqlite "$target"
  build_googletest "$target"
  copy_json "$target"
done
say "ready in $deps"
