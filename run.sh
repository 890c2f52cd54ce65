#!/usr/bin/env bash
# Builds Pintora (Release, in build/) and starts it.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/packages.sh
pintora_install_packages

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release
cmake --build build --target pintora
exec ./build/pintora "$@"
