#!/usr/bin/env bash
# `cmake --install` into a fresh prefix lays out a standard tree whose program
# finds its library by itself and whose desktop files pass their validators.
source "$(dirname "$0")/common.sh"
require_tools readelf ldd file desktop-file-validate appstreamcli man lexgrog
make_scratch
prefix=$scratch/prefix
install_tree "$prefix"
id=$QUINTAVO_APP_ID
cd "$prefix"

note "layout"
for f in bin/quintavo lib/libvessaro.so.0 share/applications/$id.desktop \
         share/metainfo/$id.metainfo.xml share/man/man6/quintavo.6.gz \
         share/doc/quintavo/copyright share/doc/quintavo/changelog.gz; do
    [ -e "$f" ] || fail "$f is not installed"
done
[ -x bin/quintavo ] || fail "bin/quintavo is not executable"
for f in lib/quintavo games; do
    [ ! -e "$f" ] || fail "$f belongs to the Debian package only, not to the plain tree"
done

note "icons"
for size in 16 22 24 32 48 64 128 256; do
    icon=share/icons/hicolor/${size}x${size}/apps/$id.png
    [ -f "$icon" ] || fail "$icon is not installed"
    file -b "$icon" | grep -q "^PNG image data, $size x $size," \
        || fail "$icon is not a $size x $size PNG: $(file -b "$icon")"
done

note "the program finds its library through its RPATH"
runpath=$(readelf -d bin/quintavo | sed -n 's/.*(\(RUNPATH\|RPATH\)).*\[\(.*\)\]/\2/p')
[ "$runpath" = '$ORIGIN/../lib' ] || fail "RPATH of bin/quintavo is '$runpath', not \$ORIGIN/../lib"
deps=$(env -u LD_LIBRARY_PATH ldd bin/quintavo)
! grep -q "not found" <<<"$deps" || fail "unresolved libraries:"$'\n'"$deps"
vessaro=$(sed -n 's/^\s*libvessaro\.so\.0 => \(\S*\) .*/\1/p' <<<"$deps")
[ "$(realpath "$vessaro")" = "$(realpath lib/libvessaro.so.0)" ] \
    || fail "libvessaro.so.0 resolves to '$vessaro', not to the installed lib/"

note "desktop entry"
entry=share/applications/$id.desktop
desktop-file-validate "$entry" || fail "desktop-file-validate rejects $entry"
for line in "Type=Application" "Name=Quintavo" "Exec=quintavo" "Icon=$id" \
            "Categories=Game;BoardGame;" "StartupWMClass=$id" "Terminal=false"; do
    grep -qxF "$line" "$entry" || fail "$entry lacks the line $line"
done
for key in 'Comment' 'Comment\[de\]' 'Comment\[fr\]' 'Comment\[it\]'; do
    grep -q "^$key=." "$entry" || fail "$entry has no $key"
done
[ -x "bin/$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$entry")" ] || fail "Exec names no program in bin/"

note "AppStream metainfo"
meta=share/metainfo/$id.metainfo.xml
appstreamcli validate --no-net "$meta" || fail "appstreamcli rejects $meta"
grep -q "<id>$id</id>" "$meta" || fail "$meta has another id than $id"
grep -qxF "  <project_license>GPL-3.0-or-later</project_license>" "$meta" \
    || fail "$meta does not name the licence GPL-3.0-or-later"
grep -Eq "<metadata_license>(FSFAP|CC0-1.0)</metadata_license>" "$meta" \
    || fail "$meta's own licence is neither FSFAP nor CC0-1.0"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$meta" \
    || fail "$meta does not launch $id.desktop"
release=$(grep -o '<release version="[^"]*"' "$meta" | head -n1 | cut -d'"' -f2)
[ "$release" = "$QUINTAVO_VERSION" ] || fail "$meta's newest release is $release, the project is $QUINTAVO_VERSION"

note "copyright in the machine-readable format"
copyright=share/doc/quintavo/copyright
head -n1 "$copyright" | grep -qxF "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/" \
    || fail "$copyright does not declare the machine-readable format"
# Every paragraph's License names one that a stand-alone paragraph spells out.
awk '
    /^Files:/ { files = 1 }
    /^$/ { files = 0 }
    /^License:/ {
        name = $2
        if (files) used[name] = 1; else if (NF == 2) text[name] = 1
    }
    END { for (n in used) if (!(n in text)) { print "no text for licence " n; bad = 1 } exit bad }
' "$copyright" || fail "$copyright names a licence it does not spell out"
grep -q "^Files: \*$" "$copyright" && grep -A2 "^Files: \*$" "$copyright" | grep -qxF "License: GPL-3+" \
    || fail "$copyright does not put the program under GPL-3+"

note "manual page"
page=share/man/man6/quintavo.6.gz
warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null)
[ -z "$warnings" ] || fail "man warns about $page:"$'\n'"$warnings"
lexgrog "$page" | grep -q "quintavo - " || fail "$page has no whatis line"
zcat "$page" | tr '\n' ' ' | grep -q "GNU General Public License.*version 3.*any later version" \
    || fail "$page does not state the licence"
zcat "$page" | grep -q "^\.TH QUINTAVO 6 .*Quintavo $QUINTAVO_VERSION" || fail "$page is not for version $QUINTAVO_VERSION"

echo "install tree under $prefix is complete"
