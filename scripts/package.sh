#!/usr/bin/env bash
# Builds the Debian package, build/loopwright_<version>_<arch>.deb, with
# cpack. Installs what is missing first.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLOOPWRIGHT_GUI=ON
rm -f build/loopwright_*.deb
cmake --build build --parallel "$(nproc)" --target package
