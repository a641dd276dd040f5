#!/usr/bin/python3
"""A desktop portal that takes its name on the session bus and never answers, as
a hung one does in a real session (not a test). Runs until it is ended."""
from gi.repository import Gio, GLib

INTERFACE = Gio.DBusNodeInfo.new_for_xml("""
<node><interface name="org.freedesktop.portal.Settings">
  <method name="Read"><arg type="s" direction="in"/><arg type="s" direction="in"/>
    <arg type="v" direction="out"/></method>
  <method name="ReadOne"><arg type="s" direction="in"/><arg type="s" direction="in"/>
    <arg type="v" direction="out"/></method>
  <method name="ReadAll"><arg type="as" direction="in"/>
    <arg type="a{sa{sv}}" direction="out"/></method>
</interface></node>""").interfaces[0]

unanswered = []  # kept, so that no reply is ever sent


def on_bus(connection, _name):
    connection.register_object("/org/freedesktop/portal/desktop", INTERFACE,
                               lambda *call: unanswered.append(call[-1]), None, None)


Gio.bus_own_name(Gio.BusType.SESSION, "org.freedesktop.portal.Desktop",
                 Gio.BusNameOwnerFlags.NONE, on_bus, None, None)
GLib.MainLoop().run()
