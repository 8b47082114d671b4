#!/usr/bin/python3
"""What a screen reader hears from the board, read on the desktop's accessibility bus.

Run under dbus-run-session: starts a private Xvfb, turns accessibility on as a screen reader
does, starts the built program with "bypass", drives a short sale with XTest keys and reads
the lot, the bid and the note back through AT-SPI after each step (what Orca then says is
orca_sale.py's part). Then the setup windows' controls whose captions are symbols or
repeated words are looked up by their spoken names.

Usage: atspi_board.py GAVELOR_EXECUTABLE
"""

import os
import subprocess
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support"))
from e2e_support import check, find, finish, program_for_screen_reader, pump, text_of, wait_for, window_named, xdotool  # noqa: E402,E501

SETTINGS = {
    "Increments": [[" 0", " 5"], [" 1000", " 50"]],
    "Lots": [[" 1", " 12\u0005 1150\u0005Oak chest"], [" 2", " 14\u0005 300\u0005Pair of vases"]],
}


def drive(pyatspi, app):
    """The sale and the setup windows, read back after each step."""
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

    window = window_named("^Gavelor by")
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


def main():
    with program_for_screen_reader(sys.argv[1], SETTINGS) as (pyatspi, app):
        drive(pyatspi, app)
    finish()


if __name__ == "__main__":
    main()
