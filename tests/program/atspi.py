"""Reads and works the program's controls through the accessibility bus, as a screen reader
does. Run with Debian's /usr/bin/python3, which has pyatspi. Importable, or as a command:

  atspi.py text NAME                 prints the text of the control with that accessible name
  atspi.py wait-text NAME TEXT       waits until the control shows exactly TEXT
  atspi.py wait-text NAME --file F   the same, the text read from file F (UTF-8)
  --role ROLE                        (with text, wait-text) only a control of that role, as
                                     AT-SPI names it: "label", "push button", "text"
  --showing                          only a control that is showing: the pop-up's
                                     Translation, not the hidden main window's
  atspi.py wait-contains NAME TEXT   waits until the control's text contains TEXT
  atspi.py wait-shown NAME           waits until a control with that name is showing (a
                                     message box's picture, for one)
  atspi.py wait-dialog TEXT          waits until a dialog is showing whose accessible name and
                                     description are both TEXT (a message box's line)
  atspi.py count NAME                prints how many children the control has (the rows of
                                     a list)
  atspi.py buttons                   lists the push buttons showing, one name a line
  atspi.py press NAME                does the press action of the push button NAME

NAME "*" stands for any name, with --role: an editable combo box, for one, is named after its
text on Linux. Every command waits up to --timeout seconds (default 20) for the program and the control to
appear; it exits with 1 and says what it saw when the wait ends without success.
"""
import sys
import time

import pyatspi

# Word lists hold thousands of items: never walk into them.
NOT_SEARCHED = {pyatspi.ROLE_LIST, pyatspi.ROLE_LIST_ITEM, pyatspi.ROLE_MENU,
                pyatspi.ROLE_MENU_ITEM, pyatspi.ROLE_TABLE, pyatspi.ROLE_TREE}


def application(name="lexaro"):
    """The program's accessible application, or None while it has not registered."""
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and (app.name or "").lower() == name:
            return app
    return None


def walk(node, depth=0):
    if node is None or depth > 20:
        return
    yield node
    try:
        if node.getRole() in NOT_SEARCHED:
            return
        children = list(node)
    except Exception:  # a control that went away while being read
        return
    for child in children:
        yield from walk(child, depth + 1)


def find(root, name, role=None, showing_only=False):
    """The first control with that accessible name and, if given, that role name; with
    showing_only, the first of them that is showing."""
    for node in walk(root):
        try:
            if (name == "*" or node.name == name) and \
                    (role is None or node.getRoleName() == role) and \
                    (not showing_only or showing(node)):
                return node
        except Exception:
            continue
    return None


def text_of(node):
    """The text a control shows; for a box made of parts (an editable combo box), the text
    of its editable part; for a label, which Qt gives no text interface, its name."""
    for candidate in [node] + [c for c in walk(node) if c is not node]:
        try:
            text = candidate.queryText()
        except Exception:  # no text interface
            continue
        return text.getText(0, text.characterCount)
    return node.name


def showing(node):
    try:
        return node.getState().contains(pyatspi.STATE_SHOWING)
    except Exception:
        return False


def push_buttons(root):
    found = []
    for node in walk(root):
        try:
            if node.getRole() == pyatspi.ROLE_PUSH_BUTTON and \
                    node.getState().contains(pyatspi.STATE_SHOWING):
                found.append(node)
        except Exception:
            continue
    return found


def press(node):
    action = node.queryAction()
    for i in range(action.nActions):
        if action.getName(i) in ("press", "Press", "click"):
            return action.doAction(i)
    return action.doAction(0)


def wait(check, timeout):
    """Runs check() until it returns something other than None, or the time is up."""
    deadline = time.monotonic() + timeout
    while True:
        result = check()
        if result is not None or time.monotonic() > deadline:
            return result
        time.sleep(0.1)


def main(argv):
    args = argv[1:]
    timeout = 20.0
    if "--timeout" in args:
        i = args.index("--timeout")
        timeout = float(args[i + 1])
        del args[i:i + 2]
    showing_only = "--showing" in args
    if showing_only:
        args.remove("--showing")
    if not args:
        print(__doc__, file=sys.stderr)
        return 2
    role = None
    if "--role" in args:
        i = args.index("--role")
        role = args[i + 1]
        del args[i:i + 2]
    command, rest = args[0], args[1:]

    def control(name, role=role):
        app = application()
        return find(app, name, role, showing_only) if app is not None else None

    if command == "text":
        node = wait(lambda: control(rest[0]), timeout)
        if node is None:
            print(f"no control named {rest[0]!r}", file=sys.stderr)
            return 1
        print(text_of(node))
        return 0
    if command == "wait-text":
        name = rest[0]
        if rest[1] == "--file":
            with open(rest[2], encoding="utf-8") as f:
                expected = f.read()
        else:
            expected = rest[1]
        seen = [None]

        def shows_expected():
            node = control(name)
            seen[0] = text_of(node) if node is not None else None
            return True if seen[0] == expected else None

        if wait(shows_expected, timeout):
            return 0
        print(f"{name}: shows {seen[0]!r}, expected {expected!r}", file=sys.stderr)
        return 1
    if command == "wait-contains":
        name, part = rest[0], rest[1]
        seen = [None]

        def contains():
            node = control(name)
            seen[0] = text_of(node) if node is not None else None
            return True if seen[0] is not None and part in seen[0] else None

        if wait(contains, timeout):
            return 0
        print(f"{name}: shows {seen[0]!r}, expected it to contain {part!r}", file=sys.stderr)
        return 1
    if command == "wait-shown":
        def shown():
            app = application()
            if app is None:
                return None
            for node in walk(app):
                try:
                    if node.name == rest[0] and showing(node):
                        return True
                except Exception:
                    continue
            return None

        if wait(shown, timeout):
            return 0
        print(f"nothing named {rest[0]!r} is showing", file=sys.stderr)
        return 1
    if command == "wait-dialog":
        seen = []

        def dialog():
            app = application()
            if app is None:
                return None
            seen.clear()
            for node in walk(app):
                try:
                    if node.getRole() == pyatspi.ROLE_DIALOG and showing(node):
                        seen.append((node.name, node.description))
                        if node.name == rest[0] and node.description == rest[0]:
                            return True
                except Exception:
                    continue
            return None

        if wait(dialog, timeout):
            return 0
        print(f"no dialog named and described {rest[0]!r}; dialogs showing: {seen!r}",
              file=sys.stderr)
        return 1
    if command == "count":
        node = wait(lambda: control(rest[0]), timeout)
        if node is None:
            print(f"no control named {rest[0]!r}", file=sys.stderr)
            return 1
        print(node.childCount)
        return 0
    if command == "buttons":
        app = wait(application, timeout)
        for button in push_buttons(app) if app is not None else []:
            print(button.name)
        return 0
    if command == "press":
        node = wait(lambda: control(rest[0], "push button"), timeout)
        if node is None:
            print(f"no push button named {rest[0]!r}", file=sys.stderr)
            return 1
        return 0 if press(node) else 1
    print(f"unknown command {command!r}", file=sys.stderr)
    return 2


if __name__ == "__main__":
    sys.exit(main(sys.argv))
