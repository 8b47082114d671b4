#!/usr/bin/python3
"""What a screen reader hears from the board, read on the desktop's accessibility bus.

Run under dbus-run-session: starts a private Xvfb, turns accessibility on as a screen reader
does, starts the built program with "bypass", drives a short sale with XTest keys and reads
the lot, the bid and the note back through AT-SPI after each step (what Orca then says is
orca_sale.py's part). Then the setup windows' controls whose captions are symbols or
repeated words are looked up by their spoken names.

Usage: atspi_board.py GAVELOR_EXECUTABLE
"""

import json
import os
import subprocess
import sys
import tempfile
import time

import gi

gi.require_version("Gio", "2.0")
from gi.repository import Gio, GLib  # noqa: E402

FAILURES = []
CHECKS = [0]


def check(condition, what):
    CHECKS[0] += 1
    if not condition:
        FAILURES.append(what)
        print("FAIL: " + what, flush=True)


def start_xvfb():
    read_end, write_end = os.pipe()
    server = subprocess.Popen(
        ["Xvfb", "-displayfd", str(write_end), "-noreset", "-nolisten", "tcp", "-screen", "0", "1280x1024x24"],
        pass_fds=[write_end], stderr=subprocess.DEVNULL)
    os.close(write_end)
    number = b""
    while not number.endswith(b"\n"):
        chunk = os.read(read_end, 16)
        if not chunk:
            break
        number += chunk
    os.close(read_end)
    return server, ":" + number.decode().strip()


def enable_accessibility():
    """What Orca does at start: tells every application that a screen reader listens."""
    bus = Gio.bus_get_sync(Gio.BusType.SESSION, None)
    for prop in ("IsEnabled", "ScreenReaderEnabled"):
        bus.call_sync("org.a11y.Bus", "/org/a11y/bus", "org.freedesktop.DBus.Properties", "Set",
                      GLib.Variant("(ssv)", ("org.a11y.Status", prop, GLib.Variant("b", True))),
                      None, Gio.DBusCallFlags.NONE, 10000, None)


def settings_file(folder):
    path = os.path.join(folder, "Gavelor", "settings.json")
    os.makedirs(os.path.dirname(path))
    with open(path, "w", encoding="utf-8") as out:
        json.dump({"application": "Gavelor", "version": 1, "sections": {
            "Increments": [[" 0", " 5"], [" 1000", " 50"]],
            "Lots": [[" 1", " 12\u0005 1150\u0005Oak chest"], [" 2", " 14\u0005 300\u0005Pair of vases"]],
        }}, out)


def pump(seconds):
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


def main():
    executable = sys.argv[1]
    server, display = start_xvfb()
    os.environ["DISPLAY"] = display
    enable_accessibility()
    import pyatspi  # after the bus says a screen reader listens

    with tempfile.TemporaryDirectory() as config:
        settings_file(config)
        env = dict(os.environ, XDG_CONFIG_HOME=config, QT_QPA_PLATFORM="xcb")
        env.pop("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", None)
        program = subprocess.Popen([executable, "bypass"], env=env)
        try:
            desktop = pyatspi.Registry.getDesktop(0)
            app = wait_for(lambda: find(desktop, lambda a: a.name.lower() == "gavelor" and a.getRole() ==
                                        pyatspi.ROLE_APPLICATION, 0))
            check(app is not None, "the program is on the accessibility bus")
            if app is None:
                return
            # Named by what they show, as a screen reader reads them on Tab.
            lot = wait_for(lambda: find(app, lambda a: a.name.startswith("Lot 0, 0 dollars")), 30)
            bid = wait_for(lambda: find(app, lambda a: a.name.startswith("Bid 0 dollars")))
            note = wait_for(lambda: find(app, lambda a: a.name == "Lot note"))
            check(None not in (lot, bid, note), "the lot, the bid and the note are found by name")
            if None in (lot, bid, note):
                return
            check(text_of(bid) == "$0", "the board opens at $0: " + text_of(bid))
            check("increase" not in [bid.queryAction().getName(i) for i in range(bid.queryAction().nActions)],
                  "the bid offers no Increase action that would do nothing")

            window = subprocess.run(["xdotool", "search", "--sync", "--name", "^Gavelor by"],
                                    capture_output=True, text=True).stdout.split()[0]
            xdotool("windowfocus", "--sync", window)
            steps = [
                # keys, lot text, bid text, note, what
                (["Right"], "Lot #: 12", "$1,150", "Oak chest", "a lot step brings its starting bid"),
                (["Up"], "Lot #: 12", "$1,200", "Oak chest", "a raise across the thousands"),
                (["Down"], "Lot #: 12", "$1,150", "Oak chest", "a take-back"),
                (["Tab", "2", "5", "0", "0", "Return"], "Lot #: 12", "$2,500", "Oak chest",
                 "a bid typed on the amount and confirmed with Enter"),
                (["Right"], "Lot #: 14", "$300", "Pair of vases", "the next lot, below a thousand"),
                (["shift+Tab", "7", "Return"], "Lot #: 7", "$300", "Pair of vases", "a typed lot number"),
            ]
            for keys, lot_text, bid_text, note_text, what in steps:
                xdotool("key", "--delay", "60", *keys)
                pump(0.6)
                check(text_of(lot) == lot_text, f"{what}: the lot reads {text_of(lot)!r}")
                check(text_of(bid) == bid_text, f"{what}: the bid reads {text_of(bid)!r}")
                check(text_of(note) == note_text, f"{what}: the note reads {text_of(note)!r}")

            # Controls whose captions are symbols or repeated words, by what they do.
            xdotool("key", "F3")
            editor = wait_for(lambda: find(app, lambda a: a.name == "Gavelor - Lots", 0) or
                              find(app, lambda a: a.name == "Gavelor - Lots"))
            check(editor is not None, "F3 opens the lot editor")
            for name in ("Move selected lot up", "Move selected lot down"):
                check(editor is not None and find(editor, lambda a, n=name: a.name == n and a.getRole() ==
                                                  pyatspi.ROLE_PUSH_BUTTON) is not None,
                      f"the lot editor has a button named {name!r}")
            xdotool("key", "alt+n")
            pump(0.5)
            xdotool("windowfocus", "--sync", window)
            xdotool("key", "F2")
            options = wait_for(lambda: find(app, lambda a: a.name == "Gavelor - Options"))
            check(options is not None, "F2 opens the options dialog")
            for name in ("Change Back Color", "Change LED Background", "Change Text Color", "Change LED Lot Color",
                         "Change LED Amount Color"):
                check(options is not None and find(options, lambda a, n=name: a.name == n) is not None,
                      f"the options dialog has a control named {name!r}")
            xdotool("key", "ctrl+Tab", "ctrl+Tab")  # the third tab, "Additional Settings"
            # On Linux Qt names a drop-down after its current item; a screen reader speaks the
            # label it is labelled by before it.
            digits = options and find(options, lambda a: a.getRole() == pyatspi.ROLE_COMBO_BOX)
            labels = [target.name for relation in (digits.getRelationSet() if digits else [])
                      if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY
                      for target in (relation.getTarget(i) for i in range(relation.getNTargets()))]
            check(digits is not None and (digits.name == "Digit type" or
                                          any(label.lower().startswith("digit type") for label in labels)),
                  f"the digit-type list is spoken as the digit type ({labels})")
            xdotool("key", "Escape")
        finally:
            program.terminate()
            try:
                program.wait(10)
            except subprocess.TimeoutExpired:
                program.kill()
            server.terminate()

    failed = len(FAILURES)
    print(f"{CHECKS[0] - failed} passed, {failed} failed", flush=True)
    sys.exit(1 if failed else 0)


if __name__ == "__main__":
    main()
    # A check that ended the run early has still failed it.
    sys.exit(1 if FAILURES else 0)
