#!/usr/bin/env bash
# Runs veltrano-cli of the Linux build (build/ci) and of the Windows build (build/windows64,
# under wine, reaching the stand-in through COM) on the same databases and compares, byte for
# byte, what each prints (standard output, standard error, exit status) and, after
# replace --save, the database file it wrote. The Windows program names a database by its
# Windows path (Z:\...): that path, as printed (and as escaped in JSON), is the one difference
# allowed, and is put back to the Linux path before comparing.
#
# Needs both builds and a WINEPREFIX of its own (scripts/test-windows.sh runs it in one); the
# stand-in is registered for the run and unregistered at its end.
set -euo pipefail
cd "$(dirname "$0")/.."

linux=build/ci/bin
windows=build/windows64/bin
edges_writer=build/ci/bin/write-edge-database
for program in "$linux/veltrano-cli" "$linux/act-standin" "$edges_writer" \
  "$windows/veltrano-cli.exe" "$windows/act-standin.exe"; do
  [ -x "$program" ] || [ -f "$program" ] || {
    echo "compare-windows-cli: $program is missing; build the ci and windows64 presets" >&2
    exit 2
  }
done
if [ -z "${WINEPREFIX:-}" ]; then
  echo "compare-windows-cli: set WINEPREFIX to a throwaway prefix" >&2
  exit 2
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/veltrano-compare.XXXXXX")
wine "$windows/act-standin.exe" register >/dev/null
cleanup() {
  wine "$windows/act-standin.exe" unregister >/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

mkdir -m 700 "$work/home"
"$linux/act-standin" create "$work/sample.dbf" --sample >/dev/null
"$edges_writer" "$work/edges.dbf"
login=(--user "Chris Miller" --password sales)

passed=0
failed=0
normalised=0

# The same run on both systems, in the same clean environment.
run_both() { # name database args...
  local name=$1 db=$2
  shift 2
  local dir=$work/$name
  mkdir -p "$dir"
  cp "$work/$db" "$dir/linux.dbf"
  cp "$work/$db" "$dir/windows.dbf"
  local args=("$@") winargs=("$@")
  local linux_db=$dir/linux.dbf windows_db
  windows_db=$(winepath -w "$dir/windows.dbf" 2>/dev/null)
  local env=(env -u VELTRANO_USER -u VELTRANO_PASSWORD "HOME=$work/home"
    "XDG_CONFIG_HOME=$work/home" "XDG_RUNTIME_DIR=$work/home")
  local status=0
  "${env[@]}" "$linux/veltrano-cli" "${args[0]}" "$linux_db" "${args[@]:1}" \
    >"$dir/linux.out" 2>"$dir/linux.err" </dev/null || status=$?
  echo "$status" >"$dir/linux.status"
  status=0
  "${env[@]}" wine "$windows/veltrano-cli.exe" "${winargs[0]}" "$windows_db" "${winargs[@]:1}" \
    >"$dir/windows.raw.out" 2>"$dir/windows.raw.err" </dev/null || status=$?
  echo "$status" >"$dir/windows.status"
  # The Windows path back to the Linux one, plain and as a JSON string.
  local found=0
  for stream in out err; do
    WIN="$windows_db" LIN="$linux_db" perl -0777 -pe '
      BEGIN { ($w, $l) = ($ENV{WIN}, $ENV{LIN}); ($wj = $w) =~ s/\\/\\\\/g; }
      s/\Q$wj\E/$l/g; s/\Q$w\E/$l/g;' "$dir/windows.raw.$stream" >"$dir/windows.$stream"
    cmp -s "$dir/windows.raw.$stream" "$dir/windows.$stream" || found=1
  done
  normalised=$((normalised + found))
  local what result=ok
  for what in out err status; do
    if ! cmp -s "$dir/linux.$what" "$dir/windows.$what"; then
      result=differs
      echo "-- $name: $what differs" >&2
      diff <(od -c "$dir/linux.$what") <(od -c "$dir/windows.$what") | head -20 >&2 || true
    fi
  done
  if ! cmp -s "$dir/linux.dbf" "$dir/windows.dbf"; then
    result=differs
    echo "-- $name: the database files differ after the run" >&2
  fi
  [ "$result" = ok ] && passed=$((passed + 1)) || failed=$((failed + 1))
  local file=unchanged
  cmp -s "$work/$db" "$dir/linux.dbf" || file=written
  printf '%-26s %s (%s bytes out, exit %s, file %s%s)\n' "$name" "$result" \
    "$(wc -c <"$dir/linux.out")" "$(cat "$dir/linux.status")" "$file" \
    "$([ $found = 1 ] && echo ', path normalised' || true)"
}

run_both survey-sample-json sample.dbf survey --json "${login[@]}"
run_both survey-sample-text sample.dbf survey "${login[@]}"
run_both survey-edges-json edges.dbf survey --json
run_both survey-edges-text edges.dbf survey
run_both list-sample-fields sample.dbf list Tables/Contact/Fields "${login[@]}"
run_both list-sample-users-sorted sample.dbf list Users --sort 2 --descending "${login[@]}"
run_both list-edges-fields edges.dbf list Tables/Contact/Fields --sort 1
run_both list-edges-popup edges.dbf list Tables/Contact/Fields/Items/PopupList
run_both list-edges-users edges.dbf list Users --sort 2
run_both replace-sample-save sample.dbf replace --table Contact --search exe --replace EXE \
  --save "${login[@]}"
run_both replace-sample-unicode sample.dbf replace --table Contact --search 'c:\act' \
  --replace $'D:\\Pr\xC3\xBCfung \xE2\x80\x93 \xE6\x9D\xB1\xE4\xBA\xAC' --save "${login[@]}"
run_both replace-edges-save edges.dbf replace --table Contact --search '\' --replace / --save
run_both replace-sample-nothing sample.dbf replace --table Sales --search zzz --replace y \
  --save "${login[@]}"

echo "compare-windows-cli: $normalised runs had the database path normalised"
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
