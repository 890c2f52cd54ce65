#!/usr/bin/env bash
# Installs what is missing, builds everything and runs the whole test suite.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/packages.sh
pintora_install_packages

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build build
(cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)" "$@")

# A short run of the mail decode fuzzer; fuzz/run.sh with more seconds hunts longer.
fuzz/run.sh 20
