#!/usr/bin/python3
"""What a screen reader meets in the help viewer, read on the desktop's accessibility bus.

Run under dbus-run-session: starts a private Xvfb, turns accessibility on as a screen reader
does, starts the built program with "bypass", opens the help with F1 and reads the viewer back
through AT-SPI: a text with a caret that the arrow keys move line by line, the document's text,
its pictures by their names, and Esc closing the window.

Usage: atspi_help.py GAVELOR_EXECUTABLE
"""

import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support"))
from e2e_support import check, find, finish, program_for_screen_reader, text_of, wait_for, window_named, xdotool  # noqa: E402,E501


def drive(pyatspi, app):
    """The help opened with F1, read, moved through and closed."""
    check(app is not None, "the program is on the accessibility bus")
    if app is None:
        return
    window = window_named("^Gavelor by")
    xdotool("windowfocus", "--sync", window)
    xdotool("key", "F1")
    viewer = wait_for(lambda: find(app, lambda a: a.name == "Help" and a.getRole() != pyatspi.ROLE_FRAME))
    check(viewer is not None, "F1 opens the help viewer")
    if viewer is None:
        return
    # Read by a worker: the document replaces the line that says so.
    wait_for(lambda: viewer if "Scoreboard keys" in (text_of(viewer) or "") else None)
    text = text_of(viewer) or ""
    role = viewer.getRoleName()
    print(f"viewer role: {role}; {len(text)} characters", flush=True)
    check(viewer.getRole() in (pyatspi.ROLE_TEXT, pyatspi.ROLE_DOCUMENT_TEXT, pyatspi.ROLE_ENTRY),
          f"the viewer is a text, not a label ({role})")
    check("Scoreboard keys" in text, "the viewer holds the help document's text")
    check("Gavelor logo: an auctioneer's gavel" in text and "\ufffc" not in text,
          "the picture is read as its description, not as an object replacement character")
    states = viewer.getState()
    check(states.contains(pyatspi.STATE_FOCUSABLE), "the viewer takes the focus")
    check(not states.contains(pyatspi.STATE_EDITABLE), "the viewer is read-only")
    caret = viewer.queryText().caretOffset
    xdotool("key", "ctrl+Home", "Down", "Down")
    moved = viewer.queryText().caretOffset
    check(moved > caret or (caret > 0 and moved != caret),
          f"the caret moves line by line ({caret} to {moved})")
    line = viewer.queryText().getTextAtOffset(moved, pyatspi.TEXT_BOUNDARY_LINE_START)
    print(f"line at the caret: {line[0]!r}", flush=True)
    check(bool(line[0].strip()), "the line at the caret is read")
    xdotool("key", "Escape")
    gone = wait_for(lambda: None if find(app, lambda a: a.name == "Gavelor - Help", 0) else True, 5)
    check(gone is True, "Esc closes the help window")


def main():
    with program_for_screen_reader(sys.argv[1]) as (pyatspi, app):
        drive(pyatspi, app)
    finish()


if __name__ == "__main__":
    main()
