#!/usr/bin/python3
"""A private desktop in which Orca, the Linux screen reader, listens and "speaks" into a file.

Run under dbus-run-session: starts Xvfb, openbox, the accessibility bus and Orca, with its debug log
unless told otherwise; speech-dispatcher's voice is a small script that appends each utterance with its time to
WORKDIR/spoken.tsv and then waits as long as espeak-ng would take to say it, so that a new utterance
interrupts an old one as with real speech. Used by the Orca test and the speech benchmark.
"""

import contextlib
import os
import shutil
import subprocess
import sys
import tempfile
import time

from e2e_support import check, finish, start_xvfb, stop_program, write_settings

SPEAKER = r"""#!/bin/sh
W=$(dirname "$0")
printf '%s\tSAY\t%s\t%s\n' "$(date +%s.%N)" "$2" "$1" >> "$W/spoken.tsv"
printf %s "$1" | espeak-ng -v en-us -s "$2" --stdin -w "$W/last.wav" 2>/dev/null
S=$(stat -c %s "$W/last.wav" 2>/dev/null || echo 44)
sleep "$(awk -v s="$S" 'BEGIN{printf "%.2f", (s-44)/44100}')"
"""


def available():
    """Orca and its speech are installed (the test group of scripts/install-deps.sh)."""
    return all(shutil.which(tool) for tool in ("orca", "speech-dispatcher", "espeak-ng", "Xvfb", "openbox",
                                               "xdotool", "gsettings"))


class OrcaSession:
    def __init__(self, workdir, debug_log=True):
        """debug_log: Orca writes its debug log to WORKDIR/orca.log, which tells why something was not
        said but slows every event Orca handles; timings are taken without it, as a user runs Orca."""
        self.work = os.path.realpath(workdir)
        self.debug_log = debug_log
        self.processes = []
        self.spoken = os.path.join(self.work, "spoken.tsv")

    def _configure_speech(self):
        home = os.path.join(self.work, "home")
        modules = os.path.join(home, ".config", "speech-dispatcher", "modules")
        os.makedirs(modules)
        os.makedirs(os.path.join(self.work, "run"), mode=0o700)
        os.makedirs(os.path.join(self.work, "spd-log"))
        speaker = os.path.join(self.work, "speak-to-file.sh")
        with open(speaker, "w") as out:
            out.write(SPEAKER)
        os.chmod(speaker, 0o755)
        with open(os.path.join(home, ".config", "speech-dispatcher", "speechd.conf"), "w") as out:
            out.write('CommunicationMethod "unix_socket"\nSocketPath "default"\nLogLevel 3\n'
                      f'LogDir "{self.work}/spd-log"\nDefaultLanguage "en-US"\nAudioOutputMethod "libao"\n'
                      'AddModule "fileout" "sd_generic" "fileout.conf"\nDefaultModule fileout\n')
        with open(os.path.join(modules, "fileout.conf"), "w") as out:
            out.write(f'GenericExecuteSynth "{speaker} \\\'$DATA\\\' $RATE"\nGenericCmdDependency "espeak-ng"\n'
                      'GenericLanguage "en" "en-us" "utf-8"\nGenericLanguage "en-us" "en-us" "utf-8"\n'
                      'AddVoice "en" "MALE1" "en-us"\nAddVoice "en-us" "MALE1" "en-us"\n'
                      'GenericRateAdd 175\nGenericRateMultiply 1\n')
        open(self.spoken, "w").close()
        os.environ.update({
            "HOME": home, "XDG_CONFIG_HOME": os.path.join(home, ".config"),
            "XDG_DATA_HOME": os.path.join(home, ".local", "share"), "XDG_RUNTIME_DIR": os.path.join(self.work, "run"),
            "LANG": "C.UTF-8", "LANGUAGE": "en", "QT_ACCESSIBILITY": "1", "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1",
            "QT_QPA_PLATFORM": "xcb"})

    def _start(self, arguments, errors=subprocess.DEVNULL, **kwargs):
        process = subprocess.Popen(arguments, stdin=subprocess.DEVNULL, stdout=errors, stderr=errors,
                                   start_new_session=True, **kwargs)
        self.processes.append(process)
        return process

    def start(self):
        self._configure_speech()
        _, os.environ["DISPLAY"] = start_xvfb(["-screen", "0", "1920x1080x24", "-dpi", "96", "-nolisten", "tcp",
                                               "-noreset"], start=self._start)
        # The session bus started before this desktop existed: what it starts (the accessibility bus,
        # settings) must see this display and this home.
        names = ("DISPLAY", "HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_RUNTIME_DIR", "LANG", "LANGUAGE")
        subprocess.run(["gdbus", "call", "--session", "--dest", "org.freedesktop.DBus", "--object-path",
                        "/org/freedesktop/DBus", "--method", "org.freedesktop.DBus.UpdateActivationEnvironment",
                        "{" + ", ".join(f"'{n}': '{os.environ[n]}'" for n in names) + "}"],
                       stdout=subprocess.DEVNULL, check=False)
        self._start(["openbox"])
        for key, value in (("org.gnome.desktop.interface", "toolkit-accessibility"),
                           ("org.gnome.desktop.a11y.applications", "screen-reader-enabled")):
            subprocess.run(["gsettings", "set", key, value, "true"], check=False)
        for prop in ("IsEnabled", "ScreenReaderEnabled"):
            subprocess.run(["gdbus", "call", "--session", "--dest", "org.a11y.Bus", "--object-path", "/org/a11y/bus",
                            "--method", "org.freedesktop.DBus.Properties.Set", "org.a11y.Status", prop, "<true>"],
                           stdout=subprocess.DEVNULL, check=False)
        # Orca refuses to start while any other Orca of this user runs, on any display: a developer's
        # own screen reader, another test. Its own launcher, with that check left out, starts this one
        # beside them without touching them.
        launcher = ("import runpy, sys; sys.argv = ['orca'] + ['--debug-file=' + f for f in sys.argv[1:]]; "
                    "main = runpy.run_path('/usr/bin/orca', run_name='orca_launcher')['main']; "
                    "main.__globals__['otherOrcas'] = lambda: []; sys.exit(main())")
        with open(os.path.join(self.work, "orca.out"), "w") as out:
            log = [os.path.join(self.work, "orca.log")] if self.debug_log else []
            self._start(["/usr/bin/python3", "-c", launcher] + log, errors=out)
        if not self.wait_for(lambda said: any("Screen reader on" in text for text in said), 0, 60):
            raise RuntimeError("Orca said nothing within 60 s")

    def heard(self, since):
        """(time after `since`, text) of every utterance since then."""
        said = []
        with open(self.spoken, errors="replace") as spoken:
            for line in spoken:
                parts = line.rstrip("\n").split("\t")
                if len(parts) >= 4 and parts[1] == "SAY" and float(parts[0]) >= since:
                    said.append((float(parts[0]) - since, parts[3].strip()))
        return said

    def wait_for(self, condition, since, seconds):
        """Waits until condition(texts heard since `since`) holds; the texts then, or None."""
        end = time.monotonic() + seconds
        while time.monotonic() < end:
            texts = [text for _, text in self.heard(since)]
            if condition(texts):
                return texts
            time.sleep(0.05)
        return None

    def step(self, keys, expected, what, seconds=12, settle=0.0, failures=None):
        """Presses keys (XTest), waits until Orca has said every expected text (or the time is up) and
        a little longer, and returns the texts heard, keys' echoes included. With `failures`, a miss is
        added there instead of failing the run."""
        since = time.time()
        subprocess.run(["xdotool", "key", "--delay", "120"] + keys, check=False)
        said = self.wait_for(lambda texts: all(any(e in t for t in texts) for e in expected), since, seconds)
        time.sleep(settle)
        heard = [text for _, text in self.heard(since)]
        what = f"{what}: Orca says {expected} (heard {heard})"
        if failures is None:
            check(said is not None, what)
        elif said is None:
            failures.append(what)
        return heard

    def twice(self, attempt, what):
        """Runs attempt(missed), whose steps add their misses to `missed`, and, when something was missed,
        once more from the start: on a loaded machine Qt's round trip of a key through the screen reader
        can time out, and the key then arrives twice or without its modifier. Then checks `what`."""
        for tries in (1, 2):
            missed = []
            attempt(missed)
            if not missed or tries == 2:
                break
            print(f"once more, after: {missed}", flush=True)
            time.sleep(2)
        for miss in missed:
            check(False, miss)
        check(not missed, what)

    def stop(self):
        """Ends what this session started, by PID: its own children, then the helpers that the session
        bus spawned for it (speech-dispatcher and its module), which name this work folder."""
        for process in reversed(self.processes):
            process.terminate()
        for process in reversed(self.processes):
            try:
                process.wait(5)
            except subprocess.TimeoutExpired:
                process.kill()
        mine = os.getpid()
        for entry in os.listdir("/proc"):
            if not entry.isdigit() or int(entry) == mine:
                continue
            try:
                with open(f"/proc/{entry}/cmdline", "rb") as cmdline:
                    arguments = cmdline.read().decode(errors="replace")
                with open(f"/proc/{entry}/environ", "rb") as environ:
                    own = ("XDG_RUNTIME_DIR=" + os.path.join(self.work, "run")).encode() in environ.read()
            except OSError:
                continue
            if self.work in arguments or own:
                try:
                    os.kill(int(entry), 15)
                except OSError:
                    pass


@contextlib.contextmanager
def program_heard(executable, settings):
    """A private desktop with Orca, and the built program started in it over these settings sections;
    yields the session and the time the program started, and ends both, and the run's checks, after.
    Without Orca installed the run is skipped."""
    if not available():
        print("SKIP: Orca, speech-dispatcher or espeak-ng is not installed")
        sys.exit(0)
    # The speech module may still be writing its last utterance as the session ends.
    with tempfile.TemporaryDirectory(ignore_cleanup_errors=True) as work:
        session = OrcaSession(os.path.join(work, "orca"))
        os.makedirs(session.work)
        program = None
        try:
            session.start()
            config = os.path.join(work, "config")
            write_settings(config, settings)
            env = dict(os.environ, XDG_CONFIG_HOME=config, XDG_DATA_HOME=os.path.join(work, "data"))
            started = time.time()
            program = subprocess.Popen([executable], env=env)
            yield session, started
        finally:
            if program is not None:
                stop_program(program)
            session.stop()
    finish()
