#!/usr/bin/env bash
# Installs the Debian packages that Loopwright needs and that are missing:
# the compiler and build tools, Qt 6 Widgets and its translation tools
# (lrelease builds the English interface), GoogleTest, Google Benchmark,
# the fonts the window is drawn with, xmllint for the test that checks
# exported dives against the UDDF schema, and what the Debian package is made
# and checked with (dpkg-dev and file for cpack, the AppStream and desktop
# entry validators, groff for the manual pages). Uses sudo when not run as
# root.
set -euo pipefail

packages=(
    g++ cmake ninja-build
    qt6-base-dev qt6-l10n-tools
    libgtest-dev libbenchmark-dev
    fonts-dejavu-core fonts-liberation2 fonts-wine
    libxml2-utils
    dpkg-dev file appstream desktop-file-utils groff-base
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing missing packages: ${missing[*]}"
sudo=()
if [ "$(id -u)" -ne 0 ]; then
    sudo=(sudo)
fi
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive \
    apt-get install -y -qq --no-install-recommends "${missing[@]}"
