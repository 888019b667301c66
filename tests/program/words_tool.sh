#!/usr/bin/env bash
# lexaro-words on real data no one here wrote: Debian's FreeDict English-German dictd files
# imported into an empty table, a sample of their headwords looked up from standard input,
# the table exported and imported again with the same rows; then the errors a user meets.
# Usage: words_tool.sh <program folder> <lexaro_make_database>
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
WORK=$(mktemp -d)
source "$here/lib.sh"
# lib.sh owns the EXIT trap; the work folder (half a gigabyte of databases) goes with it.
remove_work() { rm -rf "$WORK"; }
AT_EXIT+=(remove_work)
words="$1/lexaro-words"
make_database="$2"
freedict=/usr/share/dictd/freedict-eng-deu
[ -f "$freedict.index" ] || fail "dict-freedict-eng-deu is not installed"

# empty_database FILE [TABLE LIST]...: a database with the nine tables and no words, or only
# the lists given for their tables.
empty_database() {
  local out=$1
  shift
  mkdir -p "$WORK/no-words"
  for t in Arabic English Finnish French German Italian Spanish Swedish; do
    : >"$WORK/no-words/${t}_to_Persian.tsv"
  done
  : >"$WORK/no-words/Computer_and_Internet.tsv"
  while [ $# -ge 2 ]; do
    cp "$2" "$WORK/no-words/$1.tsv"
    shift 2
  done
  "$make_database" "$WORK/no-words" "$out"
}
# on_terminal COMMAND...: runs the command with a terminal for its output, as a user would.
on_terminal() { script -qec "$(printf '%q ' "$@")" /dev/null; }

db="$WORK/Lexaro.db"
empty_database "$db"
# Whether the tool is the sanitizer build. Read whole, not through "| grep -q": under pipefail
# grep's early exit can kill ldd with SIGPIPE and make the answer "no" at random.
case "$(ldd "$words")" in *libasan*) sanitized=true ;; *) sanitized=false ;; esac
# Under the sanitizer the FreeDict round trip is left to the plain build: it is the same code
# over 369,000 entries and takes a minute and a half there; the readers are fuzzed under it.
if ! $sanitized; then
  "$words" --database "$db" import German "$freedict.index" >"$WORK/out" 2>"$WORK/err" \
    || fail "the FreeDict import failed: $(cat "$WORK/err")"
  grep -q '^German to persian dictionary: [0-9]* words added, 0 replaced, 0 already there' "$WORK/out" \
    || fail "import summary: $(cat "$WORK/out")"
  grep -q $'\r' "$WORK/err" && fail "a progress bar was drawn where standard error is a file"
  grep -q 'left out 2 entries whose headword is longer than 256 characters: .index line 18429' \
    "$WORK/err" || fail "no note of the sentences left out: $(cat "$WORK/err")"
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
fi

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
# An imported word no spell-checker knows is found through its inflections (the forms table).
printf 'zorbify\tZORBTEXT\n' >"$WORK/forms.tsv"
empty_database "$WORK/forms.db"
"$words" --database "$WORK/forms.db" import English "$WORK/forms.tsv" >/dev/null \
  || fail "import into a copy"
"$words" --database "$WORK/forms.db" lookup English zorbified | grep -q ZORBTEXT \
  || fail "an imported word not found through its inflection"
# A bundled word's forms leave out a name the rules make of it (Ewing is no form of ewe, ewes
# is) and a word the spell-checker's dictionary shows to be another: Köcher (a quiver) is no
# plural of Koch, mehren (to increase) no form of mehr, skotte (a Scot) none of skott, tanker
# (a tanker) none of tanka, flor (a veil) none of flora, bytt (changed) none of by (a village),
# fixare (a fixer) none of fixar, peri (pear trees) none of pera, tillägger (adds) none of
# tillägg (an addition), hemman (a homestead) none of hemma (at home), latens (latency) none
# of lat (lazy); definer (one who defines) is no comparative of define, a verb only. Straftäter
# (an offender) is no plural of Straftat, as Täter is none of Tat; Fahrräder is Fahrrad's, and
# the listed Kapitalien Kapital's, though the spell-checker does not know it.
printf 'ewe\tEWETEXT\ndefine\t%s\n' 'تعریف کردن' >"$WORK/ewe.tsv"
printf 'Koch\tKOCHTEXT\nmehr\tMEHRTEXT\nStraftat\tSTRAFTAT\nFahrrad\tFAHRRAD\nKapital\tKAPITAL\n' \
  >"$WORK/de.tsv"
printf 'pera\tPERATEXT\n' >"$WORK/it.tsv"
printf 'skott\tSKOTTTEXT\ntanka\tTANKATEXT\nflora\tFLORATEXT\nby\tBYTEXT\nfixar\tFIXARTEXT\n' >"$WORK/sv.tsv"
printf 'tillägg\tTILLÄGGTEXT\nhemma\tHEMMATEXT\nlat\tLATTEXT\n' >>"$WORK/sv.tsv"
empty_database "$WORK/ewe.db" English_to_Persian "$WORK/ewe.tsv" \
  German_to_Persian "$WORK/de.tsv" Swedish_to_Persian "$WORK/sv.tsv" \
  Italian_to_Persian "$WORK/it.tsv"
# shows DICTIONARY WORD TEXT: whether looking the word up shows the text.
shows() { "$words" --database "$WORK/ewe.db" lookup "$1" "$2" | grep -q "$3"; }
for found in "English ewes EWE" "German Köche KOCH" "Swedish skotten SKOTT" \
  "Swedish tankar TANKA" "Swedish floror FLORA" "Swedish byar BYTEXT" "Swedish tilläggen TILLÄGG" \
  "German Fahrräder FAHRRAD" "German Kapitalien KAPITAL" "Italian pere PERA"; do
  # shellcheck disable=SC2086 # three words
  shows $found || fail "not found: $found"
done
for other in "English ewing EWE" "English definer define" "German Köcher KOCH" \
  "German mehren MEHR" "Swedish skotte SKOTT" "Swedish tanker TANKA" "Swedish flor FLORA" "Swedish bytt BYTEXT" \
  "Swedish fixare FIXARTEXT" "Swedish tillägger TILLÄGG" "Swedish hemman HEMMATEXT" \
  "Swedish latens LATTEXT" "German Straftäter STRAFTAT" "Italian peri PERA"; do
  # shellcheck disable=SC2086
  shows $other && fail "a form of another word: $other"
done
printf 'c\td\nno tab here\n' >"$WORK/bad.tsv"
expect_status 2 "$words" --database "$db" import English "$WORK/bad.tsv"
grep -q 'bad.tsv: line 2: expected one tab' "$WORK/err" || fail "message: $(cat "$WORK/err")"
[ "$("$words" --database "$db" export English)" = $'a\tb' ] || fail "a failed import changed the table"
expect_status 2 "$words" --database "$WORK/none.db" lookup English a
[ -e "$WORK/none.db" ] && fail "a database was created"
expect_status 2 "$words" --database "$db" export English "$WORK/no/such/folder/x.tsv"
pass "usage and data errors"

"$words" import --help | grep '^Usage: lexaro-words import \[options\] DICTIONARY FILE' >/dev/null \
  || fail "import --help"
pass "help"

# Hostile files, small on disk, made here: each import ends at once with status 2 and one
# line naming the cause, in bounded memory and time, and leaves the table as it was. A 4 GB
# sparse definition file with one real entry imports that entry without reading the rest.
/usr/bin/python3 "$here/hostile_words.py" "$WORK/hostile"
h="$WORK/hostile"
bounded() { # COMMAND...: at most 512 MiB of address space (not under the sanitizers) and 30 s
  if $sanitized; then timeout 30 "$@"; else prlimit --as=$((512 << 20)) -- timeout 30 "$@"; fi
}
hostile() { # FILE PATTERN: the import of FILE fails with a message matching PATTERN
  expect_status 2 bounded "$words" --database "$db" import English "$1"
  grep -q -- "$2" "$WORK/err" || fail "message for $(basename "$1"): $(cat "$WORK/err")"
}
hostile "$h/whole.ifo" 'idx entry 1 (.w0.): its definition at offset 0 is 1048576 bytes, longer than 65536'
hostile "$h/repeat.index" 'ask for 1440000000 bytes of definitions'
hostile "$h/bomb.index" 'decompresses to more than'
hostile "$h/long.tsv" 'long.tsv: line 2: the headword is longer than 256 characters'
mkfifo "$h/fifo.tsv"
hostile "$h/fifo.tsv" 'not a regular file'
hostile /dev/zero 'not a regular file'
hostile "$h" 'a folder, not a file'
[ "$("$words" --database "$db" export English)" = $'a\tb' ] || fail "a refused import changed the table"
bounded "$words" --database "$db" import English "$h/sparse.ifo" >"$WORK/out" 2>"$WORK/err" \
  || fail "the sparse file's entry was not imported: $(cat "$WORK/err")"
[ "$("$words" --database "$db" lookup English sparse)" = "sparse word" ] || fail "sparse entry"
pass "hostile imports refused in bounded memory and time"

# A database another program holds locked is busy, for a look-up as for an import.
hold_lock "$db"
expect_status 2 "$words" --database "$db" lookup English a
grep -q 'the database is busy' "$WORK/err" || fail "lookup under a lock: $(cat "$WORK/err")"
expect_status 2 "$words" --database "$db" import English "$WORK/good.tsv"
grep -q 'busy' "$WORK/err" || fail "import under a lock: $(cat "$WORK/err")"
kill "$locker"
wait "$locker" 2>/dev/null || true
pass "a locked database is busy"
