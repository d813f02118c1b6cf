#!/usr/bin/env bash
# Builds the packages of Korvane into dist/ (KORVANE_DIST), all from the one
# version of the CMake project:
#   korvane-<version>-setup.exe     Windows installer (NSIS), per user
#   korvane-<version>-portable.zip  korvane.exe and a README.txt
#   korvane_<version>_amd64.deb     Debian package: Wine launcher, menu entry
# Timestamps inside the packages are the last commit's (SOURCE_DATE_EPOCH).
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
BUILD="${KORVANE_BUILD:-$ROOT/build}"
DIST="${KORVANE_DIST:-$ROOT/dist}"
PKG="$ROOT/packaging"

"$ROOT/scripts/setup.sh"
"$ROOT/scripts/build.sh" app >/dev/null
cmake --build "$BUILD/win" --target calc >/dev/null
VERSION="$(cat "$BUILD/win/version.txt")"
EXE="$BUILD/win/korvane.exe"
STAGE="$BUILD/package"
if [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
    SOURCE_DATE_EPOCH="$(git -C "$ROOT" log -1 --format=%ct 2>/dev/null || date +%s)"
fi
export SOURCE_DATE_EPOCH
DATE_RFC="$(LC_ALL=C date -u -R -d "@$SOURCE_DATE_EPOCH")"
DATE_ISO="$(date -u +%Y-%m-%d -d "@$SOURCE_DATE_EPOCH")"
stamp() { find "$@" -exec touch -h -d "@$SOURCE_DATE_EPOCH" {} +; }

rm -rf "$STAGE"
mkdir -p "$STAGE" "$DIST"
rm -f "$DIST"/korvane-*-setup.exe "$DIST"/korvane-*-portable.zip "$DIST"/korvane_*_amd64.deb

# ---------------------------------------------------------------- installer
echo "== setup"
# The wizard's pictures: the icon art on the skin's graphite, and on white
# in the page header.
win="$STAGE/windows"
mkdir -p "$win"
convert -size 164x314 gradient:'#3c4046-#141619' \
    \( "$PKG/icons/korvane-128.png" \) -gravity north -geometry +0+56 -composite \
    -type TrueColor BMP3:"$win/wizard.bmp"
convert -size 150x57 xc:white \( "$PKG/icons/korvane-48.png" \) -gravity east \
    -geometry +8+0 -composite -type TrueColor BMP3:"$win/header.bmp"
makensis -V2 -INPUTCHARSET UTF8 -DVERSION="$VERSION" -DEXE="$EXE" \
    -DWIZARD_BITMAP="$win/wizard.bmp" -DHEADER_BITMAP="$win/header.bmp" \
    -DOUTFILE="$DIST/korvane-$VERSION-setup.exe" "$PKG/windows/korvane.nsi" >/dev/null

# ---------------------------------------------------------------- portable zip
echo "== portable zip"
zipdir="$STAGE/zip"
mkdir -p "$zipdir"
cp "$EXE" "$zipdir/korvane.exe"
# Windows line ends, for Notepad.
sed -e "s/@VERSION@/$VERSION/g" -e 's/$/\r/' "$PKG/windows/README.txt" >"$zipdir/README.txt"
stamp "$zipdir"
(cd "$zipdir" && zip -q -X -9 "$DIST/korvane-$VERSION-portable.zip" korvane.exe README.txt)

# ---------------------------------------------------------------- Debian
echo "== deb"
deb="$STAGE/deb"
install -d "$deb/DEBIAN" "$deb/usr/bin" "$deb/usr/lib/korvane/wine" "$deb/usr/libexec/korvane" \
    "$deb/usr/share/applications" "$deb/usr/share/metainfo" "$deb/usr/share/man/man1" \
    "$deb/usr/share/doc/korvane"
install -m 755 "$PKG/debian/korvane" "$deb/usr/bin/korvane"
install -m 644 "$EXE" "$deb/usr/lib/korvane/korvane.exe"
install -m 755 "$PKG/debian/korvane-calculator" "$deb/usr/libexec/korvane/korvane-calculator"
install -m 644 "$BUILD/win/packaging/calc.exe" "$deb/usr/lib/korvane/wine/calc.exe"
install -m 644 "$PKG/debian/korvane.desktop" "$deb/usr/share/applications/korvane.desktop"
sed -e "s/@VERSION@/$VERSION/g" -e "s/@DATE@/$DATE_ISO/g" \
    "$PKG/debian/org.example.velmoria.korvane.metainfo.xml.in" \
    >"$deb/usr/share/metainfo/org.example.velmoria.korvane.metainfo.xml"
for png in "$PKG"/icons/korvane-*.png; do
    n="$(basename "$png" .png)"
    n="${n#korvane-}"
    install -d "$deb/usr/share/icons/hicolor/${n}x${n}/apps"
    install -m 644 "$png" "$deb/usr/share/icons/hicolor/${n}x${n}/apps/korvane.png"
done
sed "s/@VERSION@/$VERSION/g" "$PKG/debian/korvane.1.in" | gzip -9n >"$deb/usr/share/man/man1/korvane.1.gz"
install -m 644 "$PKG/debian/copyright" "$deb/usr/share/doc/korvane/copyright"
sed -e "s/@VERSION@/$VERSION/g" -e "s/@DATE@/$DATE_RFC/g" "$PKG/debian/changelog.in" |
    gzip -9n >"$deb/usr/share/doc/korvane/changelog.gz"
chmod 644 "$deb/usr/share/man/man1/korvane.1.gz" "$deb/usr/share/doc/korvane/changelog.gz"
size="$(du -sk --apparent-size "$deb/usr" | cut -f1)"
sed -e "s/@VERSION@/$VERSION/g" -e "s/@SIZE@/$size/g" "$PKG/debian/control.in" >"$deb/DEBIAN/control"
(cd "$deb" && find usr -type f -print0 | LC_ALL=C sort -z | xargs -0 md5sum >DEBIAN/md5sums)
chmod 644 "$deb/DEBIAN/control" "$deb/DEBIAN/md5sums"
stamp "$deb"
dpkg-deb --root-owner-group -Zxz --build "$deb" "$DIST/korvane_${VERSION}_amd64.deb" >/dev/null

ls -l "$DIST"/korvane-"$VERSION"-setup.exe "$DIST"/korvane-"$VERSION"-portable.zip \
    "$DIST"/korvane_"$VERSION"_amd64.deb
