#!/usr/bin/env bash
# Builds Loopwright and starts it. Installs what is missing first.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLOOPWRIGHT_GUI=ON
cmake --build build --parallel "$(nproc)" --target loopwright loopwright-sim
exec build/src/app/loopwright "$@"
