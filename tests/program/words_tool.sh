#!/usr/bin/env bash
# lexaro-words on real data no one here wrote: Debian's FreeDict English-German dictd files
# imported into an empty table, a sample of their headwords looked up from standard input,
# the table exported and imported again with the same rows; then the errors a user meets.
# Usage: words_tool.sh <program folder> <lexaro_make_database>
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
source "$here/lib.sh"
words="$1/lexaro-words"
make_database="$2"
freedict=/usr/share/dictd/freedict-eng-deu
[ -f "$freedict.index" ] || fail "dict-freedict-eng-deu is not installed"

# empty_database FILE: a database with the nine tables and no words.
empty_database() {
  mkdir -p "$WORK/no-words"
  for t in Arabic English Finnish French German Italian Spanish Swedish; do
    : >"$WORK/no-words/${t}_to_Persian.tsv"
  done
  : >"$WORK/no-words/Computer_and_Internet.tsv"
  "$make_database" "$WORK/no-words" "$1"
}
# on_terminal COMMAND...: runs the command with a terminal for its output, as a user would.
on_terminal() { script -qec "$(printf '%q ' "$@")" /dev/null; }

db="$WORK/Lexaro.db"
empty_database "$db"
"$words" --database "$db" import German "$freedict.index" >"$WORK/out" 2>"$WORK/err" \
  || fail "the FreeDict import failed: $(cat "$WORK/err")"
grep -q '^German to persian dictionary: [0-9]* words added, 0 replaced, 0 already there' "$WORK/out" \
  || fail "import summary: $(cat "$WORK/out")"
grep -q $'\r' "$WORK/err" && fail "a progress bar was drawn where standard error is a file"
pass "FreeDict imported: $(cat "$WORK/out")"

# Looked up from standard input, one result a line, exactly the stored definitions; a word
# not there gives the not-found text, an empty line an empty result.
/usr/bin/python3 "$here/dictd_sample.py" "$freedict.index" "$freedict.dict.dz" 300 run >"$WORK/sample"
{ cut -f1 "$WORK/sample"; echo; echo "qqq not a word"; } >"$WORK/words"
{ cut -f2- "$WORK/sample"; echo; echo "اين واژه در بانک اطلاعاتي برنامه موجود نيست"; } >"$WORK/expected"
"$words" --database "$db" lookup German <"$WORK/words" >"$WORK/results" || fail "lookup failed"
diff -q "$WORK/expected" "$WORK/results" >/dev/null \
  || fail "look-ups differ from the dictionary: $(diff "$WORK/expected" "$WORK/results" | head -5)"
pass "$(wc -l <"$WORK/words") words looked up through standard input"
"$words" --database "$db" lookup "German to persian dictionary" "cam-and-roller steering gear" \
  >"$WORK/one"
[ "$(head -n 1 "$WORK/one")" = "cam-and-roller steering gear /kˈam and ɹˈəʊlə stˈiəɹɪŋ ɡˈiə/" ] \
  || fail "headword as written: $(head -n 2 "$WORK/one")"
pass "a headword with hyphens found as written, by display name"

# Exported and imported into an empty table: the same rows, in the same order.
"$words" --database "$db" export German "$WORK/first.tsv"
copy="$WORK/copy.db"
empty_database "$copy"
on_terminal "$words" --database "$copy" import German "$WORK/first.tsv" >"$WORK/terminal"
grep -q 'Writing.*%' "$WORK/terminal" || fail "no progress bar on a terminal"
"$words" --database "$copy" export German >"$WORK/second.tsv"
cmp -s "$WORK/first.tsv" "$WORK/second.tsv" || fail "the re-imported export differs"
pass "export imported again gives the same $(wc -l <"$WORK/first.tsv") rows"

# Errors: one line on standard error, status 1 for usage and 2 for data, nothing changed.
expect_status() { # STATUS COMMAND...
  local want=$1 status=0
  shift
  "$@" >"$WORK/out" 2>"$WORK/err" || status=$?
  [ "$status" -eq "$want" ] || fail "status $status, not $want, for: $* ($(cat "$WORK/err"))"
  [ "$(wc -l <"$WORK/err")" -eq 1 ] || fail "not one line on standard error for: $*"
}
expect_status 1 "$words" --database "$db" lookup Klingon word
expect_status 1 "$words" --database "$db" import English x.tsv --replace --skip
expect_status 1 "$words" frobnicate
printf 'a\tb\n' >"$WORK/good.tsv"
"$words" --database "$db" import English "$WORK/good.tsv" >/dev/null
printf 'c\td\nno tab here\n' >"$WORK/bad.tsv"
expect_status 2 "$words" --database "$db" import English "$WORK/bad.tsv"
grep -q 'bad.tsv: line 2: expected one tab' "$WORK/err" || fail "message: $(cat "$WORK/err")"
[ "$("$words" --database "$db" export English)" = $'a\tb' ] || fail "a failed import changed the table"
expect_status 2 "$words" --database "$WORK/none.db" lookup English a
[ -e "$WORK/none.db" ] && fail "a database was created"
expect_status 2 "$words" --database "$db" export English "$WORK/no/such/folder/x.tsv"
pass "usage and data errors"

"$words" import --help | grep -q '^Usage: lexaro-words import \[options\] DICTIONARY FILE' \
  || fail "import --help"
pass "help"
