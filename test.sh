#!/usr/bin/env bash
# Installs what is missing, builds everything and runs the whole test suite.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/packages.sh
pintora_install_packages

# Each stage's wall time, and the processor time (user + system) of all it ran:
# on a machine shared with other work the second is the steadier figure.
stages=()
cpu_file=$(mktemp)
cpu_seconds=0
read_cpu() {
  times >"$cpu_file"
  cpu_seconds=$(awk 'NR == 2 { for (i = 1; i <= 2; i++) { split($i, p, "m"); sub("s", "", p[2]); t += p[1] * 60 + p[2] }
                               printf "%d", t }' "$cpu_file")
}
read_cpu
stage_started=$SECONDS
stage_cpu=$cpu_seconds
stage() {
  read_cpu
  stages+=("$(printf '%-44s %4d s   processor %5d s' "$1" $((SECONDS - stage_started)) $((cpu_seconds - stage_cpu)))")
  stage_started=$SECONDS
  stage_cpu=$cpu_seconds
}
report() {
  read_cpu
  echo "Stages:"
  printf '  %s\n' "${stages[@]}"
  echo "  total $SECONDS s, processor $cpu_seconds s"
  rm -f "$cpu_file"
}
trap report EXIT

# A compiler cache, where the machine has one, makes a second clone's build a fraction of the first.
launcher=()
if command -v ccache >/dev/null; then
  export CCACHE_BASEDIR="${CCACHE_BASEDIR:-$PWD}"
  export CCACHE_SLOPPINESS="${CCACHE_SLOPPINESS:-pch_defines,time_macros,include_file_mtime,include_file_ctime}"
  launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release "${launcher[@]}"
cmake --build build
stage "build"
(cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)" "$@")
stage "tests"

# Where windows, dialogs and workers meet, once more under AddressSanitizer, so a
# window freed under its own dialog fails loudly instead of by luck. Freed memory is
# filled, so that Qt's own (uninstrumented) code crashes on it too, as a socket freed
# under its handler does. -O1 is what the sanitizer needs, and builds in half the time.
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE="-O1 -DNDEBUG" \
  -DPINTORA_SANITIZE=ON -DPINTORA_BUILD_BENCH=OFF "${launcher[@]}"
cmake --build build-asan --target sanitized_tests
stage "build under AddressSanitizer"
(cd build-asan && ASAN_OPTIONS=detect_leaks=0:max_free_fill_size=4096 QT_QPA_PLATFORM=offscreen \
  ctest --output-on-failure -j "$(nproc)" \
  -R '^((SendEnd|BoundedWait|BoundedCheck|DialogPromptBox|ReplySend|Launcher|OrderedWorker|PipelinedCheck|CheckEngineTest|SendEngineTest)\.|SlowUpload\.(ACancelled|Stopping)|SignIn\.(RefusalEndsItWithABox|ForgedStateIsTurnedAway)|Mailto\.SecondStartsLinkAsks)')
stage "tests under AddressSanitizer"

# A short run of every fuzzer, one per core at a time; fuzz/run.sh all 3600 hunts longer.
fuzz/run.sh all 5 "$(nproc)"
stage "fuzz build and runs"
