#!/usr/bin/python3
"""What a blind clerk hears from Orca at the hammer and at the currency board, from Orca itself.

Run under dbus-run-session: starts a private desktop with Orca (tests/support/orca_session.py), starts
the built program with the buyer's paddle asked for after F5 and a currency board set up, and drives it
with XTest keys: a lot sold, its paddle typed, the Currency Board window (F7) and back, and the options'
Currencies page. After each step it checks what Orca asked speech-dispatcher to say.

Usage: orca_clerk.py GAVELOR_EXECUTABLE
"""

import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "support"))
from e2e_support import check  # noqa: E402
from orca_session import program_heard  # noqa: E402

SETTINGS = {
    "Increments": [[" 0", " 25"], [" 1000", " 100"]],
    "Lots": [[" 1", " 12\u0005 150\u0005Oak chest"], [" 2", " 14\u0005 3000\u0005Pair of vases"]],
    "ClerkSettings": [["AskPaddle", "1"]],
    # Two euros to the dollar, in whole euros: a bid of 3,000 dollars is 6,000 euros.
    "CurrencyBoard": [["Enabled", "1"], ["SaleCode", "USD"], ["Count", "1"], ["Code1", "EUR"], ["Sign1", "\u20ac"],
                      ["Rate1", "2"], ["Step1", "1"]],
}


def main():
    with program_heard(sys.argv[1], SETTINGS) as (session, started):
        step = session.step

        said = session.wait_for(lambda texts: any("Click to continue" in t for t in texts), started, 40)
        check(said is not None, f"the title window is read ({said})")
        step(["Return"], ["Lot 0, 0 dollars"], "Enter opens the board", seconds=10, settle=0.5)
        step(["Right"], ["Lot 12, 150 dollars, Oak chest"], "a lot step says lot, bid and note")

        # The hammer, then the buyer's paddle: the entry says what it asks for, and Enter takes the
        # paddle and gives the keys back to the board, whose next key is heard as before.
        step(["F5"], ["Sold, 150", "Paddle"], "F5 says the sale and then asks for the paddle")
        step(["1", "1", "2", "Return"], ["Lot 12"], "Enter takes the paddle and returns to the board", settle=0.5)
        step(["Right"], ["Lot 14, 3,000 dollars, Pair of vases"], "the board takes the next lot step")

        # The currency board's window reads the bid in the other currency.
        step(["F7"], ["Currency Board", "Bid in other currencies", "EUR", "6,000"],
             "F7 opens the currency board, which reads the bid and its conversion", seconds=15)
        step(["Escape"], ["Lot 14"], "Esc closes the currency board and returns to the board", settle=0.5)

        # The options' Currencies page by its mnemonic, and its first control.
        def options(missed):
            step(["F2"], ["Options dialog"], "F2 opens the options", settle=2, failures=missed)
            # Alt+U selects the page and leaves the focus on OK, as Qt's page tabs do; Tab past Cancel
            # then reaches the tabs, on the Currencies page, and the page's first control.
            step(["alt+u", "Tab", "Tab"], ["Currencies page tab"], "Alt+U selects the Currencies page",
                 seconds=20, failures=missed)
            step(["Tab"], ["Show the bid in other currencies check box"],
                 "Tab says the page's first control, named", seconds=20, failures=missed)
            step(["Escape"], ["Gavelor by www.tarnwick.com"], "Esc closes the options", failures=missed)

        session.twice(options, "the Currencies page is heard by keyboard: its tab and its first control")


if __name__ == "__main__":
    main()
