#!/usr/bin/env bash
# installed.sh <build folder> <version>
# Installs into a staging folder and tries the result as a user would: the files a desktop
# needs are there and valid, the program answers --version without a display, and its first
# start makes and seeds the user's data folder.
set -euo pipefail
build=$1
version=$2
work=$(mktemp -d)
pid=
cleanup() {
  if [ -n "$pid" ]; then kill "$pid" 2>/dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

DESTDIR=$work/root cmake --install "$build" --prefix /usr > "$work/install.log"
usr=$work/root/usr
id=org.chordex.Chordex

for f in bin/chordex share/chordex/def share/chordex/tips.txt share/chordex/db/Sample.mdb \
         share/applications/$id.desktop share/metainfo/$id.metainfo.xml \
         share/icons/hicolor/scalable/apps/$id.svg; do
  [ -f "$usr/$f" ] || fail "$f is not installed"
done
for size in 16 22 24 32 48 64 128 256; do
  file "$usr/share/icons/hicolor/${size}x${size}/apps/$id.png" | grep -q "PNG image data, $size x $size" \
    || fail "the $size px icon is missing or not $size x $size"
done
# Help files and start page pictures the build made go along with the program.
for f in "$build"/*.qch "$build"/*.qhc "$build"/*.jpg "$build"/*.gif; do
  [ -e "$f" ] || continue
  cmp -s "$f" "$usr/share/chordex/$(basename "$f")" || fail "$(basename "$f") is not installed"
done

desktop-file-validate "$usr/share/applications/$id.desktop" || fail "desktop entry invalid"
appstreamcli validate --no-net "$usr/share/metainfo/$id.metainfo.xml" > "$work/appstream.log" \
  || { cat "$work/appstream.log"; fail "metainfo invalid"; }

out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$usr/bin/chordex" --version)
[ "$out" = "Chordex $version" ] || fail "--version printed '$out'"
if env -u DISPLAY "$usr/bin/chordex" --no-such-option --version > /dev/null 2>&1; then
  fail "an unknown option was accepted"
fi

# The installed program's first start in a fresh home seeds its data folder.
data=$work/home/.local/share/Chordex/Chordex
mkdir -p "$work/home"
env -u XDG_DATA_HOME -u XDG_CONFIG_HOME -u CHORDEX_HOME HOME="$work/home" \
    QT_QPA_PLATFORM=offscreen QTWEBENGINE_DISABLE_SANDBOX=1 "$usr/bin/chordex" \
    > "$work/run.log" 2>&1 &
pid=$!
for _ in $(seq 1 150); do
  if [ -f "$data/def" ] && [ -d "$data/db" ]; then break; fi
  sleep 0.2
done
sleep 1
kill -0 "$pid" 2>/dev/null || { cat "$work/run.log"; fail "the installed program did not keep running"; }
kill "$pid"
wait "$pid" 2>/dev/null || true
pid=
for f in def tips.txt db/Sample.mdb; do
  cmp -s "$usr/share/chordex/$f" "$data/$f" || fail "first start did not copy $f"
done
echo "installed program: all checks passed"
