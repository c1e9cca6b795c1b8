#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks the installed tree as a user's machine
# would see it: the files in their places, the desktop and AppStream files valid, the man pages
# rendering, and the installed Beamsmith started from another folder with an empty home finding
# its shipped files and the manual, keeping the user's files in Documents/Beamsmith and its
# placement over two starts. A portable copy keeps its files beside itself.
# Usage: check-installed-tree.sh BUILD_DIR SOURCE_DIR
set -euo pipefail
build=$(cd "$1" && pwd)
source=$(cd "$2" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix="$work/prefix"
failures=0

fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}
expect_file() {
  [ -f "$1" ] || fail "missing $1"
}
expect_line() {  # output, line
  grep -qxF -- "$2" <<<"$1" || fail "expected the line '$2' in:"$'\n'"$1"
}

cmake --install "$build" --prefix "$prefix" >/dev/null

# The layout
for program in Beamsmith beamsmith-cli yagi; do
  [ -x "$prefix/bin/$program" ] || fail "missing program bin/$program"
done
data="$prefix/share/beamsmith"
while IFS= read -r -d '' shipped; do
  expect_file "$data/${shipped#"$source/data/"}"
done < <(find "$source/data" -type f ! -name '.*' -print0)
for id in org.beamsmith.Beamsmith org.beamsmith.yagi; do
  expect_file "$prefix/share/applications/$id.desktop"
  expect_file "$prefix/share/metainfo/$id.metainfo.xml"
  expect_file "$prefix/share/icons/hicolor/scalable/apps/$id.svg"
  expect_file "$prefix/share/icons/hicolor/48x48/apps/$id.png"
  expect_file "$prefix/share/icons/hicolor/256x256/apps/$id.png"
  desktop-file-validate "$prefix/share/applications/$id.desktop" | grep -v ': hint:' &&
    fail "desktop-file-validate complains about $id.desktop"
  appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" >/dev/null ||
    fail "appstreamcli validate fails on $id.metainfo.xml"
done

# The man pages render without warnings
for page in Beamsmith beamsmith-cli yagi; do
  file="$prefix/share/man/man1/$page.1"
  expect_file "$file"
  text=$(MANWIDTH=80 man --warnings -l "$file" 2>"$work/man-warnings") || fail "man -l $page.1"
  [ -s "$work/man-warnings" ] && fail "man warnings for $page.1: $(cat "$work/man-warnings")"
  grep -q "^NAME" <<<"$text" || fail "man -l $page.1 renders no NAME section"
done

# The installed Beamsmith, started from another folder with an empty home
home="$work/home"
elsewhere="$work/elsewhere"
mkdir -p "$home" "$elsewhere"
run_check() {  # program, working folder, placement to leave
  (cd "$2" && env -i PATH="$PATH" HOME="$home" LANG=C.UTF-8 QT_QPA_PLATFORM=offscreen \
    XDG_RUNTIME_DIR="$work" "$1" --check-installation "$3" 2>/dev/null)
}
first=$(run_check "$prefix/bin/Beamsmith" "$elsewhere" 120,80,800,600)
userdir="$home/Documents/Beamsmith"
expect_line "$first" "program-dir: $userdir"
expect_line "$first" "ini: $home/.config/Beamsmith/Beamsmith.ini"
expect_line "$first" "manual: $data/manual/index.html (found)"
expect_line "$first" "help: $data/manual/index.html (found)"
[ -f "$source/data/Coax.dta" ] && expect_line "$first" "coax: $data/Coax.dta (found)"
grep -q '^topic .*(missing)$' <<<"$first" && fail "manual pages missing:"$'\n'"$first"
expect_line "$first" "message: Program data saved"
expect_line "$first" "saved: $userdir/Zuzo.cnf (found)"
expect_line "$first" "confirm: Close program?"
[ "$(grep -c '^message:' <<<"$first")" = 1 ] || fail "more than one message:"$'\n'"$first"
expect_file "$userdir/Zuzo.cnf"
expect_file "$home/.config/Beamsmith/Beamsmith.ini"
[ -z "$(ls -A "$elsewhere")" ] || fail "the installed program wrote into its start folder: $(ls "$elsewhere")"
second=$(run_check "$prefix/bin/Beamsmith" "$elsewhere" "")
expect_line "$second" "placement: 120,80,800,600"

# A portable copy (as build/bin): the ini file beside the program, the data in the start folder
portable="$work/portable"
mkdir -p "$portable"
cp "$build/bin/Beamsmith" "$portable/"
cp -r "$source/data/." "$portable/"
third=$(run_check "$portable/Beamsmith" "$portable" 40,30,700,500)
expect_line "$third" "program-dir: $portable"
expect_line "$third" "ini: $portable/Beamsmith.ini"
expect_line "$third" "manual: $portable/manual/index.html (found)"
expect_file "$portable/Zuzo.cnf"
expect_file "$portable/Beamsmith.ini"
[ -e "$home/Documents/Beamsmith/Beamsmith.ini" ] && fail "the portable copy wrote into the home folder"

if [ "$failures" -gt 0 ]; then
  echo "$failures check(s) of the installed tree failed" >&2
  exit 1
fi
echo "installed tree checked: $prefix"
