"""Reads Lexaro's windows through the accessibility bus, as a screen reader does; unlike
atspi.py, it only reads controls that are showing (the pop-up's Translation, not the hidden
main window's).
Usage:
  atspi_expect.py text NAME EXPECTED      wait until the control NAME shows EXPECTED
  atspi_expect.py contains NAME PART      wait until the control NAME shows a text with PART
  atspi_expect.py shown NAME              wait until a control named NAME is showing
  atspi_expect.py count NAME              print the number of children of NAME
Exits non-zero (and says what it saw) when the deadline passes."""
import sys
import time

import pyatspi


def find(node, name, showing, want_text, depth=0):
    if node is None or depth > 40:
        return None
    try:
        if (node.name == name
                and (not showing or node.getState().contains(pyatspi.STATE_SHOWING))
                and (not want_text or text_of(node) is not None)):
            return node
        # A word list holds thousands of rows: never walk them.
        if node.childCount > 200:
            return None
        for child in node:
            found = find(child, name, showing, want_text, depth + 1)
            if found is not None:
                return found
    except Exception:
        return None
    return None


def lexaro_nodes():
    desktop = pyatspi.Registry.getDesktop(0)
    return [app for app in desktop if app is not None and "lexaro" in (app.name or "").lower()]


def text_of(node):
    try:
        text = node.queryText()
        return text.getText(0, text.characterCount)
    except Exception:
        return None


def lookup(name, showing, want_text):
    for app in lexaro_nodes():
        node = find(app, name, showing, want_text)
        if node is not None:
            return node
    return None


def main():
    command, name = sys.argv[1], sys.argv[2]
    deadline = time.time() + 20
    seen = None
    while time.time() < deadline:
        node = lookup(name, command != "count", command in ("text", "contains"))
        if node is not None:
            if command == "shown":
                return 0
            if command == "count":
                print(node.childCount)
                return 0
            seen = text_of(node)
            if seen is not None and (seen == sys.argv[3]
                                     or (command == "contains" and sys.argv[3] in seen)):
                return 0
        time.sleep(0.1)
    print(f"{name}: {command} not met; shown {seen!r}", file=sys.stderr)
    return 1


sys.exit(main())
