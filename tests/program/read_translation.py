"""Reads the main window through the accessibility bus and checks what it shows.
Usage: read_translation.py <word list> <word> <dictionary display name>"""
import sys
import time

import pyatspi


def find(node, name, depth=0):
    if node is None or depth > 30:
        return None
    try:
        if node.name == name:
            return node
        for child in node:
            found = find(child, name, depth + 1)
            if found is not None:
                return found
    except Exception:
        return None
    return None


def text_of(node):
    text = node.queryText()
    return text.getText(0, text.characterCount)


def main():
    path, word, dictionary_name = sys.argv[1], sys.argv[2], sys.argv[3]
    expected = None
    with open(path, encoding="utf-8") as f:
        for line in f:
            w, t = line.rstrip("\n").split("\t")
            if w == word:
                expected = t.replace("\\n", "\n")
    desktop = pyatspi.Registry.getDesktop(0)
    deadline = time.time() + 20
    shown = None
    dictionary_shown = False
    while time.time() < deadline:
        for app in desktop:
            if app is None or "lexaro" not in (app.name or "").lower():
                continue
            translation = find(app, "Translation")
            if translation is not None:
                shown = text_of(translation)
            dictionary_shown = find(app, dictionary_name) is not None
        if shown == expected and dictionary_shown:
            break
        time.sleep(0.2)
    print("dictionary shown:", dictionary_shown)
    print("shown:", repr(shown))
    print("expected:", repr(expected))
    return 0 if shown == expected and dictionary_shown else 1


sys.exit(main())
