#!/usr/bin/env bash
# validate_package.sh <source dir> <build dir>: the desktop entry and AppStream metainfo pass
# their validators, the Debian package passes lintian with no error and resolves its
# dependencies, and the program unpacked from it starts and opens its window.
set -euo pipefail
source_dir=$1 build_dir=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

echo "== desktop-file-validate"
desktop-file-validate "$source_dir"/packaging/*.desktop
echo "== appstreamcli validate"
appstreamcli validate --no-net "$source_dir"/packaging/*.metainfo.xml

echo "== cpack"
cpack -G DEB --config "$build_dir/CPackConfig.cmake" -B "$scratch/package" >/dev/null
deb=$(ls "$scratch"/package/lumvex_*.deb)
dpkg-deb --info "$deb" | grep -E '^ (Package|Version|Depends|Recommends):'
echo "== lintian"
lintian "$deb" # fails on any error-level tag; warnings are printed
echo "== dependencies"
apt-get install --simulate --no-install-recommends "$deb" | grep -E '^(Inst|Conf) lumvex'

echo "== unpacked program"
root="$scratch/root"
dpkg -x "$deb" "$root"
for file in usr/bin/lumvex usr/share/applications/org.lumvex.Lumvex.desktop \
    usr/share/metainfo/org.lumvex.Lumvex.metainfo.xml \
    usr/share/icons/hicolor/32x32/apps/org.lumvex.Lumvex.png \
    usr/share/icons/hicolor/256x256/apps/org.lumvex.Lumvex.png usr/share/man/man1/lumvex.1.gz; do
    [[ -e "$root/$file" ]] || { echo "FAIL: the package lacks $file"; exit 1; }
done
identify -format '%wx%h\n' "$root/usr/share/icons/hicolor/256x256/apps/org.lumvex.Lumvex.png" |
    grep -qx 256x256
export LUMVEX="$root/usr/bin/lumvex"
source "$source_dir/tests/e2e/lib.sh"
trap 'cleanup; rm -rf "$scratch"' EXIT
start_display with-wm
start_lumvex
win=$(wait_window lumvex)
close_window "$win" "$LUMVEX_PID"
[[ $EXIT_CODE == 0 ]] || { echo "FAIL: exit code $EXIT_CODE"; exit 1; }
echo "PASS"
