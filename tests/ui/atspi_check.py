#!/usr/bin/python3
"""The calculator through the real Linux accessibility stack, as a screen
reader sees it: a private X server (Xvfb), a private D-Bus session bus,
at-spi2-core's bus launcher and registry, the program under xcb with the
accessibility bridge always on, and pyatspi walking its tree.

usage: atspi_check.py VORBENTO VORBENTO_REPLAY

Checks every field's name, the results' states and texts, an edit made
through EditableText (the results must become what the engine gives for it,
asked from the replay tool), the invalid-entry state and event of a text that
is no number (described as such), and each field's label relation. Anything of the stack that does not
start is a failure with its reason; everything started is ended at the end.
"""

import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time

STARTUP_TIMEOUT = 30.0  # seconds for each part of the stack to appear
CHANGE_TIMEOUT = 10.0   # seconds for a text or state to follow an edit

TOOLS = {
    "Xvfb": "xvfb",
    "dbus-daemon": "dbus-daemon",
    "dbus-send": "dbus-bin",
    "/usr/libexec/at-spi-bus-launcher": "at-spi2-core",
    "/usr/libexec/at-spi2-registryd": "at-spi2-core",
}


class Failure(Exception):
    pass


started = []  # process groups to end, latest last


def start(argv, env=None, **kw):
    p = subprocess.Popen(argv, env=env, start_new_session=True, **kw)
    started.append(p)
    return p


def stop_all():
    for p in reversed(started):
        if p.poll() is None:
            try:
                os.killpg(p.pid, signal.SIGTERM)
            except ProcessLookupError:
                pass
    deadline = time.monotonic() + 5
    for p in reversed(started):
        try:
            p.wait(max(0.1, deadline - time.monotonic()))
        except subprocess.TimeoutExpired:
            try:
                os.killpg(p.pid, signal.SIGKILL)
            except ProcessLookupError:
                pass
            p.wait()


def read_line_from(fd, what, proc):
    """The first line a child writes to the pipe `fd`, within the timeout."""
    import select
    data = b""
    deadline = time.monotonic() + STARTUP_TIMEOUT
    while not data.endswith(b"\n"):
        left = deadline - time.monotonic()
        if left <= 0 or proc.poll() is not None:
            raise Failure(f"{what} did not start (exit status {proc.poll()})")
        ready, _, _ = select.select([fd], [], [], min(left, 0.5))
        if ready:
            chunk = os.read(fd, 4096)
            if not chunk:
                raise Failure(f"{what} closed its output without an answer")
            data += chunk
    return data.decode().strip()


def start_stack(tmp):
    for tool, package in TOOLS.items():
        if not shutil.which(tool):
            raise Failure(f"{tool} is missing (Debian package {package}; tools/setup-debian.sh installs it)")
    env = dict(os.environ)
    for k in ("DISPLAY", "WAYLAND_DISPLAY", "DBUS_SESSION_BUS_ADDRESS", "AT_SPI_BUS_ADDRESS"):
        env.pop(k, None)
    env["XDG_RUNTIME_DIR"] = tmp
    os.chmod(tmp, 0o700)

    r, w = os.pipe()
    xvfb = start(["Xvfb", "-displayfd", str(w), "-screen", "0", "1280x1024x24", "-nolisten", "tcp"],
                 env=env, pass_fds=(w,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(w)
    display = ":" + read_line_from(r, "Xvfb", xvfb)
    os.close(r)

    r, w = os.pipe()
    log = open(os.path.join(tmp, "buses.log"), "w")  # shown when something fails
    bus = start(["dbus-daemon", "--session", "--nofork", "--nopidfile", f"--print-address={w}"],
                env=env, pass_fds=(w,), stdout=subprocess.DEVNULL, stderr=log)
    os.close(w)
    env["DBUS_SESSION_BUS_ADDRESS"] = read_line_from(r, "the D-Bus session bus", bus)
    os.close(r)

    launcher = start(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"], env=env,
                     stdout=subprocess.DEVNULL, stderr=log)
    # Asked before the launcher owns its name, the session bus would start a
    # second launcher of its own: wait for ours first.
    wait_for(lambda: "true" in (dbus(env, "session", "org.freedesktop.DBus", "/org/freedesktop/DBus",
                                    "org.freedesktop.DBus.NameHasOwner", "string:org.a11y.Bus") or ""),
             "at-spi-bus-launcher did not take its name on the session bus", launcher)
    address = dbus(env, "session", "org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus.GetAddress").strip()
    if not address.startswith("unix:"):
        raise Failure(f"at-spi-bus-launcher gave no accessibility bus address ({address!r})")
    env["AT_SPI_BUS_ADDRESS"] = address
    # The buses know no display: a launcher that has one also puts the bus
    # address on the X root window, and Qt 6.4 taking it from there (as from
    # AT_SPI_BUS_ADDRESS) connects without ever switching its bridge on.
    env["DISPLAY"] = display
    # The registry, started by the accessibility bus on the first call to it;
    # the program registers with it when it starts.
    wait_for(lambda: dbus(env, address, "org.a11y.atspi.Registry", "/org/a11y/atspi/accessible/root",
                          "org.freedesktop.DBus.Peer.Ping") is not None,
             "at-spi2-registryd did not answer on the accessibility bus", launcher)
    return env


def dbus(env, bus, dest, path, method, *args):
    """The literal reply of a D-Bus call, or None when it fails."""
    where = "--session" if bus == "session" else f"--bus={bus}"
    try:
        out = subprocess.run(["dbus-send", where, "--print-reply=literal", f"--dest={dest}", path, method, *args],
                             env=env, capture_output=True, text=True, timeout=10)
    except subprocess.TimeoutExpired:
        return None
    return out.stdout if out.returncode == 0 else None


def wait_for(ready, failure, proc):
    deadline = time.monotonic() + STARTUP_TIMEOUT
    while True:
        if ready():
            return
        if proc.poll() is not None:
            raise Failure(f"{failure} (it ended with exit status {proc.returncode})")
        if time.monotonic() > deadline:
            raise Failure(f"{failure} within {STARTUP_TIMEOUT:.0f} s")
        time.sleep(0.2)


def replay_results(replay, edits):
    """The texts the engine gives after `edits`, from the headless replay tool."""
    session = "".join(f"edit {name} {text}\n" for name, text in edits) + "dump\n"
    out = subprocess.run([replay], input=session, capture_output=True, text=True, timeout=30, check=True)
    texts = {}
    for line in out.stdout.splitlines():
        if "=" in line:
            name, text = line.split("=", 1)
            texts[name] = text
    return texts


def start_program(env, program):
    app_env = dict(env, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    # The program asks the session bus for the accessibility bus, as on a
    # desktop: Qt 6.4 given the address directly connects but never switches
    # its bridge on.
    app_env.pop("AT_SPI_BUS_ADDRESS")
    return start([program], env=app_env)


def check(env, program, replay):
    os.environ.update({k: env[k] for k in ("DISPLAY", "DBUS_SESSION_BUS_ADDRESS", "AT_SPI_BUS_ADDRESS")})
    try:
        import gi
        gi.require_version("Atspi", "2.0")
        from gi.repository import Atspi
        import pyatspi
    except (ImportError, ValueError) as e:
        raise Failure(f"pyatspi is missing (Debian package python3-pyatspi): {e}")

    program_proc = start_program(env, program)

    # The registry comes up with the first client; the program registers a
    # little later. Ask again until both are there.
    app = None
    deadline = time.monotonic() + STARTUP_TIMEOUT
    while app is None:
        if program_proc.poll() is not None:
            raise Failure(f"vorbento ended at start (exit status {program_proc.returncode})")
        if time.monotonic() > deadline:
            raise Failure("vorbento did not appear on the accessibility bus")
        try:
            desktop = pyatspi.Registry.getDesktop(0)
            for a in desktop:
                if a is not None and a.name == "Vorbento":
                    app = a
        except Exception:  # the registry not up yet
            pass
        if app is None:
            time.sleep(0.3)
    app.set_cache_mask(Atspi.Cache.NONE)  # every read asks the program

    def fields():
        found = {}
        def walk(o, depth=0):
            if o is None or depth > 20:
                return
            if o.getRole() in (pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY) and o.name:
                found[o.name] = o
            for child in o:
                walk(child, depth + 1)
        deadline = time.monotonic() + STARTUP_TIMEOUT
        while len(found) < 54 and time.monotonic() < deadline:
            found.clear()
            walk(app)
            if len(found) < 54:
                time.sleep(0.3)
        return found

    found = fields()
    errors = []
    if len(found) != 54:
        raise Failure(f"found {len(found)} named fields, expected 54: {sorted(found)}")

    def states(o):
        o.clear_cache()
        return o.getState()

    def text_of(o):
        o.clear_cache()
        t = o.queryText()
        return t.getText(0, t.characterCount)

    inputs = {n: o for n, o in found.items() if states(o).contains(pyatspi.STATE_EDITABLE)}
    results = {n: o for n, o in found.items() if n not in inputs}
    if len(inputs) != 33 or len(results) != 21:
        errors.append(f"{len(inputs)} editable fields and {len(results)} others, expected 33 and 21")
    for name, o in results.items():
        s = states(o)
        want = {"enabled": True, "read-only": True, "focusable": False, "editable": False}
        got = {"enabled": s.contains(pyatspi.STATE_ENABLED), "read-only": s.contains(pyatspi.STATE_READ_ONLY),
               "focusable": s.contains(pyatspi.STATE_FOCUSABLE), "editable": s.contains(pyatspi.STATE_EDITABLE)}
        if got != want:
            errors.append(f"result {name!r}: states {got}, expected {want}")
    for name, o in found.items():
        labels = [r for r in o.getRelationSet() if r.getRelationType() == pyatspi.RELATION_LABELLED_BY]
        if len(labels) != 1 or labels[0].getNTargets() != 1:
            errors.append(f"field {name!r} has no single LABELLED_BY relation")

    # Result texts, identified by their initial texts and names.
    mass = "a mozgatandó tömeg: asztal és munkadarab, vagy komplett Z egység (kg)"
    inertia = "a mozgatandó tömeg orsóra redukált inerciája (kgm²)"
    gravity = "a nehézségi gyorsulás (m/s²)"
    total = "az összes inercia, a motor tengelyére redukálva (kgm²)"
    for n in (mass, inertia, gravity, total):
        if n not in found:
            raise Failure(f"no field named {n!r}")
    if text_of(found[inertia]) != "0.0000190170":
        errors.append(f"jtomeg reads {text_of(found[inertia])!r} at start")

    # Voice control sets the whole text: the engine must recompute.
    want = replay_results(replay, [("m", "45")])
    found[mass].queryEditableText().setTextContents("45")
    deadline = time.monotonic() + CHANGE_TIMEOUT
    while text_of(found[inertia]) != want["jtomeg"] and time.monotonic() < deadline:
        time.sleep(0.1)
    for name, field in (("m", mass), ("jtomeg", inertia), ("jossz", total)):
        if text_of(found[field]) != want[name]:
            errors.append(f"after m = 45 through EditableText {name} reads {text_of(found[field])!r}, "
                          f"the engine gives {want[name]!r}")

    # A text that is no number is an invalid entry, described as such, with
    # an event a caching screen reader follows; both clear with the mark. The
    # state set differs from the field's own by INVALID_ENTRY alone.
    from gi.repository import GLib
    events = []
    listener = Atspi.EventListener.new(lambda e: events.append((e.source.name, e.detail1)))
    listener.register("object:state-changed:invalid-entry")

    def description_becomes(text):
        deadline = time.monotonic() + CHANGE_TIMEOUT
        while True:
            GLib.MainContext.default().iteration(False)
            found[gravity].clear_cache()
            if found[gravity].description == text or time.monotonic() > deadline:
                return found[gravity].description
            time.sleep(0.05)

    def spi_states(o):
        return {int(s) for s in states(o).getStates()}

    invalid = int(pyatspi.STATE_INVALID_ENTRY)
    plain = spi_states(found[gravity])
    found[gravity].queryEditableText().setTextContents("abc")
    if (got := description_becomes("Nem szám")) != "Nem szám" or text_of(found[gravity]) != "abc":
        errors.append(f"g = abc: description {got!r}, text {text_of(found[gravity])!r}")
    if (got := spi_states(found[gravity])) != plain | {invalid}:
        errors.append(f"g = abc: states {sorted(got)}, expected {sorted(plain | {invalid})}")
    found[gravity].queryEditableText().setTextContents("9.81")
    if (got := description_becomes("")) != "":
        errors.append(f"g = 9.81: description {got!r} stays")
    if (got := spi_states(found[gravity])) != plain:
        errors.append(f"g = 9.81: states {sorted(got)}, expected {sorted(plain)}")
    if events != [(gravity, 1), (gravity, 0)]:
        errors.append(f"invalid-entry events {events}, expected one set and one cleared for g")
    listener.deregister("object:state-changed:invalid-entry")

    if program_proc.poll() is not None:
        errors.append(f"vorbento ended during the check (exit status {program_proc.returncode})")
    return errors


def show_log(tmp):
    try:
        with open(os.path.join(tmp, "buses.log")) as f:
            print("buses:\n" + f.read(), file=sys.stderr)
    except OSError:
        pass


def run_check(check, prefix, usage):
    """Runs check(env, VORBENTO, VORBENTO_REPLAY) on a fresh stack; check
    returns its errors and the line to print when there are none."""
    if len(sys.argv) != 3:
        print(usage)
        return 2
    with tempfile.TemporaryDirectory(prefix=prefix) as tmp:
        try:
            errors, passed = check(start_stack(tmp), sys.argv[1], sys.argv[2])
        except Failure as e:
            print(f"FAIL: {e}", file=sys.stderr)
            show_log(tmp)
            return 1
        finally:
            stop_all()
        if errors:
            show_log(tmp)
    for e in errors[:20]:
        print(f"FAIL: {e}", file=sys.stderr)
    if errors:
        return 1
    print(passed)
    return 0


if __name__ == "__main__":
    sys.exit(run_check(lambda env, program, replay: (check(env, program, replay),
                                                     "accessibility through AT-SPI: 54 labelled fields, 21 read-only "
                                                     "results, EditableText edits, bad input invalid and described: ok"),
                       "vorbento-atspi-", __doc__))
