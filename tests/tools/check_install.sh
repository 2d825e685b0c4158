#!/usr/bin/env bash
# Installs into a scratch prefix, validates the desktop entry and AppStream
# data, and builds the .deb to check what it depends on.
set -euo pipefail
build=$1
work=$2
rm -rf "$work"
mkdir -p "$work"
prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null

app=io.github.quorvel.Quorvel
fail() { echo "FAIL: $*" >&2; exit 1; }
[[ -x $prefix/bin/quorvel ]] || fail "bin/quorvel not installed"
desktop-file-validate "$prefix/share/applications/$app.desktop" || fail "desktop entry invalid"
grep -q '^Categories=.*Game;.*Education;' "$prefix/share/applications/$app.desktop" || fail "categories"
appstreamcli validate --no-net "$prefix/share/metainfo/$app.metainfo.xml" || fail "AppStream data invalid"
for size in 16 32 48 64 128 256; do
  icon=$prefix/share/icons/hicolor/${size}x${size}/apps/$app.png
  [[ -f $icon ]] || fail "missing $icon"
  file "$icon" | grep -q "$size x $size, 8-bit/color RGBA" || fail "$icon: $(file -b "$icon")"
done

(cd "$work" && cpack --config "$build/CPackConfig.cmake" -B "$work/deb" >/dev/null)
deb=$(ls "$work"/deb/*.deb)
depends=$(dpkg-deb -f "$deb" Depends)
for needed in libqt6widgets6 libqt6gui6 qt6-qpa-plugins libpng16-16 fonts-noto-cjk; do
  [[ $depends == *"$needed"* ]] || fail "Depends lacks $needed: $depends"
done
contents=$(dpkg-deb -c "$deb")
[[ $contents == *"./usr/bin/quorvel"* ]] || fail "package lacks the executable"
[[ $contents == *"hicolor/256x256/apps/$app.png"* ]] || fail "package lacks the icons"
[[ $contents == *"./usr/share/applications/$app.desktop"* ]] || fail "package lacks the desktop entry"
echo "install and package OK: $(basename "$deb")"
