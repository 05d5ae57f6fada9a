#!/usr/bin/env bash
# Builds Loopwright and starts it. Installs what is missing first.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLOOPWRIGHT_GUI=ON
cmake --build build --parallel "$(nproc)" --target loopwright-sim

# The window is still being built; until it is, this runs an example dive
# through the headless simulator and shows it minute by minute.
echo
echo "The Loopwright window is not built yet: running the example dive"
echo "examples/eccr-30m.scn through loopwright-sim instead."
echo "The full trace (one row per simulated second) is in build/eccr-30m.csv."
echo
build/tools/loopwright-sim/loopwright-sim examples/eccr-30m.scn > build/eccr-30m.csv
awk -F, 'NR == 1 { printf "%6s %8s %6s %6s %10s %s\n", "minute", "depth m", "PPO2", "PPN2", "safe m", "no-deco min"; next }
    $1 == "forecast" { printf "%6s %8s %6s %6s %10s %s\n", "", "", "", "", "", $24; next }
    $3 % 60000 == 0 { printf "%6d %8.1f %6.2f %6.2f %10.1f\n", $3 / 60000, $4, $7, $8, $15 }' build/eccr-30m.csv
