#!/usr/bin/env bash
# Builds the Debian package from the build tree and checks it as a
# distribution would: what it holds, what it depends on, and lintian.
# Usage: check_package.sh <build dir> <source dir> <version>
set -euo pipefail
build=$(cd "$1" && pwd)
source=$(cd "$2" && pwd)
version=$3
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
(cd "$build" && cpack -G DEB -B "$out" >/dev/null)
deb=$(ls "$out"/vorlen_*.deb)
contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
fail=0
expect() {
  if ! grep -qx -- "$1" <<<"$contents"; then echo "missing from package: $1"; fail=1; fi
}
expect ./usr/games/vorlen
expect ./usr/lib/games/vorlen/vorlen-sound.so
expect ./usr/share/games/vorlen/Vorlen.HLP
expect ./usr/share/games/vorlen/vinduet.png
expect ./usr/share/games/vorlen/vorlen-hires.rcc
expect ./usr/share/applications/dk.vorlen.Vorlen.desktop
expect ./usr/share/metainfo/dk.vorlen.Vorlen.metainfo.xml
expect ./usr/share/icons/hicolor/scalable/apps/dk.vorlen.Vorlen.svg
for size in 16 32 48 64 128 256; do
  expect ./usr/share/icons/hicolor/${size}x${size}/apps/dk.vorlen.Vorlen.png
done
expect ./usr/share/doc/vorlen/copyright
expect ./usr/share/doc/vorlen/changelog.gz
expect ./usr/share/man/man6/vorlen.6.gz
# Nothing of the build (tests, tools, static libraries) is shipped.
if grep -E '\.a$|test_|render-plates|bench' <<<"$contents"; then echo "build leftovers in package"; fail=1; fi

# Libraries as the scan of the binaries found them, each once and versioned;
# beside them only what the scan cannot see.
depends=$(dpkg-deb -f "$deb" Depends)
for dep in libqt6widgets6 libqt6multimedia6 libqt6printsupport6 libgif7 fonts-liberation2 qt6-translations-l10n; do
  count=$(tr ',' '\n' <<<"$depends" | grep -c "^ *$dep\b" || true)
  [ "$count" -eq 1 ] || { echo "Depends names $dep $count times: $depends"; fail=1; }
done
for dep in libqt6widgets6 libqt6multimedia6 libgif7; do
  tr ',' '\n' <<<"$depends" | grep -q "^ *$dep (>=" || { echo "Depends has $dep unversioned: $depends"; fail=1; }
done
if grep -Eq 'gstreamer|qt6-qpa-plugins' <<<"$depends"; then echo "Depends has what the game never loads: $depends"; fail=1; fi
[ "$(dpkg-deb -f "$deb" Recommends)" = "pulseaudio | pipewire-pulse" ] ||
  { echo "Recommends: $(dpkg-deb -f "$deb" Recommends)"; fail=1; }
[ "$(dpkg-deb -f "$deb" Package)" = vorlen ] || { echo "wrong package name"; fail=1; }
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || { echo "wrong version"; fail=1; }

# The installed program looks only in installed places: nothing it ships
# names the build or the source tree.
dpkg-deb -x "$deb" "$out/root"
if grep -rlF -e "$build" -e "$source" "$out/root"; then echo "build-tree paths in the package"; fail=1; fi
# The unpacked program answers without a display (it would abort at the
# first window) and tells the package's version.
answer=$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$out/root/usr/games/vorlen" --version) ||
  { echo "vorlen --version failed"; fail=1; }
grep -qx "Vorlen $version" <<<"${answer%%$'\n'*}" || { echo "vorlen --version: $answer"; fail=1; }

# What a distribution's maintainer runs; overrides only with a reason.
if ! command -v lintian >/dev/null; then
  echo "lintian is not installed (tools/install-deps.sh installs it)"; fail=1
elif ! lintian -i --pedantic --fail-on error,warning "$deb"; then
  echo "lintian reports errors or warnings"; fail=1
fi
[ $fail -eq 0 ] && echo "package ok: $(basename "$deb") ($(du -k "$deb" | cut -f1) kB)"
exit $fail
