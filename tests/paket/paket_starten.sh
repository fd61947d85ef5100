#!/usr/bin/env bash
# Builds the Debian package, unpacks it into a temporary folder, checks the
# desktop entry and the metainfo, and starts the program from there offscreen
# until its main menu is on the screen.
set -euo pipefail
build="$1"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

(cd "$build" && cpack -G DEB -B "$tmp/paket" >/dev/null)
deb=$(ls "$tmp"/paket/*.deb)
dpkg-deb -x "$deb" "$tmp/wurzel"
id=example.lumenstelle.Grobrechner
for datei in usr/bin/grobrechner usr/share/applications/$id.desktop usr/share/metainfo/$id.metainfo.xml \
             usr/share/icons/hicolor/scalable/apps/$id.svg usr/share/mime/packages/$id.xml \
             usr/share/doc/grobrechner/beispiele/strassenliste.csv; do
    [ -e "$tmp/wurzel/$datei" ] || { echo "fehlt im Paket: $datei"; exit 1; }
done
# Printing loads its module from a folder of the program's own.
[ -n "$(find "$tmp/wurzel/usr/lib" -path '*/grobrechner/libgrobrechner_drucken.so')" ] \
    || { echo "fehlt im Paket: das Druckmodul libgrobrechner_drucken.so"; exit 1; }
desktop-file-validate "$tmp/wurzel/usr/share/applications/$id.desktop"
# The MIME type: shared-mime-info reads the file and gives calculation files their type.
update-mime-database "$tmp/wurzel/usr/share/mime"
if ! grep -q ':application/x-grobrechner:\*\.grob$' "$tmp/wurzel/usr/share/mime/globs2"; then
    echo "shared-mime-info kennt *.grob nicht als application/x-grobrechner"
    exit 1
fi
appstreamcli validate --no-net --pedantic "$tmp/wurzel/usr/share/metainfo/$id.metainfo.xml" >/dev/null \
    || appstreamcli validate --no-net "$tmp/wurzel/usr/share/metainfo/$id.metainfo.xml"

ausgabe=$(QT_QPA_PLATFORM=offscreen GROBRECHNER_STARTMESSUNG=1 timeout 60 "$tmp/wurzel/usr/bin/grobrechner")
if [ "$ausgabe" != "Hauptmenü sichtbar" ]; then
    echo "Das Programm aus dem Paket hat sein Hauptmenü nicht gezeigt: »$ausgabe«"
    exit 1
fi
# The example list computes from the package, its one deliberate error named (exit code 3).
code=0
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM timeout 60 "$tmp/wurzel/usr/bin/grobrechner" \
    --liste "$tmp/wurzel/usr/share/doc/grobrechner/beispiele/strassenliste.csv" --csv "$tmp/liste.csv" \
    2>"$tmp/liste.err" || code=$?
if [ "$code" -ne 3 ] || ! grep -q "^grobrechner: Zeile 21, Lichtpunktabstand: " "$tmp/liste.err"; then
    echo "Die Beispielliste aus dem Paket ergab $code statt 3: $(cat "$tmp/liste.err")"
    exit 1
fi
echo "Paket $(basename "$deb") installiert sich und startet."
