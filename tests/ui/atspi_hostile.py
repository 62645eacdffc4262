#!/usr/bin/python3
"""The calculator against a careless or hostile screen reader, through the
same stack as atspi_check.py (Xvfb, a private D-Bus session, at-spi2-core),
speaking D-Bus to the program directly so that every argument is exactly
as sent and every call has its own reply timeout.

usage: atspi_hostile.py VORBENTO VORBENTO_REPLAY

Every object is asked for its children at -1, at its child count and far
beyond: the answer must be the reference to no object, as for an object
without children. Every index- or offset-taking method the objects offer,
and those of the selection, table and hypertext interfaces they do not,
gets out-of-range and reversed arguments; EditableText gets a too long
insertion length, a 200 000-character text, "1e999" and "ő😀". A call
without an answer within its timeout fails the check, as does the program
ending. Afterwards the inputs are set back and an edit of the mass must
still change the moved-mass inertia to what the engine gives.
"""

import itertools
import signal
import subprocess
import sys
import time
import xml.etree.ElementTree as ET

from atspi_check import CHANGE_TIMEOUT, STARTUP_TIMEOUT, Failure, replay_results, run_check, start_program

REPLY_TIMEOUT_MS = 3000
INT_MIN, INT_MAX = -2**31, 2**31 - 1
ACC = "org.a11y.atspi.Accessible"
NULL_PATH = "/org/a11y/atspi/null"
MASS = "a mozgatandó tömeg: asztal és munkadarab, vagy komplett Z egység (kg)"
INERTIA = "a mozgatandó tömeg orsóra redukált inerciája (kgm²)"

# Interfaces the bridge offers none of here, but a client may ask anyway.
ABSENT = [("org.a11y.atspi.Selection", m, "(i)") for m in
          ("GetSelectedChild", "SelectChild", "DeselectSelectedChild", "IsChildSelected", "DeselectChild")] + \
         [("org.a11y.atspi.Table", m, "(ii)") for m in ("GetAccessibleAt", "GetIndexAt", "IsSelected")] + \
         [("org.a11y.atspi.Table", m, "(i)") for m in ("GetRowAtIndex", "GetRowHeader", "GetColumnDescription")] + \
         [("org.a11y.atspi.Hypertext", "GetLink", "(i)"), ("org.a11y.atspi.Hypertext", "GetLinkIndex", "(i)"),
          ("org.a11y.atspi.Hyperlink", "GetObject", "(i)"), ("org.a11y.atspi.Hyperlink", "GetURI", "(i)")]
# Not asked: moving the window, and GetBoundedRanges, which the bridge never
# answers whatever its arguments (it cannot marshal its reply).
LEFT_OUT = {"SetExtents", "SetPosition", "SetSize", "GetBoundedRanges"}


class Client:
    def __init__(self, address, proc):
        try:
            from gi.repository import Gio, GLib
        except ImportError as e:
            raise Failure(f"GObject introspection is missing (Debian package python3-gi): {e}")
        self.GLib, self.proc = GLib, proc
        flags = Gio.DBusConnectionFlags.AUTHENTICATION_CLIENT | Gio.DBusConnectionFlags.MESSAGE_BUS_CONNECTION
        self.conn = Gio.DBusConnection.new_for_address_sync(address, flags, None, None)
        self.Gio, self.name, self.calls = Gio, None, 0

    def call(self, path, iface, method, sig=None, args=None, dest=None):
        """The reply's values, or None for an error reply; no reply fails."""
        self.calls += 1
        params = self.GLib.Variant(sig, args) if sig else None
        try:
            return self.conn.call_sync(dest or self.name, path, iface, method, params, None,
                                       self.Gio.DBusCallFlags.NONE, REPLY_TIMEOUT_MS, None).unpack()
        except self.GLib.Error as e:
            if "Timeout" not in str(e) and "NoReply" not in str(e):
                return None
            try:  # the bus says "no reply" as the program ends
                self.proc.wait(1)
                code = self.proc.returncode
                how = signal.Signals(-code).name if code < 0 else f"exit status {code}"
                raise Failure(f"vorbento ended ({how}) on {method}{args} at {path}")
            except subprocess.TimeoutExpired:
                raise Failure(f"no answer within {REPLY_TIMEOUT_MS} ms to {iface}.{method}{args} at {path}")

    def prop(self, path, iface, name):
        return self.call(path, "org.freedesktop.DBus.Properties", "Get", "(ss)", (iface, name))[0]


def find_app(c):
    deadline = time.monotonic() + STARTUP_TIMEOUT
    while time.monotonic() < deadline:
        if c.proc.poll() is not None:
            raise Failure(f"vorbento ended at start (exit status {c.proc.returncode})")
        apps = c.call("/org/a11y/atspi/accessible/root", ACC, "GetChildren", dest="org.a11y.atspi.Registry")
        for bus, path in (apps or [[]])[0]:
            if c.call(path, "org.freedesktop.DBus.Properties", "Get", "(ss)", (ACC, "Name"), dest=bus) == ("Vorbento",):
                return bus
        time.sleep(0.3)
    raise Failure("vorbento did not appear on the accessibility bus")


def objects(c):
    found = []
    def walk(path):
        found.append(path)
        for _, child in c.call(path, ACC, "GetChildren")[0]:
            walk(child)
    # The fields come with the first show of the window: wait for all 54.
    deadline = time.monotonic() + STARTUP_TIMEOUT
    while True:
        found.clear()
        walk("/org/a11y/atspi/accessible/root")
        texts = [p for p in found if "org.a11y.atspi.Text" in c.call(p, ACC, "GetInterfaces")[0]]
        if len(texts) >= 54 or time.monotonic() > deadline:
            return found, texts
        time.sleep(0.3)


def sweep(c, path):
    """Every method of `path` with an int argument, called with bad ones."""
    counts = {ACC: c.prop(path, ACC, "ChildCount")}
    for iface in ET.fromstring(c.call(path, "org.freedesktop.DBus.Introspectable", "Introspect")[0]):
        name = iface.get("name")
        if name == "org.a11y.atspi.Action":
            counts[name] = c.prop(path, name, "NActions")
        if name in ("org.a11y.atspi.Text", "org.a11y.atspi.EditableText"):
            counts[name] = c.prop(path, "org.a11y.atspi.Text", "CharacterCount")
        n = counts.get(name, 0)
        for m in iface.findall("method"):
            ins = [a.get("type") for a in m.findall("arg") if a.get("direction", "in") == "in"]
            if "i" not in ins or m.get("name") in LEFT_OUT:
                continue
            # Each value for every int argument, then a reversed range.
            for ints in [itertools.repeat(v) for v in (-1, INT_MIN, INT_MAX, n, n + 1)] + \
                    ([itertools.cycle((n + 5, -1))] if ins.count("i") > 1 else []):
                other = {"u": 0, "s": "x", "b": False}
                args = tuple(next(ints) if t == "i" else other[t] for t in ins)
                c.call(path, name, m.get("name"), "(" + "".join(ins) + ")", args)
    for iface, method, sig in ABSENT:
        for v in (-1, INT_MAX):
            c.call(path, iface, method, sig, (v,) * (len(sig) - 2))
    c.call(path, ACC, "GetRelationSet")


def check(env, program, replay):
    proc = start_program(env, program)
    c = Client(env["AT_SPI_BUS_ADDRESS"], proc)
    c.name = find_app(c)
    paths, texts = objects(c)
    names = {c.prop(p, ACC, "Name"): p for p in texts}
    if MASS not in names or INERTIA not in names:
        raise Failure("no mass or moved-mass inertia field")
    inputs = {p: c.call(p, "org.a11y.atspi.Text", "GetText", "(ii)", (0, -1))[0]
              for p in texts if "org.a11y.atspi.EditableText" in c.call(p, ACC, "GetInterfaces")[0]}
    errors = []

    # Children: the answer of an object without any, whatever the index.
    nothing = (c.name, NULL_PATH)
    for p in paths:
        n = c.prop(p, ACC, "ChildCount")
        for i in (-1, n, n + 1, n + 1000, INT_MAX):
            if (got := c.call(p, ACC, "GetChildAtIndex", "(i)", (i,))) != (nothing,):
                errors.append(f"child {i} of {p} (of {n}) is {got}, expected {nothing}")
    for i in (-1, 0, INT_MAX):  # an object gone since the client saw it: any answer
        c.call("/org/a11y/atspi/accessible/2147499999", ACC, "GetChildAtIndex", "(i)", (i,))
    for p in paths:
        sweep(c, p)

    # EditableText: a length past the text takes the text, nothing beyond it.
    mass = names[MASS]
    def set_text(p, text):
        c.call(p, "org.a11y.atspi.EditableText", "SetTextContents", "(s)", (text,))
    def text_of(p):
        return c.call(p, "org.a11y.atspi.Text", "GetText", "(ii)", (0, -1))[0]
    for text in ("9" * 200000, "1e999", "ő😀"):
        set_text(mass, text)
    for insert, length, want in (("ő😀", 6, "ő😀12"), ("x", INT_MAX, "x12")):
        set_text(mass, "12")
        c.call(mass, "org.a11y.atspi.EditableText", "InsertText", "(isi)", (0, insert, length))
        if (got := text_of(mass)) != want:
            errors.append(f"InsertText(0, {insert!r}, {length}) into '12' gives {got!r}, expected {want!r}")

    # Still the calculator: the inputs set back, an edit of the mass recomputes.
    for p, text in inputs.items():
        set_text(p, text)
    want = replay_results(replay, [("m", "45")])["jtomeg"]
    before = text_of(names[INERTIA])
    set_text(mass, "45")
    deadline = time.monotonic() + CHANGE_TIMEOUT
    while (got := text_of(names[INERTIA])) != want and time.monotonic() < deadline:
        time.sleep(0.1)
    if got != want or got == before:
        errors.append(f"after m = 45 the moved-mass inertia reads {got!r} (was {before!r}), the engine gives {want!r}")
    if proc.poll() is not None:
        errors.append(f"vorbento ended during the check (exit status {proc.returncode})")
    return errors, len(paths), c.calls


if __name__ == "__main__":
    def hostile(env, program, replay):
        errors, count, calls = check(env, program, replay)
        return errors, f"hostile AT-SPI client: {count} objects, {calls} calls answered, still recomputes: ok"
    sys.exit(run_check(hostile, "vorbento-hostile-", __doc__))
