#!/usr/bin/env bash
# Builds the Debian package, installs it, checks the installed files, starts the installed
# menu launcher offscreen with a fresh HOME, and removes the package again.
set -euo pipefail
cd "$(dirname "$0")/.."
sudo_cmd=""
[ "$(id -u)" -eq 0 ] || sudo_cmd="sudo"
scripts/install-deps.sh test
cmake -S . -B build-package -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
    -DENALOTTO_BENCH=OFF >/dev/null
cmake --build build-package
(cd build-package && cpack >/dev/null)
deb=$(ls "$PWD"/build-package/superenalotto_*.deb)
echo "== installing $deb"
DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq "$deb" >/dev/null
trap 'DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get remove -y -qq superenalotto >/dev/null 2>&1 || true' EXIT

for f in /usr/bin/superenalotto /usr/bin/superenalotto-archivio /usr/bin/superenalotto-avvio \
    /usr/bin/superenalotto-aggiorna /usr/share/applications/superenalotto-aggiorna.desktop \
    /usr/share/icons/hicolor/48x48/apps/superenalotto-aggiorna.png \
    /usr/share/superenalotto/se /usr/share/applications/superenalotto.desktop \
    /usr/share/icons/hicolor/scalable/apps/superenalotto.svg \
    /usr/share/icons/hicolor/48x48/apps/superenalotto.png \
    /usr/share/metainfo/io.github.superenalotto.veltramo.metainfo.xml; do
    [ -e "$f" ] || { echo "missing after install: $f" >&2; exit 1; }
done
desktop-file-validate /usr/share/applications/superenalotto.desktop
desktop-file-validate /usr/share/applications/superenalotto-aggiorna.desktop
if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net --pedantic /usr/share/metainfo/io.github.superenalotto.veltramo.metainfo.xml
fi
superenalotto-archivio verifica /usr/share/superenalotto/se

echo "== starting the menu launcher with a fresh HOME"
home=$(mktemp -d)
set +e
HOME="$home" QT_QPA_PLATFORM=offscreen timeout 5 superenalotto-avvio 2>/dev/null
status=$?
set -e
# 124: still running when the time was up, as a desktop program should be.
[ "$status" -eq 124 ] || { echo "the program ended early (status $status)" >&2; exit 1; }
cmp "$home/SuperEnalotto/se" /usr/share/superenalotto/se
# A shop's own archive is never overwritten by the next start.
printf 'x' >>"$home/SuperEnalotto/se"
HOME="$home" QT_QPA_PLATFORM=offscreen timeout 2 superenalotto-avvio >/dev/null 2>&1 || true
[ "$(stat -c %s "$home/SuperEnalotto/se")" -eq $(( $(stat -c %s /usr/share/superenalotto/se) + 1 )) ]
rm -rf "$home"

echo "== starting the archive window from its menu entry's command"
home=$(mktemp -d)
set +e
HOME="$home" QT_QPA_PLATFORM=offscreen timeout 5 superenalotto-avvio --aggiorna 2>/dev/null
status=$?
set -e
[ "$status" -eq 124 ] || { echo "the archive window ended early (status $status)" >&2; exit 1; }
cmp "$home/SuperEnalotto/se" /usr/share/superenalotto/se
rm -rf "$home"

echo "== removing the package"
DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get remove -y -qq superenalotto >/dev/null
trap - EXIT
for f in /usr/bin/superenalotto /usr/bin/superenalotto-aggiorna /usr/share/superenalotto/se \
    /usr/share/applications/superenalotto.desktop /usr/share/applications/superenalotto-aggiorna.desktop; do
    [ ! -e "$f" ] || { echo "left behind after removal: $f" >&2; exit 1; }
done
echo "package: installed, checked, started and removed cleanly"
