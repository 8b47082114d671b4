#!/usr/bin/python3
"""What the python end-to-end tests share: their checks, a private Xvfb, the program's settings file,
the built program started and ended, and the AT-SPI look-ups a screen reader makes.

pyatspi is imported only once accessibility is on (program_for_screen_reader): it asks the bus
at import whether a screen reader listens.
"""

import contextlib
import json
import os
import subprocess
import sys
import tempfile
import time

_FAILURES = []
_CHECKS = [0]


def check(condition, what):
    _CHECKS[0] += 1
    if not condition:
        _FAILURES.append(what)
    print(("ok:   " if condition else "FAIL: ") + what, flush=True)


def finish():
    """Tells how the checks went and ends the test, failed if any check failed."""
    failed = len(_FAILURES)
    print(f"{_CHECKS[0] - failed} passed, {failed} failed", flush=True)
    sys.exit(1 if failed else 0)


def start_xvfb(arguments, start=None):
    """Starts Xvfb on a display it picks itself and writes on a pipe once it accepts clients.
    start: how to start the process (subprocess.Popen's signature); returns it and ":N"."""
    if start is None:
        def start(command, **options):
            return subprocess.Popen(command, stderr=subprocess.DEVNULL, **options)
    read_end, write_end = os.pipe()
    try:
        server = start(["Xvfb", "-displayfd", str(write_end)] + list(arguments), pass_fds=[write_end])
    finally:
        os.close(write_end)
    number = b""
    with os.fdopen(read_end, "rb", buffering=0) as pipe:
        while not number.endswith(b"\n"):
            chunk = pipe.read(16)
            if not chunk:
                raise RuntimeError("Xvfb did not start")
            number += chunk
    return server, ":" + number.decode().strip()


def write_settings(config, sections):
    """The program's settings file under CONFIG (its XDG_CONFIG_HOME), with these sections."""
    path = os.path.join(config, "Gavelor", "settings.json")
    os.makedirs(os.path.dirname(path))
    with open(path, "w", encoding="utf-8") as out:
        json.dump({"application": "Gavelor", "version": 1, "sections": sections}, out)


def stop_program(program):
    program.terminate()
    try:
        program.wait(10)
    except subprocess.TimeoutExpired:
        program.kill()


def enable_accessibility():
    """What Orca does at start: tells every application that a screen reader listens."""
    import gi
    gi.require_version("Gio", "2.0")
    from gi.repository import Gio, GLib
    bus = Gio.bus_get_sync(Gio.BusType.SESSION, None)
    for prop in ("IsEnabled", "ScreenReaderEnabled"):
        bus.call_sync("org.a11y.Bus", "/org/a11y/bus", "org.freedesktop.DBus.Properties", "Set",
                      GLib.Variant("(ssv)", ("org.a11y.Status", prop, GLib.Variant("b", True))),
                      None, Gio.DBusCallFlags.NONE, 10000, None)


def pump(seconds):
    """Lets the bus's events in for a while."""
    from gi.repository import GLib
    context = GLib.MainContext.default()
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        while context.iteration(False):
            pass
        time.sleep(0.02)


def find(root, predicate, depth=0):
    if root is None or depth > 12:
        return None
    try:
        if predicate(root):
            return root
        for i in range(root.childCount):
            found = find(root.getChildAtIndex(i), predicate, depth + 1)
            if found is not None:
                return found
    except Exception:  # an object that went away while we looked
        return None
    return None


def wait_for(lookup, seconds=15):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        found = lookup()
        if found is not None:
            return found
        pump(0.1)
    return None


def text_of(accessible):
    try:
        text = accessible.queryText()
        return text.getText(0, text.characterCount)
    except NotImplementedError:
        return None


def xdotool(*arguments):
    subprocess.run(["xdotool"] + list(arguments), check=False)
    pump(0.4)


def window_named(pattern):
    """The id of the first X window whose title matches, once there is one."""
    return subprocess.run(["xdotool", "search", "--sync", "--name", pattern],
                          capture_output=True, text=True).stdout.split()[0]


@contextlib.contextmanager
def program_for_screen_reader(executable, sections=None):
    """The built program with "bypass" on a private Xvfb, accessibility on as a screen reader turns
    it on, on the settings SECTIONS (none: no settings file). Yields pyatspi and the program's
    application object on the bus, None when it did not appear there."""
    server, display = start_xvfb(["-noreset", "-nolisten", "tcp", "-screen", "0", "1280x1024x24"])
    os.environ["DISPLAY"] = display
    try:
        enable_accessibility()
        import pyatspi  # after the bus says a screen reader listens

        with tempfile.TemporaryDirectory() as config:
            if sections is not None:
                write_settings(config, sections)
            env = dict(os.environ, XDG_CONFIG_HOME=config, QT_QPA_PLATFORM="xcb")
            env.pop("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", None)
            program = subprocess.Popen([executable, "bypass"], env=env)
            try:
                desktop = pyatspi.Registry.getDesktop(0)
                yield pyatspi, wait_for(lambda: find(desktop, lambda a: a.name.lower() == "gavelor" and
                                                     a.getRole() == pyatspi.ROLE_APPLICATION, 0))
            finally:
                stop_program(program)
    finally:
        server.terminate()
