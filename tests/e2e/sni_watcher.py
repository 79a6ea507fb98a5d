#!/usr/bin/python3
"""A minimal StatusNotifierWatcher with one host, on the session bus.

It owns org.kde.StatusNotifierWatcher, says a host is registered, and
appends the bus name of every item that registers to the file given as the
first argument, one per line. That is all a program needs to put its icon in
a D-Bus notification area; the test plays the host itself through the item's
own interfaces.
"""
import sys

from gi.repository import Gio, GLib

NAME = "org.kde.StatusNotifierWatcher"
PATH = "/StatusNotifierWatcher"
XML = """
<node>
  <interface name="org.kde.StatusNotifierWatcher">
    <method name="RegisterStatusNotifierItem"><arg name="service" type="s" direction="in"/></method>
    <method name="RegisterStatusNotifierHost"><arg name="service" type="s" direction="in"/></method>
    <property name="RegisteredStatusNotifierItems" type="as" access="read"/>
    <property name="IsStatusNotifierHostRegistered" type="b" access="read"/>
    <property name="ProtocolVersion" type="i" access="read"/>
    <signal name="StatusNotifierItemRegistered"><arg type="s"/></signal>
    <signal name="StatusNotifierItemUnregistered"><arg type="s"/></signal>
    <signal name="StatusNotifierHostRegistered"/>
  </interface>
</node>
"""

items = []
log_path = sys.argv[1]


def on_call(connection, sender, path, interface, method, params, invocation):
    if method == "RegisterStatusNotifierItem":
        (service,) = params.unpack()
        # An item may give its object path instead of a bus name.
        name = sender if service.startswith("/") else service
        items.append(name)
        with open(log_path, "a", encoding="utf-8") as log:
            log.write(name + "\n")
        connection.emit_signal(None, PATH, NAME, "StatusNotifierItemRegistered",
                               GLib.Variant("(s)", (name,)))
    invocation.return_value(None)


def on_get(connection, sender, path, interface, prop):
    if prop == "RegisteredStatusNotifierItems":
        return GLib.Variant("as", items)
    if prop == "IsStatusNotifierHostRegistered":
        return GLib.Variant("b", True)
    return GLib.Variant("i", 0)


def on_bus(connection, _name):
    info = Gio.DBusNodeInfo.new_for_xml(XML).interfaces[0]
    connection.register_object(PATH, info, on_call, on_get, None)


def on_name(_connection, _name):
    print("watcher ready", flush=True)


def on_lost(_connection, _name):
    sys.exit("could not own " + NAME)


Gio.bus_own_name(Gio.BusType.SESSION, NAME, Gio.BusNameOwnerFlags.NONE, on_bus, on_name,
                 on_lost)
GLib.MainLoop().run()
