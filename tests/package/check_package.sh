#!/usr/bin/env bash
# Builds the Debian package from the build tree and checks what it holds.
# Usage: check_package.sh <build dir>
set -euo pipefail
build=$1
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
(cd "$build" && cpack -G DEB -B "$out" >/dev/null)
deb=$(ls "$out"/vorlen_*.deb)
contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
fail=0
expect() {
  if ! grep -qx -- "$1" <<<"$contents"; then echo "missing from package: $1"; fail=1; fi
}
expect ./usr/bin/vorlen
expect ./usr/lib/vorlen/vorlen-sound.so
expect ./usr/share/vorlen/Vorlen.HLP
expect ./usr/share/vorlen/vorlen-hires.rcc
expect ./usr/share/applications/dk.vorlen.Vorlen.desktop
expect ./usr/share/metainfo/dk.vorlen.Vorlen.metainfo.xml
expect ./usr/share/icons/hicolor/scalable/apps/dk.vorlen.Vorlen.svg
for size in 16 32 48 64 128 256; do
  expect ./usr/share/icons/hicolor/${size}x${size}/apps/dk.vorlen.Vorlen.png
done
# Nothing of the build (tests, tools, static libraries) is shipped.
if grep -E '\.a$|test_|render-plates|bench' <<<"$contents"; then echo "build leftovers in package"; fail=1; fi

depends=$(dpkg-deb -f "$deb" Depends)
for dep in libqt6widgets6 libqt6multimedia6 libqt6printsupport6 libgif7 qt6-qpa-plugins \
           gstreamer1.0-plugins-base fonts-liberation2 qt6-translations-l10n; do
  if ! grep -q "$dep" <<<"$depends"; then echo "Depends lacks $dep: $depends"; fail=1; fi
done
[ "$(dpkg-deb -f "$deb" Package)" = vorlen ] || { echo "wrong package name"; fail=1; }
# The installed executable must find its help file where the program looks.
[ $fail -eq 0 ] && echo "package ok: $(basename "$deb")"
exit $fail
