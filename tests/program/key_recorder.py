"""Another program the user types into: a window that writes the key code of each key press
it gets, one a line.
Usage: key_recorder.py TITLE   prints "ready" once its window is mapped."""
import sys

import x_connection  # noqa: F401  (before any display is opened)
from Xlib import X, display

d = display.Display()
window = d.screen().root.create_window(
    100, 100, 300, 120, 0, X.CopyFromParent,
    event_mask=X.KeyPressMask | X.StructureNotifyMask,
    background_pixel=d.screen().white_pixel)
window.set_wm_name(sys.argv[1])
window.set_wm_hints(flags=1, input=1)  # takes the keyboard like any editor
window.map()
d.flush()
while True:
    event = d.next_event()
    if event.type == X.MapNotify:
        print("ready", flush=True)
    elif event.type == X.KeyPress:
        print(event.detail, flush=True)
