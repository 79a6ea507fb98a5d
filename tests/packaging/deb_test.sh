#!/usr/bin/env bash
# CPack builds the Debian package into the folder $1 (which the apt-get test
# then installs); its fields, contents and lintian's verdict are checked.
source "$(dirname "$0")/common.sh"
require_tools dpkg-deb dpkg-shlibdeps file readelf lintian
out=$1
make_scratch

note "cpack"
rm -rf "$out"
mkdir -p "$out"
chmod 755 "$out"
(cd "$QUINTAVO_BUILD_DIR" && "$CPACK_COMMAND" -G DEB -B "$out") >"$scratch/cpack.log" 2>&1 \
    || { cat "$scratch/cpack.log"; fail "cpack failed"; }
deb=$out/quintavo_${QUINTAVO_VERSION}_$(dpkg --print-architecture).deb
[ -f "$deb" ] || { ls -l "$out"; fail "cpack made no $(basename "$deb")"; }

note "dpkg-deb --info"
dpkg-deb --info "$deb"
field() { dpkg-deb --field "$deb" "$1"; }
[ "$(field Package)" = quintavo ] || fail "Package is $(field Package)"
[ "$(field Version)" = "$QUINTAVO_VERSION" ] || fail "Version is $(field Version)"
[ "$(field Section)" = games ] || fail "Section is $(field Section)"
field Maintainer | grep -Eq '^[^<]+ <[^@ ]+@[^> ]+>$' || fail "Maintainer '$(field Maintainer)' is not 'Name <address>'"
depends=$(field Depends)
depends_names=$(tr ',|' '\n\n' <<<"$depends" | awk '{ print $1 }')
for lib in libc6 libstdc++6 libqt6core6 libqt6widgets6; do
    grep -qxF "$lib" <<<"$depends_names" || fail "Depends lacks $lib: $depends"
done
! grep -q vessaro <<<"$depends" || fail "the package depends on its own library: $depends"
[ "$(field Recommends)" = "qt6-wayland, qt6-translations-l10n" ] \
    || fail "Recommends is '$(field Recommends)', not qt6-wayland and qt6-translations-l10n"
[ "$(field Description | wc -l)" -ge 3 ] || fail "the Description has no long text"

note "contents"
listing=$(dpkg-deb --contents "$deb" | awk '{ $1 = $2 = $3 = $4 = $5 = ""; sub(/^ +/, ""); print }')
expect=(
    "./usr/games/quintavo -> ../lib/quintavo/bin/quintavo"
    ./usr/lib/quintavo/bin/quintavo
    "./usr/lib/quintavo/lib/libvessaro.so.0 -> libvessaro.so.${QUINTAVO_VERSION}"
    ./usr/share/applications/$QUINTAVO_APP_ID.desktop
    ./usr/share/metainfo/$QUINTAVO_APP_ID.metainfo.xml
    ./usr/share/icons/hicolor/48x48/apps/$QUINTAVO_APP_ID.png
    ./usr/share/icons/hicolor/scalable/apps/$QUINTAVO_APP_ID.svg
    ./usr/share/man/man6/quintavo.6.gz
    ./usr/share/doc/quintavo/copyright
    ./usr/share/doc/quintavo/changelog.gz
)
for path in "${expect[@]}"; do
    grep -qxF "$path" <<<"$listing" || fail "the package lacks $path"$'\n'"$listing"
done
# The library is private: nothing in the public library folders, no command
# beside the one in /usr/games.
! grep -Eq '^\./usr/(lib|lib/[^/]*-linux-gnu)/libvessaro|^\./usr/bin/' <<<"$listing" \
    || fail "the package puts files into public folders:"$'\n'"$listing"

dpkg-deb -x "$deb" "$scratch/root"
program=$scratch/root/usr/lib/quintavo/bin/quintavo
runpath=$(readelf -d "$program" | sed -n 's/.*(\(RUNPATH\|RPATH\)).*\[\(.*\)\]/\2/p')
[ "$runpath" = '$ORIGIN/../lib' ] || fail "the packaged program's RPATH is '$runpath'"
file -b "$program" | grep -q ", stripped" || fail "the packaged program is not stripped"
top=$(zcat "$scratch/root/usr/share/doc/quintavo/changelog.gz" | sed -n '1s/^quintavo (\([^)]*\)).*/\1/p')
[ "$top" = "$QUINTAVO_VERSION" ] || fail "the changelog's newest entry is $top, the package is $QUINTAVO_VERSION"

note "lintian"
# Errors fail; warnings and notes are shown for a person to judge.
rc=0
lintian --fail-on error "$deb" >"$scratch/lintian.txt" 2>&1 || rc=$?
grep -v "running with root privileges" "$scratch/lintian.txt" || true
[ "$rc" -eq 0 ] && ! grep -q '^E:' "$scratch/lintian.txt" || fail "lintian reports errors"

echo "package $deb is sound"
