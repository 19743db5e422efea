#!/usr/bin/env bash
# commandline.sh <build folder>
# The command line as a script uses it: exit codes, summary line, nothing written on a refusal.
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

home=$work/home
mkdir -p "$home/db"
cp "$build/def" "$home/def"
cp "$build/db/Sample.mdb" "$home/db/Sample.mdb"
export CHORDEX_HOME=$home XDG_CONFIG_HOME=$work/config
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
chordex=$build/chordex
store=$home/db/Sample.mdb
files=$(sqlite3 "$store" "SELECT COUNT(*) FROM file")

status() { set +e; "$@" > "$work/out" 2> "$work/err"; echo $?; set -e; }

# Export: every file, then a refusal that writes nothing, then --force.
[ "$(status "$chordex" export "$work/out1")" = 0 ] || { cat "$work/err"; fail "export failed"; }
[ "$(find "$work/out1" -name '*.tab' | wc -l)" = "$files" ] || fail "export did not write $files files"
some=$(find "$work/out1" -name '*.tab' | head -n 1)
echo mine > "$some"
[ "$(status "$chordex" export "$work/out1")" = 1 ] || fail "export over existing files did not fail"
[ "$(cat "$some")" = mine ] || fail "a refused export overwrote a file"
[ "$(status "$chordex" export --force "$work/out1")" = 0 ] || fail "export --force failed"
[ "$(cat "$some")" != mine ] || fail "export --force did not replace the file"

# Import the export into a new category.
[ "$(status "$chordex" import --into "Round trip" "$work/out1")" = 0 ] || { cat "$work/err"; fail "import failed"; }
[ "$(tail -n 1 "$work/out")" = "$files imported, 0 skipped, 0 refused" ] || fail "summary: $(tail -n 1 "$work/out")"

# Failures and wrong arguments change nothing.
before=$(sqlite3 "$store" "SELECT COUNT(*) FROM file")
[ "$(status "$chordex" import --into New "$work/nowhere")" = 1 ] || fail "a missing source did not fail"
[ "$(sqlite3 "$store" "SELECT COUNT(*) FROM categories WHERE category='New'")" = 0 ] || fail "a failed import left a category"
[ "$(status "$chordex" import "$work/out1")" = 2 ] || fail "import without --into was not a usage error"
[ "$(status "$chordex" export --store ../Sample "$work/out3")" = 1 ] || fail "a store name with a path was accepted"
[ "$(sqlite3 "$store" "SELECT COUNT(*) FROM file")" = "$before" ] || fail "a refused command changed the store"

# A songbook without a display.
[ "$(status "$chordex" songbook --from "Round trip" "$work/book.pdf")" = 0 ] || { cat "$work/err"; fail "songbook failed"; }
[ "$(head -c 5 "$work/book.pdf")" = "%PDF-" ] || fail "the songbook is not a PDF"
echo "command line: all checks passed"
