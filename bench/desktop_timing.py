"""Times the real program as a user meets it, on the desktop that desktop_timing.sh starts:
XTest presses keys and clicks, a copy is made by this script as another program would, and
each time runs until the pixels on the screen change (read back from the X server).

Usage: desktop_timing.py ROUNDS NAME=PROGRAM_FOLDER...
Each round starts the program once per folder, in turn (interleaved), and measures:
  launch       start of the process to the main window mapped
  ping start   longest _NET_WM_PING round trip (a ping every 20 ms) in the first 1.5 s
  memory       resident memory 3 s after the main window was mapped
  keystroke    a letter or BackSpace in the search box to the translation box's pixels
               changed (the suggestion list, where it shows, lies over the box)
  floor        Down or Up in the open suggestion list, which looks nothing up
  cpu per key  processor time of the program's user-interface thread over those keys
  switch       a click on the English picture (from German) to the caption redrawn
  ping switch  longest _NET_WM_PING round trip during that switch
  ping import  longest _NET_WM_PING round trip while lexaro-words imports 200,000 English
               words into the program's database beside it (English shown), and 1 s after
  ping refresh longest _NET_WM_PING round trip over 2 s from F5 after that import (the
               grown list read again)
  copy         a copy, with the main window minimised, to the pop-up drawn
Prints min and median of each over all rounds. With LEXARO_BENCH_SHOT=file.png a run that
finds no pop-up leaves a screenshot there.
"""
import ctypes
import os
import shutil
import signal
import statistics
import subprocess
import sys
import threading
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests",
                                "program"))
import x_connection  # noqa: F401,E402  (before any display is opened)
from Xlib import X, Xatom, display  # noqa: E402
from Xlib.protocol import event  # noqa: E402

MAIN_TITLE = "Orvenda Lexaro 2019"
POPUP_TITLE = MAIN_TITLE + " notification"
PING_PERIOD = 0.020
KEY_TIMEOUT = 0.5
# Inside the main window: the translation box's top strip (where the first lines of a
# translation and the first rows of the suggestion list lie), the dictionary caption, the
# search box and the English and German pictures.
TRANSLATION_STRIP = (128, 214, 825, 48)
CAPTION = (248, 156, 701, 17)
SEARCH_BOX = (540, 196)
ENGLISH_PICTURE = (28, 190)
GERMAN_PICTURE = (28, 334)
# A word typed and erased letter by letter: every key changes the list or the translation.
TYPED = ["h", "o", "u", "s", "e"]
COPIED = ["house", "water", "window", "river", "light", "table"]


class XImage(ctypes.Structure):
    _fields_ = [("width", ctypes.c_int), ("height", ctypes.c_int), ("xoffset", ctypes.c_int),
                ("format", ctypes.c_int), ("data", ctypes.c_void_p),
                ("byte_order", ctypes.c_int), ("bitmap_unit", ctypes.c_int),
                ("bitmap_bit_order", ctypes.c_int), ("bitmap_pad", ctypes.c_int),
                ("depth", ctypes.c_int), ("bytes_per_line", ctypes.c_int),
                ("bits_per_pixel", ctypes.c_int)]


class FastX:
    """libX11 and XTest through ctypes: reading pixels back and pressing keys must cost far
    less than what is measured."""

    def __init__(self):
        self.x11 = ctypes.CDLL("libX11.so.6")
        self.xtst = ctypes.CDLL("libXtst.so.6")
        x11 = self.x11
        x11.XOpenDisplay.restype = ctypes.c_void_p
        x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
        x11.XDefaultRootWindow.restype = ctypes.c_ulong
        x11.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
        x11.XGetImage.restype = ctypes.POINTER(XImage)
        x11.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int,
                                  ctypes.c_uint, ctypes.c_uint, ctypes.c_ulong, ctypes.c_int]
        x11.XFree.argtypes = [ctypes.c_void_p]
        x11.XFlush.argtypes = [ctypes.c_void_p]
        x11.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
        x11.XStringToKeysym.restype = ctypes.c_ulong
        x11.XStringToKeysym.argtypes = [ctypes.c_char_p]
        x11.XKeysymToKeycode.restype = ctypes.c_ubyte
        x11.XKeysymToKeycode.argtypes = [ctypes.c_void_p, ctypes.c_ulong]
        self.xtst.XTestFakeKeyEvent.argtypes = [ctypes.c_void_p, ctypes.c_uint, ctypes.c_int,
                                                ctypes.c_ulong]
        self.xtst.XTestFakeButtonEvent.argtypes = [ctypes.c_void_p, ctypes.c_uint,
                                                   ctypes.c_int, ctypes.c_ulong]
        self.xtst.XTestFakeMotionEvent.argtypes = [ctypes.c_void_p, ctypes.c_int, ctypes.c_int,
                                                   ctypes.c_int, ctypes.c_ulong]
        self.dpy = x11.XOpenDisplay(None)
        if not self.dpy:
            raise SystemExit("desktop_timing: cannot open the display")
        self.root = x11.XDefaultRootWindow(self.dpy)

    def pixels(self, rect):
        x, y, w, h = rect
        image = self.x11.XGetImage(self.dpy, self.root, x, y, w, h, 0xFFFFFFFF, 2)  # ZPixmap
        if not image:
            raise SystemExit(f"desktop_timing: no pixels at {rect}")
        data = ctypes.string_at(image.contents.data, image.contents.bytes_per_line * h)
        self.x11.XFree(image.contents.data)
        self.x11.XFree(image)
        return data

    def keycode(self, name):
        return self.x11.XKeysymToKeycode(self.dpy, self.x11.XStringToKeysym(name.encode()))

    def key(self, code, down):
        self.xtst.XTestFakeKeyEvent(self.dpy, code, 1 if down else 0, 0)
        self.x11.XFlush(self.dpy)

    def click(self, x, y):
        self.xtst.XTestFakeMotionEvent(self.dpy, -1, x, y, 0)
        self.xtst.XTestFakeButtonEvent(self.dpy, 1, 1, 0)
        self.xtst.XTestFakeButtonEvent(self.dpy, 1, 0, 0)
        self.x11.XFlush(self.dpy)

    def sync(self):
        self.x11.XSync(self.dpy, 0)


def wait_for_change(fast, rect, before, timeout):
    """Seconds until the pixels of rect differ from before, None after timeout."""
    start = time.perf_counter()
    while True:
        now = time.perf_counter()
        if fast.pixels(rect) != before:
            return now - start
        if now - start > timeout:
            return None


def wait_still(fast, rect, quiet=0.05, timeout=2.0):
    """Waits until rect has not changed for `quiet` seconds; returns its pixels."""
    deadline = time.perf_counter() + timeout
    last = fast.pixels(rect)
    since = time.perf_counter()
    while time.perf_counter() < deadline:
        time.sleep(0.002)
        now_pixels = fast.pixels(rect)
        if now_pixels != last:
            last, since = now_pixels, time.perf_counter()
        elif time.perf_counter() - since >= quiet:
            break
    return last


class Desktop:
    """The window manager's view: the program's windows, their titles and states, and pings."""

    def __init__(self):
        self.d = display.Display()
        # Windows come and go while they are looked at or pinged.
        self.d.set_error_handler(lambda *args: None)
        self.root = self.d.screen().root
        # The program answers a ping to the root window, for the window manager.
        self.root.change_attributes(event_mask=X.StructureNotifyMask)
        self.atom = {n: self.d.intern_atom(n) for n in
                     ("_NET_CLIENT_LIST", "_NET_WM_NAME", "_NET_WM_PID", "WM_PROTOCOLS",
                      "_NET_WM_PING", "UTF8_STRING", "WM_CHANGE_STATE")}

    def windows(self, pid):
        """The program's top-level windows, managed or not (the splash, the suggestion list):
        the root's children and, inside the window manager's frames, theirs."""
        found = []
        for top in self.root.query_tree().children:
            for w in [top] + self.children(top):
                try:
                    p = w.get_full_property(self.atom["_NET_WM_PID"], Xatom.CARDINAL)
                except Exception:  # gone meanwhile
                    continue
                if p and p.value[0] == pid:
                    found.append(w)
        return found

    @staticmethod
    def children(w):
        try:
            return w.query_tree().children
        except Exception:
            return []

    def title(self, w):
        try:
            p = w.get_full_property(self.atom["_NET_WM_NAME"], self.atom["UTF8_STRING"])
            return p.value.decode() if p else ""
        except Exception:
            return ""

    def viewable(self, w):
        try:
            return w.get_attributes().map_state == X.IsViewable
        except Exception:
            return False

    def find(self, pid, title):
        for w in self.windows(pid):
            if self.title(w) == title and self.viewable(w):
                return w
        return None

    def origin(self, w):
        t = w.translate_coords(self.root, 0, 0)
        return -t.x, -t.y

    def minimise(self, w):
        ev = event.ClientMessage(window=w, client_type=self.atom["WM_CHANGE_STATE"],
                                 data=(32, [3, 0, 0, 0, 0]))  # IconicState
        self.root.send_event(ev, event_mask=X.SubstructureRedirectMask |
                             X.SubstructureNotifyMask)
        self.d.flush()


class Pinger:
    """Pings every window of the program every 20 ms; the longest round trip is the longest
    time the program did not answer (a ping left unanswered counts until it stops)."""

    def __init__(self, desktop, pid):
        self.desk, self.pid = desktop, pid
        self.sent = {}
        self.worst = 0.0
        self.serial = 1
        self.targets = []
        self.looked = 0.0

    def run(self, seconds, step=None, busy=None):
        """Pings for `seconds`, and on for as long as busy() holds, calling step() (which
        must not block) between pings."""
        end = time.perf_counter() + seconds
        next_ping = 0.0
        while time.perf_counter() < end or (busy and busy()):
            now = time.perf_counter()
            if now >= next_ping:
                self.ping_all()
                next_ping = now + PING_PERIOD
            if step:
                step()
            self.read_replies()
            time.sleep(0.001)
        return self.finish()

    def finish(self):
        self.read_replies()
        now = time.perf_counter()
        for sent in self.sent.values():
            self.worst = max(self.worst, now - sent)
        self.sent.clear()
        return self.worst

    def ping_all(self):
        d = self.desk.d
        now = time.perf_counter()
        if now - self.looked > 0.1:  # new windows, at most 100 ms late
            self.looked = now
            self.targets = [w for w in self.desk.windows(self.pid)
                            if self.desk.viewable(w) and self.pingable(w)]
        for w in self.targets:
            self.serial += 1
            ev = event.ClientMessage(window=w, client_type=self.desk.atom["WM_PROTOCOLS"],
                                     data=(32, [self.desk.atom["_NET_WM_PING"], self.serial,
                                                w.id, 0, 0]))
            w.send_event(ev, event_mask=0)
            self.sent[self.serial] = time.perf_counter()
        d.flush()

    def pingable(self, w):
        try:
            return self.desk.atom["_NET_WM_PING"] in (w.get_wm_protocols() or [])
        except Exception:
            return False

    def read_replies(self):
        d = self.desk.d
        while d.pending_events():
            ev = d.next_event()
            if ev.type != X.ClientMessage or ev.window != self.desk.root:
                continue
            data = ev.data[1]
            if data[0] == self.desk.atom["_NET_WM_PING"] and data[1] in self.sent:
                now = time.perf_counter()
                self.worst = max(self.worst, now - self.sent.pop(data[1]))
                # One thread answers them all, in order: an earlier ping still waiting went
                # to a window that has gone (the splash).
                for serial in [n for n in self.sent if n < data[1]]:
                    del self.sent[serial]


class ClipboardOwner(threading.Thread):
    """Another program that copies: owns CLIPBOARD and answers requests for its text."""

    def __init__(self):
        super().__init__(daemon=True)
        self.d = display.Display()
        self.w = self.d.screen().root.create_window(0, 0, 1, 1, 0, X.CopyFromParent)
        self.clipboard = self.d.intern_atom("CLIPBOARD")
        self.utf8 = self.d.intern_atom("UTF8_STRING")
        self.targets = self.d.intern_atom("TARGETS")
        self.text = b""
        self.lock = threading.Lock()

    def copy(self, text, other):
        """Copies text: `other` (another connection: this one is the thread's) touches a
        property of the owner's window, whose notice carries the server time the thread
        takes the clipboard with."""
        with self.lock:
            self.text = text.encode()
        window = other.create_resource_object("window", self.w.id)
        window.change_property(Xatom.WM_NAME, Xatom.STRING, 8, b"copy")
        other.flush()

    def run(self):
        self.w.change_attributes(event_mask=X.PropertyChangeMask)
        self.d.flush()
        while True:
            ev = self.d.next_event()
            if ev.type == X.PropertyNotify and ev.window == self.w:
                self.w.set_selection_owner(self.clipboard, ev.time)
                self.d.flush()
            elif ev.type == X.SelectionRequest:
                self.answer(ev)

    def answer(self, req):
        prop = req.property or req.target
        if req.target == self.targets:
            req.requestor.change_property(prop, Xatom.ATOM, 32, [self.targets, self.utf8])
        elif req.target in (self.utf8, Xatom.STRING):
            with self.lock:
                req.requestor.change_property(prop, req.target, 8, self.text)
        else:
            prop = X.NONE
        reply = event.SelectionNotify(time=req.time, requestor=req.requestor,
                                      selection=req.selection, target=req.target,
                                      property=prop)
        req.requestor.send_event(reply)
        self.d.flush()


def until(what, timeout=20.0):
    deadline = time.perf_counter() + timeout
    while time.perf_counter() < deadline:
        found = what()
        if found:
            return found
        time.sleep(0.001)
    return None


def resident_kib(pid):
    with open(f"/proc/{pid}/status") as f:
        for line in f:
            if line.startswith("VmRSS:"):
                return int(line.split()[1])
    return 0


def ui_thread_ns(pid):
    """Processor time of the program's user-interface thread (its main thread) so far."""
    with open(f"/proc/{pid}/schedstat") as f:
        return int(f.read().split()[0])


def shift(rect, origin):
    return (rect[0] + origin[0], rect[1] + origin[1]) + tuple(rect[2:])


def time_key(fast, code, rect):
    """Presses and releases the key; seconds until rect changed, None if it did not."""
    before = wait_still(fast, rect)
    fast.key(code, True)
    took = wait_for_change(fast, rect, before, KEY_TIMEOUT)
    fast.key(code, False)
    return took


def measure_keys(fast, origin, figures):
    """Times the keys into figures; returns how many keys it pressed."""
    strip = shift(TRANSLATION_STRIP, origin)
    letters = [fast.keycode(k) for k in TYPED]
    back, down, up = (fast.keycode(k) for k in ("BackSpace", "Down", "Up"))
    pressed = 0

    def timed(what, codes):
        nonlocal pressed
        for code in codes:
            took = time_key(fast, code, strip)
            pressed += 1
            if what:
                figures.setdefault(what, []).append(took)

    for _ in range(4):
        timed("keystroke", letters + [back] * len(letters))
    # The list open on "hou": Down to the first row, then Down and Up between two rows.
    timed(None, letters[:3])
    timed("floor", [down] + [down, up] * 10)
    timed(None, [back] * 3)
    return pressed


def measure_switch(fast, desk, pid, origin, figures):
    caption = shift(CAPTION, origin)
    fast.click(GERMAN_PICTURE[0] + origin[0], GERMAN_PICTURE[1] + origin[1])
    before = wait_still(fast, caption, quiet=0.2)
    clicked, took = [], []

    def step():
        if not clicked:
            clicked.append(time.perf_counter())
            fast.click(ENGLISH_PICTURE[0] + origin[0], ENGLISH_PICTURE[1] + origin[1])
        elif not took and fast.pixels(caption) != before:
            took.append(time.perf_counter() - clicked[0])

    pinger = Pinger(desk, pid)
    figures.setdefault("ping switch", []).append(pinger.run(2.0, step))
    figures.setdefault("switch", []).append(took[0] if took else None)


def measure_import_and_refresh(fast, desk, pid, folder, figures):
    """With English shown: an import beside the program, then F5, which reads the grown list
    again; the longest ping of each."""
    words = os.path.join(os.environ.get("WORK", "/tmp"), "import.tsv")
    with open(words, "w", encoding="utf-8") as f:
        for i in range(200000):
            f.write(f"imported{i:06d}\tواژه‌ی درون‌ریخته\n")
    log = open(os.path.join(os.environ.get("WORK", "/tmp"), "import.log"), "ab")
    tool = subprocess.Popen([os.path.join(folder, "lexaro-words"), "import", "English", words,
                             "--database", os.path.join(folder, "Lexaro.db")],
                            stdout=log, stderr=log)
    ended = []

    def importing():
        if tool.poll() is None:
            return True
        if not ended:
            ended.append(time.perf_counter())
        return time.perf_counter() < ended[0] + 1.0

    figures.setdefault("ping import", []).append(Pinger(desk, pid).run(0.0, None, importing))
    if tool.wait() != 0:
        raise SystemExit(f"desktop_timing: the import beside the program failed ({words})")
    f5 = fast.keycode("F5")
    fast.key(f5, True)
    fast.key(f5, False)
    figures.setdefault("ping refresh", []).append(Pinger(desk, pid).run(2.0))


def measure_copies(fast, desk, pid, main, owner, figures):
    desk.minimise(main)
    until(lambda: not desk.viewable(main), 5.0)
    time.sleep(0.3)
    popup_rect = None
    for i, word in enumerate(COPIED):
        before = fast.pixels(popup_rect) if popup_rect else None
        owner.copy(word, desk.d)
        if popup_rect:
            took = wait_for_change(fast, popup_rect, before, 2.0)
            figures.setdefault("copy", []).append(took)
        popup = until(lambda: desk.find(pid, POPUP_TITLE), 5.0)
        if not popup:
            shot = os.environ.get("LEXARO_BENCH_SHOT")
            if shot:
                subprocess.run(["import", "-window", "root", shot], check=False)
            raise SystemExit(f"desktop_timing: no pop-up for copy {i}")
        if not popup_rect:  # the first copy only shows where the pop-up goes
            g = popup.get_geometry()
            popup_rect = desk.origin(popup) + (g.width, g.height)
        wait_still(fast, popup_rect, quiet=0.1)
        # Closed with its arrow picture; the next copy loads a fresh one.
        fast.click(popup_rect[0] + 505, popup_rect[1] + 22)
        until(lambda: not desk.find(pid, POPUP_TITLE), 5.0)
        time.sleep(0.1)


def restore_database(folder):
    """Every run starts on the database as it came: the import of the run before is undone."""
    database = os.path.join(folder, "Lexaro.db")
    pristine = database + ".pristine"
    if not os.path.exists(pristine):
        shutil.copyfile(database, pristine)
        return
    for leftover in (database + "-wal", database + "-shm", database + "-journal"):
        if os.path.exists(leftover):
            os.remove(leftover)
    shutil.copyfile(pristine, database)


def run_once(folder, desk, fast, owner, figures):
    restore_database(folder)
    log = open(os.path.join(os.environ.get("WORK", "/tmp"), "lexaro.log"), "ab")
    start = time.perf_counter()
    proc = subprocess.Popen([os.path.join(folder, "lexaro")], stdout=log, stderr=log)
    try:
        pinger = Pinger(desk, proc.pid)
        mapped = []

        def step():
            if not mapped and desk.find(proc.pid, MAIN_TITLE):
                mapped.append(time.perf_counter())

        worst = pinger.run(1.5, step)
        main = until(lambda: desk.find(proc.pid, MAIN_TITLE))
        if not main:
            raise SystemExit("desktop_timing: the main window did not appear")
        if not mapped:
            mapped.append(time.perf_counter())
        figures.setdefault("launch", []).append(mapped[0] - start)
        figures.setdefault("ping start", []).append(worst)
        time.sleep(max(0.0, mapped[0] + 3.0 - time.perf_counter()))
        figures.setdefault("memory", []).append(resident_kib(proc.pid) / 1024)

        origin = desk.origin(main)
        main.set_input_focus(X.RevertToParent, X.CurrentTime)
        desk.d.flush()
        fast.click(SEARCH_BOX[0] + origin[0], SEARCH_BOX[1] + origin[1])
        time.sleep(0.2)
        busy = ui_thread_ns(proc.pid)
        keys = measure_keys(fast, origin, figures)
        figures.setdefault("cpu per key", []).append(
            (ui_thread_ns(proc.pid) - busy) / 1e9 / keys)
        measure_switch(fast, desk, proc.pid, origin, figures)
        measure_import_and_refresh(fast, desk, proc.pid, folder, figures)
        fast.click(SEARCH_BOX[0] + origin[0], SEARCH_BOX[1] + origin[1])
        measure_copies(fast, desk, proc.pid, main, owner, figures)
    finally:
        proc.send_signal(signal.SIGTERM)
        try:
            proc.wait(10)
        except subprocess.TimeoutExpired:
            proc.kill()
            proc.wait()


def report(name, figures):
    units = {"memory": ("MB", 1)}
    for what, values in figures.items():
        done = [v for v in values if v is not None]
        missed = len(values) - len(done)
        if not done:
            print(f"{name:10} {what:12} no figure ({missed} timed out)")
            continue
        unit, scale = units.get(what, ("ms", 1000))
        extra = f", {missed} timed out" if missed else ""
        print(f"{name:10} {what:12} min {min(done) * scale:8.2f} {unit}  median "
              f"{statistics.median(done) * scale:8.2f} {unit}  (n={len(done)}{extra})")


def main(argv):
    rounds = int(argv[1])
    folders = [a.split("=", 1) for a in argv[2:]]
    desk = Desktop()
    fast = FastX()
    owner = ClipboardOwner()
    owner.start()
    figures = {name: {} for name, _ in folders}
    for r in range(rounds):
        for name, folder in folders:
            run_once(folder, desk, fast, owner, figures[name])
        print(f"round {r + 1} of {rounds} done", file=sys.stderr, flush=True)
    for name, _ in folders:
        report(name, figures[name])
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
