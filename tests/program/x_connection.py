"""Connects python-xlib to the test's own X server the way libX11 does: the abstract socket of
the display first. python-xlib takes the socket file /tmp/.X11-unix/X<n> whenever it exists,
and on a shared machine a file left by a server that has gone can lead to another test's
server. Import this module before opening a display."""
from Xlib.support import unix_connect

_plain_unix_socket = unix_connect._get_unix_socket


def _abstract_first(address):
    if address.startswith("/tmp/.X11-unix/"):
        try:
            return _plain_unix_socket("\0" + address)
        except OSError:
            pass
    return _plain_unix_socket(address)


unix_connect._get_unix_socket = _abstract_first
