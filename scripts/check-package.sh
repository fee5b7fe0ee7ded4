#!/usr/bin/env bash
# Checks a built Debian package of Veltrano: its control fields, that every file the install rules
# put in is there and nothing else (no test programs or benchmarks), that the desktop entry
# validates and that the manual pages format without warnings. Usage: check-package.sh FILE.deb
set -euo pipefail
cd "$(dirname "$0")/.."

deb=${1:?usage: scripts/check-package.sh FILE.deb}
[ -f "$deb" ] || { echo "check-package: $deb does not exist" >&2; exit 1; }

version=$(sed -n 's/^project(Veltrano VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
problems=()
problem() { problems+=("$1"); }

info=$(dpkg-deb --info "$deb")
field() { printf '%s\n' "$info" | sed -n "s/^ $1: //p"; }
[ "$(field Package)" = veltrano ] || problem "Package is '$(field Package)', not 'veltrano'"
[ "$(field Version)" = "$version" ] || problem "Version is '$(field Version)', not '$version'"
for name in Maintainer Section Description; do
  [ -n "$(field "$name")" ] || problem "the control field $name is missing"
done
depends=$(field Depends)
for package in libc6 libstdc++6 libsqlite3-0 libqt6core6 libqt6gui6 libqt6widgets6; do
  [[ ", $depends," == *", $package "* || ", $depends," == *", $package,"* ]] ||
    problem "Depends lacks $package: '$depends'"
done

expected=(
  usr/bin/veltrano usr/bin/veltrano-cli usr/bin/act-standin
  usr/share/applications/veltrano.desktop
  usr/share/icons/hicolor/scalable/apps/veltrano.svg
  usr/share/man/man1/veltrano.1.gz usr/share/man/man1/veltrano-cli.1.gz
  usr/share/man/man1/act-standin.1.gz
)
for size in 16 32 48 64 128 256; do
  expected+=("usr/share/icons/hicolor/${size}x${size}/apps/veltrano.png")
done
files=$(dpkg-deb --contents "$deb" | awk '$1 !~ /^d/ { sub(/^\.\//, "", $6); print $6 }' | sort)
for file in "${expected[@]}"; do
  grep -qxF "$file" <<<"$files" || problem "the package lacks $file"
done
unexpected=$(comm -13 <(printf '%s\n' "${expected[@]}" | sort) <(printf '%s\n' "$files"))
[ -z "$unexpected" ] || problem "the package holds files no install rule names: $(tr "\n" " " <<<"$unexpected")"

unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
dpkg-deb --extract "$deb" "$unpacked"
desktop="$unpacked/usr/share/applications/veltrano.desktop"
if [ -f "$desktop" ]; then
  if ! report=$(desktop-file-validate "$desktop" 2>&1) || [ -n "$report" ]; then
    problem "desktop-file-validate: $report"
  fi
  grep -qx 'Exec=veltrano %f' "$desktop" || problem "the desktop entry does not run 'veltrano %f'"
fi
for page in "$unpacked"/usr/share/man/man1/*.1.gz; do
  [ -f "$page" ] || continue
  warnings=$(zcat "$page" | groff -man -Tutf8 -ww -z 2>&1)
  [ -z "$warnings" ] || problem "$(basename "$page"): $warnings"
done

if [ ${#problems[@]} -ne 0 ]; then
  echo "check-package: $deb has problems:" >&2
  printf '  %s\n' "${problems[@]}" >&2
  exit 1
fi
echo "check-package: $deb: veltrano $version, $(wc -l <<<"$files") files, all there"
