#!/usr/bin/python3
"""A panel that hosts icons through D-Bus, as the StatusNotifierItem protocol has it: the
watcher on the session bus, a host registered with it, and the host's reading of an item's
icon and dbusmenu menu.

  sni_host.py serve FILE         be the watcher and host; each registered item's bus name is
                                 appended to FILE as it registers
  sni_host.py menu ITEM          prints the item's menu, one line an entry, "  " per level,
                                 "--" for a separator
  sni_host.py click ITEM LABEL   clicks the entry with that label, as the panel's menu does
  sni_host.py icon ITEM          prints the sizes of the item's icon pictures, as WxH
"""
import sys

from gi.repository import Gio, GLib

WATCHER = "org.kde.StatusNotifierWatcher"
WATCHER_XML = """
<node><interface name="org.kde.StatusNotifierWatcher">
  <method name="RegisterStatusNotifierItem"><arg type="s" direction="in"/></method>
  <method name="RegisterStatusNotifierHost"><arg type="s" direction="in"/></method>
  <property name="RegisteredStatusNotifierItems" type="as" access="read"/>
  <property name="IsStatusNotifierHostRegistered" type="b" access="read"/>
  <property name="ProtocolVersion" type="i" access="read"/>
  <signal name="StatusNotifierItemRegistered"><arg type="s"/></signal>
  <signal name="StatusNotifierItemUnregistered"><arg type="s"/></signal>
  <signal name="StatusNotifierHostRegistered"/>
</interface></node>"""


def bus():
    return Gio.bus_get_sync(Gio.BusType.SESSION, None)


def call(connection, name, path, interface, method, args, reply):
    return connection.call_sync(name, path, interface, method, args,
                                GLib.VariantType(reply) if reply else None,
                                Gio.DBusCallFlags.NONE, 5000, None)


def serve(log_path):
    connection = bus()
    items = []

    def on_call(conn, sender, path, interface, method, args, invocation):
        if method == "RegisterStatusNotifierItem":
            name = args.unpack()[0]
            # An item may register by its path alone; its bus name is then the caller's.
            item = name if not name.startswith("/") else sender
            if item not in items:
                items.append(item)
            with open(log_path, "a") as log:
                log.write(item + "\n")
            conn.emit_signal(None, "/StatusNotifierWatcher", WATCHER,
                             "StatusNotifierItemRegistered", GLib.Variant("(s)", (item,)))
        invocation.return_value(None)

    def on_get(conn, sender, path, interface, prop):
        if prop == "RegisteredStatusNotifierItems":
            return GLib.Variant("as", items)
        if prop == "IsStatusNotifierHostRegistered":
            return GLib.Variant("b", True)
        return GLib.Variant("i", 0)

    node = Gio.DBusNodeInfo.new_for_xml(WATCHER_XML)
    connection.register_object("/StatusNotifierWatcher", node.interfaces[0], on_call, on_get, None)

    def on_name_owner_changed(conn, sender, path, interface, signal, args):
        name, old, new = args.unpack()
        if not new and name in items:
            items.remove(name)

    connection.signal_subscribe("org.freedesktop.DBus", "org.freedesktop.DBus", "NameOwnerChanged",
                                "/org/freedesktop/DBus", None, Gio.DBusSignalFlags.NONE,
                                on_name_owner_changed)
    loop = GLib.MainLoop()
    Gio.bus_own_name_on_connection(connection, "org.kde.StatusNotifierHost-%d" % GLib.get_monotonic_time(),
                                   Gio.BusNameOwnerFlags.NONE, None, None)
    Gio.bus_own_name_on_connection(connection, WATCHER, Gio.BusNameOwnerFlags.NONE, None,
                                   lambda *a: sys.exit("another watcher owns the name"))
    loop.run()


def item_property(connection, item, name):
    reply = call(connection, item, "/StatusNotifierItem", "org.freedesktop.DBus.Properties", "Get",
                 GLib.Variant("(ss)", ("org.kde.StatusNotifierItem", name)), "(v)")
    return reply.unpack()[0]


def layout(connection, item):
    menu_path = item_property(connection, item, "Menu")
    reply = call(connection, item, menu_path, "com.canonical.dbusmenu", "GetLayout",
                 GLib.Variant("(iias)", (0, -1, [])), "(u(ia{sv}av))")
    return menu_path, reply.unpack()[1]


def entries(node, depth=0):
    for child in node[2]:
        ident, props, _ = child
        label = "--" if props.get("type") == "separator" else props.get("label", "")
        yield depth, ident, label.replace("__", "\0").replace("_", "").replace("\0", "_")
        yield from entries(child, depth + 1)


def main():
    command = sys.argv[1]
    if command == "serve":
        serve(sys.argv[2])
        return
    connection = bus()
    item = sys.argv[2]
    if command == "icon":
        for width, height, _ in item_property(connection, item, "IconPixmap"):
            print("%dx%d" % (width, height))
    elif command == "menu":
        _, root = layout(connection, item)
        for depth, _, label in entries(root):
            print("  " * depth + label)
    elif command == "click":
        menu_path, root = layout(connection, item)
        matches = [ident for _, ident, label in entries(root) if label == sys.argv[3]]
        if not matches:
            sys.exit("no entry %r" % sys.argv[3])
        call(connection, item, menu_path, "com.canonical.dbusmenu", "Event",
             GLib.Variant("(isvu)", (matches[0], "clicked", GLib.Variant("s", ""), 0)), None)


if __name__ == "__main__":
    main()
