#!/usr/bin/env bash
# Makes the Debian package from the build tree the tests were built in (the way
# scripts/package does for its own Release tree) and checks it as apt and a
# software centre see it: control fields, contents, a stripped binary without
# a run path, the AppStream metadata and desktop entry, and lintian.
# Usage: package_e2e.sh SOURCE_DIR BUILD_DIR
set -uo pipefail
src="$1"
build="$2"
skip() { echo "SKIPPED: $*"; exit 77; }
fail() { echo "FAILED: $*"; exit 1; }
for tool in cpack dpkg-deb dpkg-shlibdeps desktop-file-validate readelf; do
  command -v "$tool" >/dev/null || skip "$tool is not installed (scripts/deps --test installs it)"
done

tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
BUILD_DIR="$build" "$src/scripts/package" "$tmp" >"$tmp/package.log" 2>&1 || { cat "$tmp/package.log"; fail "scripts/package"; }
arch="$(dpkg --print-architecture)"
deb="$tmp/corkcrafter_2.15-1_${arch}.deb"
[ -s "$deb" ] || { ls "$tmp"; fail "no $(basename "$deb")"; }

# Control fields: the libraries found by dpkg-shlibdeps, the Qt plugins no
# library scan finds, and what makes the program complete.
field() { dpkg-deb -f "$deb" "$1"; }
# The package names of a relation field, one a line, versions left off.
names() { field "$1" | tr ',' '\n' | sed 's/^ *//; s/ .*//'; }
[ "$(field Package)" = corkcrafter ] || fail "Package: $(field Package)"
[ "$(field Section)" = graphics ] || fail "Section: $(field Section)"
depends="$(names Depends)"
for d in libqt6core6 libqt6gui6 libqt6widgets6 libqt6printsupport6 libqt6svg6 libqt6help6 libqrencode4 \
         libc6 libstdc++6 qt6-image-formats-plugins libqt6sql6-sqlite; do
  grep -Fxq "$d" <<<"$depends" || fail "Depends lacks $d: $(field Depends)"
done
recommends="$(names Recommends)"
for r in glabels-data qt6-wayland cups fonts-liberation2 qt6-translations-l10n; do
  grep -Fxq "$r" <<<"$recommends" || fail "Recommends lacks $r: $(field Recommends)"
done

dpkg-deb -c "$deb" | awk '{print $6}' >"$tmp/contents"
for f in usr/bin/corkcrafter usr/share/corkcrafter/help/Corkcrafter2.qch \
         usr/share/corkcrafter/stock/corkcrafter-templates.xml "usr/share/corkcrafter/samples/Pale" \
         usr/share/metainfo/org.example.corkcrafter.metainfo.xml usr/share/applications/corkcrafter.desktop \
         usr/share/mime/packages/corkcrafter.xml usr/share/icons/hicolor/48x48/apps/corkcrafter.png \
         usr/share/man/man1/corkcrafter.1.gz usr/share/doc/corkcrafter/copyright \
         usr/share/doc/corkcrafter/changelog.Debian.gz; do
  grep -q "^\./$f" "$tmp/contents" || fail "$f is not in the package"
done
grep -q '^\./usr/share/man/man1/corkcrafter\.1$' "$tmp/contents" && fail "the man page is not compressed"

dpkg-deb -x "$deb" "$tmp/root"
bin="$tmp/root/usr/bin/corkcrafter"
readelf -S "$bin" | grep -q '\.symtab' && fail "the program is not stripped"
zcat "$tmp/root/usr/share/man/man1/corkcrafter.1.gz" | head -n 1 \
  | grep -Eq '^\.TH CORKCRAFTER 1 "[0-9]{4}-[0-9]{2}-[0-9]{2}" "Corkcrafter 2\.15"' || fail "the man page names no date and version"
readelf -d "$bin" | grep -Eq 'RPATH|RUNPATH' && fail "the program carries a run path"
QT_QPA_PLATFORM=offscreen "$bin" --version | grep -q "^corkcrafter 2.15" || fail "packaged program --version"
grep -q 'License: GPL-3.0-or-later' "$tmp/root/usr/share/doc/corkcrafter/copyright" || fail "copyright names no GPL-3.0-or-later"
desktop-file-validate "$tmp/root/usr/share/applications/corkcrafter.desktop" || fail "desktop-file-validate"

command -v appstreamcli >/dev/null || skip "appstreamcli is not installed (scripts/deps --test installs it)"
appstreamcli validate --no-net "$tmp/root/usr/share/metainfo/org.example.corkcrafter.metainfo.xml" || fail "appstreamcli validate"
grep -q '<launchable type="desktop-id">corkcrafter.desktop</launchable>' \
  "$tmp/root/usr/share/metainfo/org.example.corkcrafter.metainfo.xml" || fail "the metadata names no desktop entry"

command -v lintian >/dev/null || skip "lintian is not installed (scripts/deps --test installs it); the rest passed"
lintian --fail-on error,warning "$deb" || fail "lintian"
echo "PASSED"
