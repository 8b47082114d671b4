#!/usr/bin/python3
"""Times a raise on the board to the moment speech-dispatcher is asked to say the new amount, with Orca
listening (tests/support/orca_session.py). Prints the milliseconds of each raise, one a line.

Run under dbus-run-session. Usage: speech_probe.py GAVELOR_EXECUTABLE RAISES
"""

import json
import os
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tests", "support"))
from orca_session import OrcaSession  # noqa: E402


def main():
    executable, raises = sys.argv[1], int(sys.argv[2])
    # The speech module may still be writing its last utterance as the session ends.
    with tempfile.TemporaryDirectory(ignore_cleanup_errors=True) as work:
        session = OrcaSession(os.path.join(work, "orca"), debug_log=False)
        os.makedirs(session.work)
        program = None
        try:
            session.start()
            config = os.path.join(work, "config", "Gavelor")
            os.makedirs(config)
            with open(os.path.join(config, "settings.json"), "w") as out:
                # One increment of 1 from 100000: every raise says a new six-digit amount.
                json.dump({"application": "Gavelor", "version": 1, "sections": {
                    "Increments": [[" 0", " 1"]], "Lots": [[" 1", " 7\u0005 100000\u0005Clock"]]}}, out)
            env = dict(os.environ, XDG_CONFIG_HOME=os.path.dirname(config), XDG_DATA_HOME=os.path.join(work, "data"))
            since = time.time()
            program = subprocess.Popen([executable, "bypass"], env=env)
            if not session.wait_for(lambda texts: any("Lot 0" in t for t in texts), since, 30):
                sys.exit("the board was not spoken")
            since = time.time()
            subprocess.run(["xdotool", "key", "Right"], check=False)
            if not session.wait_for(lambda texts: any("Lot 7" in t for t in texts), since, 10):
                sys.exit("the lot step was not spoken")
            time.sleep(1.5)
            for amount in range(100001, 100001 + raises):
                # The amount as the board says it in English: 100,001.
                spoken = f"{amount:,}"
                pressed = time.time()
                subprocess.run(["xdotool", "key", "Up"], check=False)
                if not session.wait_for(lambda texts: any(spoken in t for t in texts), pressed, 5):
                    sys.exit(f"{spoken} was not spoken")
                at = next(t for t, text in session.heard(pressed) if spoken in text)
                print(f"{at * 1000:.1f}", flush=True)
                time.sleep(0.8)
        finally:
            if program is not None:
                program.terminate()
                try:
                    program.wait(10)
                except subprocess.TimeoutExpired:
                    program.kill()
            session.stop()


if __name__ == "__main__":
    main()
