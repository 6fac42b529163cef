#!/usr/bin/env bash
# Installs the build into a temporary DESTDIR and checks that it is a proper
# desktop citizen: program, data, manual, menu entry, label file type, icons,
# man page; the label file type is recognised once the MIME database is made.
# Usage: install_e2e.sh BUILD_DIR SAMPLE.ckm
set -uo pipefail
build="$1"
sample="$2"
skip() { echo "SKIPPED: $*"; exit 77; }
fail() { echo "FAILED: $*"; exit 1; }
for tool in desktop-file-validate update-mime-database xdg-mime mimetype; do
  command -v "$tool" >/dev/null || skip "$tool is not installed (scripts/deps --test installs it)"
done

tmp="$(mktemp -d)"
trap 'rm -rf "$tmp"' EXIT
prefix=/opt/corkcrafter-test
DESTDIR="$tmp/root" cmake --install "$build" --prefix "$prefix" >"$tmp/install.log" 2>&1 || { cat "$tmp/install.log"; fail "cmake --install"; }
root="$tmp/root$prefix"
share="$root/share"

for f in bin/corkcrafter \
         share/corkcrafter/TipOfDay.fil share/corkcrafter/help/Corkcrafter2.qch share/corkcrafter/icons/corkcrafter.svg \
         share/applications/corkcrafter.desktop share/mime/packages/corkcrafter.xml \
         share/icons/hicolor/scalable/apps/corkcrafter.svg share/icons/hicolor/48x48/apps/corkcrafter.png \
         share/icons/hicolor/256x256/apps/corkcrafter.png share/icons/hicolor/16x16/apps/corkcrafter.png \
         share/icons/hicolor/scalable/mimetypes/application-x-corkcrafter-label.svg \
         share/man/man1/corkcrafter.1.gz share/metainfo/org.example.corkcrafter.metainfo.xml \
         share/doc/corkcrafter/copyright share/doc/corkcrafter/changelog.Debian.gz; do
  [ -s "$root/$f" ] || fail "$f was not installed"
done
[ -x "$root/bin/corkcrafter" ] || fail "the program is not executable"
[ -e "$share/corkcrafter/help/Corkcrafter2.html" ] && fail "the old HTML help is still installed"

file "$share/icons/hicolor/48x48/apps/corkcrafter.png" | grep -q "48 x 48" || fail "the 48x48 icon is not 48 x 48"
desktop-file-validate "$share/applications/corkcrafter.desktop" || fail "desktop-file-validate"
grep -q '^Exec=corkcrafter %f$' "$share/applications/corkcrafter.desktop" || fail "Exec line"
grep -q '^MimeType=application/x-corkcrafter-label;$' "$share/applications/corkcrafter.desktop" || fail "MimeType line"
man -l "$share/man/man1/corkcrafter.1.gz" >"$tmp/man.txt" 2>"$tmp/man.err" || fail "man page does not format"
grep -q "LABEL DESCRIPTION" "$tmp/man.txt" || fail "man page lacks the label description"
[ -s "$tmp/man.err" ] && { cat "$tmp/man.err"; fail "man page warnings"; }

# The installed program runs and tells its version.
QT_QPA_PLATFORM=offscreen "$root/bin/corkcrafter" --version | grep -q "^corkcrafter 2.15" || fail "installed program --version"

# The label type, through the desktop's own lookup, with a private data folder.
update-mime-database "$share/mime" || fail "update-mime-database"
cp "$sample" "$tmp/My Label.ckm"
export XDG_DATA_HOME="$tmp/nohome" XDG_DATA_DIRS="$share"
unset XDG_CURRENT_DESKTOP KDE_FULL_SESSION GNOME_DESKTOP_SESSION_ID DESKTOP_SESSION
type="$(xdg-mime query filetype "$tmp/My Label.ckm")"
[ "$type" = "application/x-corkcrafter-label" ] || fail "xdg-mime names \"$type\""
grep -q 'Corkcrafter label' "$share/mime/application/x-corkcrafter-label.xml" || fail "type comment"
echo "PASSED"
