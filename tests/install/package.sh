#!/usr/bin/env bash
# package.sh <build folder> <version>
# Builds the Debian package apart from the build folder's own and reads it back: its name,
# the dependencies apt must bring in, and the files it installs.
set -euo pipefail
build=$1
version=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work" > "$work/cpack.log" \
  || { cat "$work/cpack.log"; fail "cpack failed"; }
deb=$work/chordex_${version}_amd64.deb
[ -f "$deb" ] || { ls "$work"; fail "no chordex_${version}_amd64.deb"; }

[ "$(dpkg-deb -f "$deb" Package)" = chordex ] || fail "wrong package name"
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "wrong package version"
depends=$(dpkg-deb -f "$deb" Depends)
names=$(tr ',|' '\n\n' <<< "$depends" | awk '{print $1}')
# The package of every library the program links, and what Qt loads at run time.
linked=$(readelf -d "$build/chordex" | sed -n 's/.*Shared library: \[\(.*\)\]/\1/p')
[ -n "$linked" ] || fail "cannot read the program's libraries"
for lib in $linked; do
  path=$(ldd "$build/chordex" | awk -v l="$lib" '$1 == l {print $3}')
  p=$( (dpkg -S "$path" || dpkg -S "/usr$path") 2>/dev/null | head -n1 | cut -d: -f1)
  [ -n "$p" ] || fail "no package holds $lib"
  grep -qxF "$p" <<< "$names" || fail "Depends lacks $p (for $lib): $depends"
done
for p in libqscintilla2-qt6-15 libsqlite3-0 qt6-qpa-plugins libqt6svg6 libqt6sql6-sqlite \
         libqt6webenginecore6-bin tango-icon-theme; do
  grep -qxF "$p" <<< "$names" || fail "Depends lacks $p: $depends"
done

# The files themselves are checked in installed.sh; here, that the package carries them.
contents=$(dpkg-deb -c "$deb" | awk '{print $NF}')
for f in ./usr/bin/chordex ./usr/share/chordex/def ./usr/share/chordex/db/Sample.mdb \
         ./usr/share/applications/org.chordex.Chordex.desktop; do
  grep -qx -- "$f" <<< "$contents" || fail "the package lacks $f"
done
echo "package: all checks passed"
