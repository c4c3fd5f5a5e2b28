#!/usr/bin/env bash
# Installs the built program into a scratch prefix and checks what a desktop
# finds there: the program, its entry, its icon at every size and its AppStream
# description, all naming one another; the validators judge the two files when
# they are installed.
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null

fail() { echo "FAIL: $*" >&2; exit 1; }
field() { sed -n "s/^$1=//p" "$2" | head -1; }

shopt -s nullglob
entries=("$prefix"/share/applications/*.desktop)
[ ${#entries[@]} -eq 1 ] || fail "one desktop entry expected in share/applications, found ${#entries[@]}"
entry=${entries[0]}
id=$(basename "$entry" .desktop)

exec_name=$(field Exec "$entry" | cut -d' ' -f1)
[ -x "$prefix/bin/$exec_name" ] || fail "Exec=$exec_name is not an installed program"
[ "$(field Name "$entry")" = Velmora ] || fail "Name is not Velmora"
grep -q '^Comment=.*association' "$entry" || fail "the French comment is missing"
field Categories "$entry" | grep -q '\bOffice;' || fail "not in the Office category"

icon=$(field Icon "$entry")
grep -q '<svg' "$prefix/share/icons/hicolor/scalable/apps/$icon.svg" || fail "no scalable icon $icon.svg"
for size in 16 32 48 64 128 256; do
    png="$prefix/share/icons/hicolor/${size}x${size}/apps/$icon.png"
    [ -s "$png" ] || fail "no ${size}x${size} icon"
    # The PNG signature, then width and height in the header.
    read -r -a head <<<"$(od -An -tu1 -N24 "$png" | tr "\n" " ")"
    [ "${head[1]} ${head[2]} ${head[3]}" = "80 78 71" ] || fail "${size}x${size} icon is not a PNG"
    width=$(( (head[16] << 24) + (head[17] << 16) + (head[18] << 8) + head[19] ))
    height=$(( (head[20] << 24) + (head[21] << 16) + (head[22] << 8) + head[23] ))
    [ "$width $height" = "$size $size" ] || fail "${size}x${size} icon measures $width x $height"
done

meta="$prefix/share/metainfo/$id.metainfo.xml"
grep -q "<id>$id</id>" "$meta" || fail "no AppStream file $id.metainfo.xml with the id $id"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$meta" || fail "the AppStream file does not launch $id.desktop"
grep -q "<binary>$exec_name</binary>" "$meta" || fail "the AppStream file does not provide $exec_name"

if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$entry" || fail "desktop-file-validate refuses the entry"
else
    echo "desktop-file-validate absent (paquet desktop-file-utils) : entrée non validée"
fi
if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net "$meta" >/dev/null || { appstreamcli validate --no-net "$meta"; fail "appstreamcli refuses $id.metainfo.xml"; }
else
    echo "appstreamcli absent (paquet appstream) : description AppStream non validée"
fi
echo "installed tree of $id checked"
