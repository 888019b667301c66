"""Another program on the clipboard, for the tests of the clipboard watch.
Usage:
  clipboard_owner.py silent            takes the clipboard and never answers a request, until
                                       another program copies
  clipboard_owner.py rapid N LAST      copies N texts in one second, the last one LAST, and
                                       keeps serving LAST until another program copies
  clipboard_owner.py late TEXT         takes the clipboard; at the first request prints "asked"
                                       and answers only once a line comes on standard input,
                                       then serves TEXT at once until another program copies
  clipboard_owner.py files PATH        copies a file as file managers do: as a list of files
                                       and as its path in text, until another program copies
Prints "ready" once it owns the clipboard (for rapid: once LAST is copied)."""
import select
import sys
import time

import x_connection  # noqa: F401  (before any display is opened)
from Xlib import X, Xatom, display
from Xlib.protocol import event

d = display.Display()
window = d.screen().root.create_window(0, 0, 1, 1, 0, X.CopyFromParent)
CLIPBOARD = d.intern_atom("CLIPBOARD")
TARGETS = d.intern_atom("TARGETS")
UTF8 = d.intern_atom("UTF8_STRING")
URI_LIST = d.intern_atom("text/uri-list")


def take():
    window.set_selection_owner(CLIPBOARD, X.CurrentTime)
    d.flush()


def answer(request, text, uri=None):
    prop = request.property or request.target
    if request.target == TARGETS:
        targets = [TARGETS, URI_LIST, UTF8] if uri else [TARGETS, UTF8]
        request.requestor.change_property(prop, Xatom.ATOM, 32, targets)
    elif request.target == UTF8:
        request.requestor.change_property(prop, UTF8, 8, text.encode())
    elif uri and request.target == URI_LIST:
        request.requestor.change_property(prop, URI_LIST, 8, uri.encode())
    else:
        prop = X.NONE
    request.requestor.send_event(event.SelectionNotify(
        time=request.time, requestor=request.requestor, selection=request.selection,
        target=request.target, property=prop))
    d.flush()


def serve(text, until=None, uri=None):
    """Answers requests for text (and the list of files `uri`); returns when another program
    copies, or at `until`."""
    while True:
        timeout = None if until is None else max(0.0, until - time.monotonic())
        if d.pending_events() == 0:
            if timeout == 0.0:
                return True
            select.select([d.fileno()], [], [], timeout)
        while d.pending_events():
            e = d.next_event()
            if e.type == X.SelectionRequest:
                answer(e, text, uri)
            elif e.type == X.SelectionClear:
                return False


if sys.argv[1] == "silent":
    take()
    print("ready", flush=True)
    # Requests are read and left unanswered; ends when another program copies or the X
    # server goes.
    while d.next_event().type != X.SelectionClear:
        pass
elif sys.argv[1] == "late":
    take()
    print("ready", flush=True)
    first = d.next_event()
    while first.type != X.SelectionRequest:
        first = d.next_event()
    print("asked", flush=True)
    sys.stdin.readline()
    answer(first, sys.argv[2])
    print("answered", flush=True)
    serve(sys.argv[2])
elif sys.argv[1] == "files":
    path = sys.argv[2]
    take()
    print("ready", flush=True)
    serve(path, uri="file://" + path + "\r\n")
else:
    count, last = int(sys.argv[2]), sys.argv[3]
    start = time.monotonic()
    for i in range(count - 1):
        take()
        serve(f"copy{i}", until=start + (i + 1) / count)
    take()
    print("ready", flush=True)
    serve(last)
