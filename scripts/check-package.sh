#!/usr/bin/env bash
# Checks the Debian package of a build:
#
#   scripts/check-package.sh BUILD_DIR [PACKAGE.deb]
#
# Without a package it makes one from BUILD_DIR with cpack into a temporary
# folder. The package is unpacked into a temporary root with dpkg -x; its
# desktop entry, AppStream metadata and manual pages go through the tools the
# distributions use, and the programs run from there: --version, --help and
# an example scenario, whose trace must equal the build's own. A missing
# install rule fails here. Needs dpkg-dev, appstream, desktop-file-utils and
# groff (scripts/deps.sh installs them).
set -euo pipefail

build=$(cd "${1:?usage: check-package.sh BUILD_DIR [PACKAGE.deb]}" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() {
    echo "check-package: $*" >&2
    failures=$((failures + 1))
}

if [ $# -ge 2 ]; then
    deb=$2
else
    cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/cpack" >"$work/cpack.log" 2>&1 ||
        { cat "$work/cpack.log" >&2; exit 1; }
    deb=$(echo "$work"/cpack/loopwright_*.deb)
fi
version=$(dpkg-deb -f "$deb" Version)
case "$(basename "$deb")" in
    "loopwright_${version}_$(dpkg-deb -f "$deb" Architecture).deb") ;;
    *) fail "$(basename "$deb"): not named loopwright_VERSION_ARCH.deb" ;;
esac
for field in Section Maintainer Description Homepage Depends; do
    [ -n "$(dpkg-deb -f "$deb" "$field")" ] || fail "the control field $field is empty"
done

root=$work/root
dpkg -x "$deb" "$root"
usr=$root/usr
for file in bin/loopwright bin/loopwright-sim share/applications/loopwright.desktop \
    share/icons/hicolor/48x48/apps/loopwright.png share/icons/hicolor/128x128/apps/loopwright.png \
    share/icons/hicolor/256x256/apps/loopwright.png share/icons/hicolor/scalable/apps/loopwright.svg \
    share/man/man1/loopwright.1.gz share/man/man1/loopwright-sim.1.gz \
    share/loopwright/drills/deco-dive.drill share/loopwright/drills/en/deco-dive.drill \
    share/doc/loopwright/examples/eccr-30m.scn share/doc/loopwright/scenarios.md; do
    [ -f "$usr/$file" ] || fail "the package lacks /usr/$file"
done
metainfo=("$usr"/share/metainfo/*.metainfo.xml)
[ -f "${metainfo[0]}" ] || fail "the package lacks its AppStream metadata"

# The validators: no errors and no warnings (AppStream's notes are shown).
if ! out=$(desktop-file-validate "$usr/share/applications/loopwright.desktop" 2>&1) ||
    grep -q -e 'error:' -e 'warning:' <<<"$out"; then
    fail "desktop-file-validate: $out"
fi
if ! out=$(appstreamcli validate --no-net "${metainfo[@]}" 2>&1) ||
    grep -q -e '^E:' -e '^W:' <<<"$out"; then
    fail "appstreamcli validate: $out"
fi
for page in loopwright loopwright-sim; do
    [ -f "$usr/share/man/man1/$page.1.gz" ] || continue
    out=$(zcat "$usr/share/man/man1/$page.1.gz" | groff -ww -man -z 2>&1) || true
    [ -z "$out" ] || fail "groff: $page.1: $out"
done

# The programs, run from the unpacked root: no display is needed for these.
[ "$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$usr/bin/loopwright" --version)" = \
    "loopwright $version" ] || fail "loopwright --version does not say $version"
[ "$("$usr/bin/loopwright-sim" --version)" = "loopwright-sim $version" ] ||
    fail "loopwright-sim --version does not say $version"
"$usr/bin/loopwright-sim" --help | grep -q -- '--debrief-out' || fail "loopwright-sim --help"
example=$usr/share/doc/loopwright/examples/eccr-30m.scn
if ! "$usr/bin/loopwright-sim" "$example" >"$work/installed.csv"; then
    fail "the installed loopwright-sim cannot run $example"
elif ! "$build/tools/loopwright-sim/loopwright-sim" "$example" | cmp -s - "$work/installed.csv"; then
    fail "the installed loopwright-sim's trace differs from the build's"
fi

if [ "$failures" -ne 0 ]; then
    exit 1
fi
echo "check-package: $(basename "$deb") is complete and valid"
