#!/usr/bin/env bash
# The manual a package carries, README.txt: plain text without Markdown's
# marks; the zip's (windows) with CR LF line ends and only characters of
# Windows-1252, the tarball's (twk) without the window's sections.
# Usage: package-manual.sh README.txt windows|twk
set -euo pipefail
manual=$1
kind=$2
fail() {
    echo "$manual: $*" >&2
    exit 1
}
[ -s "$manual" ] || fail "missing or empty"
if grep -n -E '`|^#+ |^\||<!--|!\[|\]\(' "$manual"; then
    fail "holds Markdown's marks (above)"
fi
grep -q -i 'download' "$manual" && fail "tells to download"
if [ "$kind" = windows ]; then
    [ "$(grep -c $'\r$' "$manual")" = "$(wc -l <"$manual")" ] || fail "has a line end other than CR LF"
    iconv -f CP1252 -t UTF-8 "$manual" >/dev/null || fail "holds a byte that is no Windows-1252 character"
    grep -q '^THE WINDOW' "$manual" || fail "leaves the window out"
else
    grep -q $'\r' "$manual" && fail "has CR LF line ends"
    grep -q '^THE WINDOW' "$manual" && fail "tells of the window, which the tarball does not hold"
fi
grep -q '^TWK: THE LIBRARY FROM THE COMMAND LINE' "$manual" || fail "leaves twk out"
echo "$manual: a plain manual for the $kind package"
