"""Presses keys as a keyboard does, through XTest: each key by its X key code, found from the
keysym it has in the US layout (the first group). So "alt+a" is the key that carries "a" in
the US layout, held with Alt, whatever group is active: under the Persian group the program
gets what a Persian keyboard sends for that key.

Usage: press_keys.py [--group N] [--interval MS] KEY...
       press_keys.py --locked-group
  --group N        first lock XKB group N (with setxkbmap -layout us,ir: 0 English, 1
                   Persian) and check that it is locked
  --interval MS    the time between two keys, as a quick typist leaves it (default: none,
                   the keys follow each other at once)
  --locked-group   prints the group locked now
  KEY        a keysym name as X spells it ("a", "Return", "F5"), optionally with modifiers
             joined by "+": "alt+a", "ctrl+alt+a", "shift+F1"
"""
import ctypes
import sys
import time

import x_connection  # noqa: F401  (before any display is opened)
from Xlib import X, XK, display
from Xlib.ext import xtest

MODIFIERS = {"alt": "Alt_L", "ctrl": "Control_L", "shift": "Shift_L", "super": "Super_L"}
XKB_USE_CORE_KBD = 0x100


class XkbStateRec(ctypes.Structure):
    _fields_ = [("group", ctypes.c_ubyte), ("locked_group", ctypes.c_ubyte),
                ("base_group", ctypes.c_ushort), ("latched_group", ctypes.c_short),
                ("mods", ctypes.c_ubyte), ("base_mods", ctypes.c_ubyte),
                ("latched_mods", ctypes.c_ubyte), ("locked_mods", ctypes.c_ubyte),
                ("compat_state", ctypes.c_ubyte), ("grab_mods", ctypes.c_ubyte),
                ("compat_grab_mods", ctypes.c_ubyte), ("lookup_mods", ctypes.c_ubyte),
                ("compat_lookup_mods", ctypes.c_ubyte), ("ptr_buttons", ctypes.c_ushort)]


def lock_group(group):
    """Locks the group through libX11's XkbLockGroup (None: leaves it) and returns the group
    now locked."""
    x11 = ctypes.CDLL("libX11.so.6")
    x11.XOpenDisplay.restype = ctypes.c_void_p
    x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
    x11.XkbLockGroup.argtypes = [ctypes.c_void_p, ctypes.c_uint, ctypes.c_uint]
    x11.XkbGetState.argtypes = [ctypes.c_void_p, ctypes.c_uint, ctypes.POINTER(XkbStateRec)]
    x11.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
    x11.XCloseDisplay.argtypes = [ctypes.c_void_p]
    dpy = x11.XOpenDisplay(None)
    if not dpy:
        raise SystemExit("press_keys: cannot open the display")
    try:
        if group is not None and not x11.XkbLockGroup(dpy, XKB_USE_CORE_KBD, group):
            raise SystemExit("press_keys: XkbLockGroup failed")
        x11.XSync(dpy, 0)
        state = XkbStateRec()
        x11.XkbGetState(dpy, XKB_USE_CORE_KBD, ctypes.byref(state))
        return state.locked_group
    finally:
        x11.XCloseDisplay(dpy)


def us_keycode(d, name):
    """The key code whose first-group, unshifted keysym is `name`."""
    keysym = XK.string_to_keysym(name)
    if keysym == X.NoSymbol:
        raise SystemExit(f"press_keys: no keysym named {name!r}")
    first = d.display.info.min_keycode
    count = d.display.info.max_keycode - first + 1
    for offset, syms in enumerate(d.get_keyboard_mapping(first, count)):
        if syms and syms[0] == keysym:
            return first + offset
    raise SystemExit(f"press_keys: no key carries {name!r} in the first group")


def press(d, chord):
    *mods, key = chord.split("+")
    codes = [us_keycode(d, MODIFIERS[m.lower()]) for m in mods] + [us_keycode(d, key)]
    for code in codes:
        xtest.fake_input(d, X.KeyPress, code)
    for code in reversed(codes):
        xtest.fake_input(d, X.KeyRelease, code)
    d.sync()


def main(argv):
    args = argv[1:]
    if args == ["--locked-group"]:
        print(lock_group(None))
        return 0
    if len(args) >= 2 and args[0] == "--group":
        wanted = int(args[1])
        locked = lock_group(wanted)
        if locked != wanted:
            raise SystemExit(f"press_keys: group {locked} is locked, not {wanted}")
        args = args[2:]
    interval = 0.0
    if len(args) >= 2 and args[0] == "--interval":
        interval = int(args[1]) / 1000
        args = args[2:]
    d = display.Display()
    if not d.has_extension("XTEST"):
        raise SystemExit("press_keys: the X server has no XTEST")
    for i, chord in enumerate(args):
        if i > 0 and interval:
            time.sleep(interval)
        press(d, chord)
    d.close()
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
