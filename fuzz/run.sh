#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (AddressSanitizer + UBSan) in build-fuzz
# and runs them on their seeds, one at a time, at the lowest priority.
#   fuzz/run.sh NAME SECONDS   one target (record, ini, ids, emoticon, pop3, smtp,
#                              trust, mailto, exchange, oauth, header, decode, junk)
#   fuzz/run.sh all SECONDS    every target in turn, SECONDS each
#   fuzz/run.sh all SECONDS N  the same, N targets at a time (each on a core of its own)
#   fuzz/run.sh SECONDS        the mail decode target alone, as before
#   fuzz/run.sh list           the targets' names
# Findings land in build-fuzz/findings/<target>/; a finding once fixed becomes a
# seed in fuzz/seeds/<target>/. Exits non-zero when any target found something.
set -euo pipefail
cd "$(dirname "$0")/.."
out=build-fuzz
targets=()
for source in fuzz/*_fuzzer.cpp; do
  name=$(basename "$source" _fuzzer.cpp)
  targets+=("$name")
done

if [ "${1:-}" = list ]; then
  printf '%s\n' "${targets[@]}"
  exit 0
fi
if [ $# -le 1 ] && [[ "${1:-20}" =~ ^[0-9]+$ ]]; then
  set -- decode "${1:-20}"
fi
which="${1:?target name, all or list}"
seconds="${2:-20}"
at_once="${3:-1}"
if [ "$which" = all ]; then
  chosen=("${targets[@]}")
else
  [ -f "fuzz/${which}_fuzzer.cpp" ] || { echo "no target $which (fuzz/run.sh list)" >&2; exit 2; }
  chosen=("$which")
fi

launcher=()
if command -v ccache >/dev/null; then
  export CCACHE_BASEDIR="${CCACHE_BASEDIR:-$PWD}"
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
if [ ! -f "$out/build.ninja" ]; then
  CC=clang CXX=clang++ cmake -S . -B "$out" -G Ninja -DCMAKE_BUILD_TYPE=Release -DPINTORA_FUZZ=ON \
    "${launcher[@]}" >/dev/null
fi
targets_to_build=()
for name in "${chosen[@]}"; do targets_to_build+=("${name}_fuzzer"); done
# A target that does not build is a failure of its own, not a finding.
if ! nice -n 19 cmake --build "$out" --target "${targets_to_build[@]}" >"$out/build.log" 2>&1; then
  grep -v '^\[' "$out/build.log" | tail -40
  echo "the fuzz targets did not build (see $out/build.log)" >&2
  exit 1
fi

# Records are 32284 bytes; mails and import files are larger than a line or a key.
max_len() {
  case "$1" in
    decode|record|exchange|junk) echo 65536 ;;
    *) echo 16384 ;;
  esac
}

summary=()
# One target's run; its line for the summary goes to findings/<target>.summary.
run_target() {
  local name=$1
  local corpus="$out/corpus/$name"
  local findings="$out/findings/$name"
  mkdir -p "$corpus" "$findings"
  cp -n fuzz/seeds/"$name"/* "$corpus/" 2>/dev/null || true
  local log="$out/findings/$name.log"
  echo "== $name, $seconds s"
  # Leak checks stay off: Qt and GLib keep process-wide caches on purpose.
  # Allocations keep one frame of their stack: Qt and GLib are built without
  # frame pointers, so deeper stacks are partly garbage, each one new to the
  # sanitizer's stack store, which then grows by kilobytes a run until an hour's
  # run stops as a false out-of-memory finding. A replay prints whole stacks.
  local result=0
  ASAN_OPTIONS=detect_leaks=0:allocator_may_return_null=0:quarantine_size_mb=64:malloc_context_size=1 \
    QT_QPA_PLATFORM=offscreen \
    nice -n 19 "$out/${name}_fuzzer" -max_total_time="$seconds" -max_len="$(max_len "$name")" \
    -timeout=30 -rss_limit_mb=4096 -artifact_prefix="$findings/" -print_final_stats=1 "$corpus" >"$log" 2>&1 \
    || result=$?
  local runs speed
  runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' || echo '?')
  speed=$(grep -o 'stat::average_exec_per_sec: *[0-9]*' "$log" | grep -o '[0-9]*$' || echo '?')
  if [ "$result" -ne 0 ]; then
    echo "$name: FOUND SOMETHING after $runs runs ($speed/s), see $findings and $log" >"$findings.summary"
  else
    echo "$name: clean, $runs runs, $speed/s, corpus $(ls "$corpus" | wc -l)" >"$findings.summary"
  fi
}

for name in "${chosen[@]}"; do
  rm -f "$out/findings/$name.summary"
  while [ "$(jobs -rp | wc -l)" -ge "$at_once" ]; do wait -n || true; done
  run_target "$name" &
done
wait

status=0
for name in "${chosen[@]}"; do
  line=$(cat "$out/findings/$name.summary" 2>/dev/null || echo "$name: did not finish")
  case "$line" in
    "$name: clean"*) ;;
    *) status=1; tail -40 "$out/findings/$name.log" ;;
  esac
  summary+=("$line")
done
printf '%s\n' "${summary[@]}"
exit "$status"
