#!/usr/bin/env bash
# Installs the build into a scratch DESTDIR and validates what a desktop would pick up.
#   install_test.sh BUILD_DIR APP_ID
set -euo pipefail

build=$1
id=$2
destdir=$(mktemp -d)
trap 'rm -rf "$destdir"' EXIT

DESTDIR=$destdir cmake --install "$build" --prefix /usr > /dev/null
root=$destdir/usr

expected=(
    "bin/game-of-quarn"
    "share/applications/$id.desktop"
    "share/metainfo/$id.metainfo.xml"
    "share/icons/hicolor/scalable/apps/$id.svg"
    "share/icons/hicolor/48x48/apps/$id.png"
    "share/icons/hicolor/128x128/apps/$id.png"
    "share/mime/packages/$id.xml"
    "share/game-of-quarn/patterns/glider.cells"
    "$(cmake -LA -N "$build" | sed -n 's/^CMAKE_INSTALL_LIBDIR:PATH=//p')/game-of-quarn/quarn-sound-output.so"
)
for file in "${expected[@]}"; do
    if [[ ! -s "$root/$file" ]]; then
        echo "missing from the install: $file"
        exit 1
    fi
done
[[ -x "$root/bin/game-of-quarn" ]] || { echo "bin/game-of-quarn is not executable"; exit 1; }

desktop-file-validate "$root/share/applications/$id.desktop"
appstreamcli validate --no-net --explain "$root/share/metainfo/$id.metainfo.xml"

# The pieces must name each other by the same id.
grep -q "^Icon=$id\$" "$root/share/applications/$id.desktop" || { echo "desktop entry Icon is not $id"; exit 1; }
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" \
    "$root/share/metainfo/$id.metainfo.xml" || { echo "metainfo does not launch $id.desktop"; exit 1; }
grep -q "<id>$id</id>" "$root/share/metainfo/$id.metainfo.xml" || { echo "metainfo id is not $id"; exit 1; }
file "$root/share/icons/hicolor/48x48/apps/$id.png" | grep -q "48 x 48" || { echo "48 px icon has the wrong size"; exit 1; }
file "$root/share/icons/hicolor/128x128/apps/$id.png" | grep -q "128 x 128" || { echo "128 px icon has the wrong size"; exit 1; }
# The pattern types, as the desktop's own lookup tells them: plaintext by its name, RLE by what
# it holds, and a ".rle" file left to the bitmap image type that owns that name.
XDG_DATA_DIRS="$root/share:/usr/share" update-mime-database "$root/share/mime"
printf '!Name: Glider\n.O.\n..O\nOOO\n' > "$destdir/glider.cells"
printf '#N Glider\nx = 3, y = 3, rule = B3/S23\nbo$2bo$3o!\n' > "$destdir/glider"
printf 'x = 3, y = 3\nbo$2bo$3o!\n' > "$destdir/bare"
cp "$destdir/glider" "$destdir/glider.rle"
type_of() {
    XDG_DATA_DIRS="$root/share:/usr/share" gio info -a standard::content-type "$1" |
        sed -n 's/.*standard::content-type: //p'
}
for sample in "glider.cells text/x-cellular-automaton-plaintext" \
              "glider text/x-cellular-automaton-rle" "bare text/x-cellular-automaton-rle"; do
    read -r name want <<< "$sample"
    got=$(type_of "$destdir/$name")
    [[ $got == "$want" ]] || { echo "$name is $got, not $want"; exit 1; }
    echo "$name: $got"
done
[[ $(type_of "$destdir/glider.rle") != text/x-cellular-automaton-rle ]] || {
    echo "*.rle was taken from the bitmap image type"; exit 1; }
grep -q '^MimeType=.*text/x-cellular-automaton-rle;' "$root/share/applications/$id.desktop" ||
    { echo "the desktop entry does not open RLE patterns"; exit 1; }
echo "installed and validated: ${expected[*]}"
