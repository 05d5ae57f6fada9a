#!/usr/bin/env bash
# Builds Loopwright and runs every test. Installs what is missing first.
# Extra CMake options can be passed in LOOPWRIGHT_CMAKE_ARGS.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh
# shellcheck disable=SC2086
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLOOPWRIGHT_GUI=ON \
    -DBUILD_TESTING=ON ${LOOPWRIGHT_CMAKE_ARGS:-}
cmake --build build --parallel "$(nproc)"
ctest --test-dir build --output-on-failure --parallel "$(nproc)"
