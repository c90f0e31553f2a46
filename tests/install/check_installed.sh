#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a fresh prefix and checks the tree as a desktop and
# a distribution would: exactly the expected files, a valid desktop entry,
# AppStream metainfo and MIME definition, every icon at its size, manual
# pages that format, and programs that start from there.
#   check_installed.sh BUILD_DIR PREFIX VERSION EXPECTED_FILES
set -uo pipefail
build="$1" prefix="$2" version="$3" expected="$4"
id=jp.example.kalvex
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
need() { command -v "$1" >/dev/null || { echo "SKIP: $1 is not installed"; exit 77; }; }
for tool in desktop-file-validate appstreamcli xmllint update-mime-database identify man; do need "$tool"; done

rm -rf "$prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null || { echo "FAIL: cmake --install"; exit 1; }

# Exactly the expected files, no more and no fewer.
actual="$(cd "$prefix" && find . \( -type f -o -type l \) | sed 's|^\./||' | LC_ALL=C sort)"
if ! diff <(LC_ALL=C sort "$expected") <(echo "$actual") >/dev/null; then
  fail "installed files differ from $expected:"
  diff <(LC_ALL=C sort "$expected") <(echo "$actual")
fi

desktop="$prefix/share/applications/$id.desktop"
# Hints are advice, not faults: Education and Science are both main
# categories, and the program belongs in both menus.
out="$(desktop-file-validate "$desktop" 2>&1)" || fail "desktop-file-validate: $out"
if grep -v ': hint: ' <<<"$out" | grep -q .; then fail "desktop-file-validate: $out"; fi
for key in 'Exec=Kalvex %f' 'Icon=jp.example.kalvex' 'MimeType=application/x-kalvex-equation;' \
           'Categories=Education;Math;Science;' 'Name[ja]=' 'Comment[ja]=' 'Keywords[ja]='; do
  grep -qF "$key" "$desktop" || fail "desktop entry lacks $key"
done

metainfo="$prefix/share/metainfo/$id.metainfo.xml"
out="$(appstreamcli validate --no-net "$metainfo" 2>&1)" || fail "appstreamcli validate: $out"
grep -q "<release version=\"$version\" date=\"[0-9-]*\"" "$metainfo" || fail "metainfo lacks release $version"

# The MIME definition against the document type that shared-mime-info ships
# inside its own database, and as the database compiles it.
mime="$prefix/share/mime/packages/$id.xml"
dtd="$(mktemp)"
trap 'rm -f "$dtd"' EXIT
sed -n '/<!DOCTYPE mime-info \[/,/^\]>/p' /usr/share/mime/packages/freedesktop.org.xml | sed '1d;$d' > "$dtd"
[ -s "$dtd" ] || fail "no document type in shared-mime-info's own database"
xmllint --noout --dtdvalid "$dtd" "$mime" || fail "MIME definition does not match its document type"
cp -r "$prefix/share/mime" "$prefix/mime-check"
update-mime-database "$prefix/mime-check" >/dev/null 2>&1 || fail "update-mime-database"
grep -q '^50:application/x-kalvex-equation:\*\.kalvex$' "$prefix/mime-check/globs2" || fail "*.kalvex is not in the compiled MIME globs"
rm -rf "$prefix/mime-check"

for size in 16 24 32 48 64 128 256; do
  png="$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png"
  got="$(identify -format '%wx%h' "$png" 2>/dev/null)"
  [ "$got" = "${size}x${size}" ] || fail "icon $png is '$got', not ${size}x${size}"
done
xmllint --noout "$prefix/share/icons/hicolor/scalable/apps/$id.svg" || fail "the scalable icon is not XML"

for page in kalvex-solve Kalvex zemo; do
  out="$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$prefix/share/man/man1/$page.1.gz" 2>&1 >/dev/null)"
  [ -z "$out" ] || fail "man page $page: $out"
done
grep -q "Kalvex $version" <(zcat "$prefix/share/man/man1/kalvex-solve.1.gz") || fail "man page lacks version $version"

# The programs run from the prefix and carry the project's version.
for program in Kalvex zemo kalvex-solve; do
  [ "$("$prefix/bin/$program" --version)" = "$program $version" ] || fail "$program --version"
done
# They find their translation: English under an English locale, the
# designed Japanese under C.
missing="$prefix/no such equation.kalvex"
for program in Kalvex kalvex-solve; do
  arguments=("$missing")
  [ "$program" = Kalvex ] && arguments+=(--export "$prefix/graph.png")
  for case in "en_US.UTF-8:Cannot open it" "C:開けません"; do
    locale="${case%%:*}" text="${case#*:}"
    out="$(env -u LC_ALL -u LC_MESSAGES -u LANGUAGE LANG="$locale" "$prefix/bin/$program" "${arguments[@]}" 2>&1)"
    grep -qF "$text" <<<"$out" || fail "$program under LANG=$locale says '$out', not '$text'"
  done
done
export QT_QPA_PLATFORM=offscreen
for program in Kalvex zemo; do
  "$prefix/bin/$program" &
  pid=$!
  sleep 2
  if kill -0 "$pid" 2>/dev/null; then kill "$pid"; wait "$pid" 2>/dev/null; else fail "$program did not keep running"; fi
done

[ "$failures" -eq 0 ] || { echo "$failures failure(s)"; exit 1; }
echo "installed tree in $prefix: all checks passed"
