# Switches to the German dictionary with its picture, types a word, and reads the
# translation back through the accessibility bus as a screen reader would.
source "$(dirname "$0")/lib.sh"
start_desktop
start_panel bottom
start_lexaro
win=$(wait_for_title "$MAIN_TITLE") || fail "the main window did not appear"
# The German picture: left 8, top 314, 41 x 41 pixels inside the window.
read -r x y < <(client_origin "$win")
xdotool mousemove $((x + 28)) $((y + 334)) click 1
german="German to persian dictionary"
atspi wait-text --role label "$german" "$german" || fail "the German dictionary is not current"
"$PYTHON" - "$LEXARO_DATA/German_to_Persian.tsv" Haus >"$WORK/expected.txt" <<'PY' || fail "the German list lacks Haus"
import sys
for line in open(sys.argv[1], encoding="utf-8"):
    word, translation = line.rstrip("\n").split("\t")
    if word == sys.argv[2]:
        # The word lists escape line breaks, tabs and backslashes.
        out, i = [], 0
        while i < len(translation):
            if translation[i] == "\\" and i + 1 < len(translation):
                out.append({"n": "\n", "t": "\t", "\\": "\\"}[translation[i + 1]])
                i += 2
            else:
                out.append(translation[i])
                i += 1
        sys.stdout.write("".join(out))
        sys.exit(0)
sys.exit(1)
PY
focus "$win"
xdotool type --delay 40 Haus
wait_for_search_box Haus || fail "the search box did not take the word"
atspi wait-text Translation --file "$WORK/expected.txt" || fail "the translation shown is not the stored one"
pass "German: Haus translated"
screenshot look_up
