#!/usr/bin/env bash
# Builds the Debian package, unpacks it into a scratch folder (it is not installed) and checks
# what it holds: every file, the desktop entry and the metainfo valid, the versions agreeing, the
# unpacked program showing its window on a virtual X server, and lintian with nothing to say.
#   package_test.sh SOURCE_DIR APP_ID CLOSE_TOOL
set -euo pipefail

source=$1
id=$2
close_tool=$3

if [[ -z "${QUARN_INSIDE_XVFB:-}" ]]; then
    "$source/tools/build-package"
    export QUARN_INSIDE_XVFB=1
    exec xvfb-run -a -s "-screen 0 1024x768x24 -noreset" "$0" "$@"
fi

deb=$(ls "$source"/build/game-of-quarn_*.deb)
scratch=$(mktemp -d)
pid=
trap 'kill $pid 2>/dev/null || true; rm -rf "$scratch"' EXIT
dpkg-deb -x "$deb" "$scratch"
root=$scratch/usr

echo "$(basename "$deb") installs:"
dpkg-deb --contents "$deb" | awk '{print "  " $6}' | grep -v '/$'

expected=(
    "games/game-of-quarn"
    "share/applications/$id.desktop"
    "share/metainfo/$id.metainfo.xml"
    "share/mime/packages/$id.xml"
    "share/icons/hicolor/scalable/apps/$id.svg"
    "share/icons/hicolor/48x48/apps/$id.png"
    "share/icons/hicolor/128x128/apps/$id.png"
    "share/man/man6/game-of-quarn.6.gz"
    "share/doc/game-of-quarn/copyright"
    "share/doc/game-of-quarn/changelog.gz"
    "share/doc/game-of-quarn/README.md.gz"
    "share/game-of-quarn/patterns/glider.cells"
)
for file in "${expected[@]}"; do
    [[ -s "$root/$file" ]] || { echo "missing from the package: $file"; exit 1; }
done
# The sound module, which the program loads beside its libraries only when a sound is asked for.
ls "$root"/lib/*/game-of-quarn/quarn-sound-output.so > /dev/null ||
    { echo "missing from the package: the sound module"; exit 1; }
desktop-file-validate "$root/share/applications/$id.desktop"
appstreamcli validate --no-net "$root/share/metainfo/$id.metainfo.xml"

# One version everywhere: the package, the program and the metainfo's latest release.
package_version=$(dpkg-deb -f "$deb" Version)
program_version=$("$root/games/game-of-quarn" --version)
release=$(grep -o '<release version="[^"]*"' "$root/share/metainfo/$id.metainfo.xml" | head -n 1 |
          cut -d'"' -f2)
echo "versions: package $package_version, program '$program_version', metainfo $release"
[[ "$program_version" == "game-of-quarn $package_version" && "$release" == "$package_version" ]] ||
    { echo "the versions differ"; exit 1; }

# The unpacked program starts and shows its window.
unset QT_QPA_PLATFORM
"$root/games/game-of-quarn" &
pid=$!
window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Game of Quarn$' | head -n 1)
[[ -n "$window" ]] || { echo "the unpacked program showed no window"; exit 1; }
echo "the unpacked program shows: $(xdotool getwindowname "$window"), $(xdotool getwindowgeometry "$window" | tail -n 1)"
"$close_tool" "$window"
wait "$pid"

echo "lintian:"
lintian --fail-on error,warning --display-info "$deb"
echo "lintian has no errors or warnings"
