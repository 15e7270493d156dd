#!/usr/bin/env python3
"""Types into the real kipgolf window as a person at the keyboard does, through an X server
(Xvfb with openbox) and xdotool, then checks with kipgolf-cli what the tables hold.

Every case starts the program on a data folder and a settings folder of its own. A window is
waited for by its title, never by a pause. Exit code 77 (a skip) when Xvfb, openbox or xdotool is
missing.
"""

import argparse
import os
import re
import select
import shutil
import subprocess
import sys
import tempfile
import time
import traceback

SKIP = 77
WINDOW_TIMEOUT = 25  # seconds a window may take to come up on a loaded machine
GOLFER = "Palmer, Arnold"
PARS = [4, 4, 3, 5, 4, 4, 3, 4, 5, 4, 3, 5, 4, 4, 4, 3, 5, 4]
STARTED = []  # the window programs started, ended by the case's clean-up
YARDS = [380, 410, 165, 520, 395, 402, 178, 388, 540, 372, 190, 505, 415, 398, 360, 150, 530, 420]


class Failure(Exception):
    pass


def csv(numbers):
    return ",".join(str(n) for n in numbers)


class Desktop:
    """An X server with a window manager, and the keyboard of the person typing."""

    def __init__(self, shots):
        self.shots = shots
        read_end, write_end = os.pipe()
        self.xvfb = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1280x1024x24", "-nolisten", "tcp"],
            pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_end)
        number = b""
        deadline = time.monotonic() + WINDOW_TIMEOUT
        while not number.endswith(b"\n"):
            ready, _, _ = select.select([read_end], [], [], max(0.0, deadline - time.monotonic()))
            if not ready:
                raise Failure("Xvfb did not start")
            chunk = os.read(read_end, 16)
            if not chunk:
                raise Failure("Xvfb ended at start")
            number += chunk
        os.close(read_end)
        self.env = dict(os.environ, DISPLAY=":" + number.decode().strip(), QT_QPA_PLATFORM="xcb")
        self.env.pop("WAYLAND_DISPLAY", None)
        self.wm = subprocess.Popen(["openbox", "--sm-disable"], env=self.env,
                                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.until(self.window_manager_ready, "openbox did not take the screen")

    def close(self):
        for process in (self.wm, self.xvfb):
            process.terminate()
            try:
                process.wait(timeout=5)
            except subprocess.TimeoutExpired:
                process.kill()

    def until(self, condition, failure, timeout=WINDOW_TIMEOUT):
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            if condition():
                return
            time.sleep(0.05)
        raise Failure(failure)

    def window_manager_ready(self):
        if shutil.which("xprop") is None:
            return self.wm.poll() is None
        probe = subprocess.run(["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"], env=self.env,
                               capture_output=True, text=True, timeout=WINDOW_TIMEOUT)
        return "window id" in probe.stdout

    def xdotool(self, *args, check=True):
        result = subprocess.run(["xdotool", *args], env=self.env, capture_output=True, text=True,
                                timeout=WINDOW_TIMEOUT + 5)
        if check and result.returncode != 0:
            raise Failure(f"xdotool {' '.join(args)}: {result.stderr.strip()}")
        return result.stdout.strip()

    def windows(self, title):
        found = self.xdotool("search", "--onlyvisible", "--name", "^" + re.escape(title) + "$", check=False)
        return found.split()

    def active(self):
        return self.xdotool("getactivewindow", check=False)

    def window(self, title):
        """Waits until a window of that title is up and has the keyboard; answers its id."""
        pattern = "^" + re.escape(title) + "$"
        deadline = time.monotonic() + WINDOW_TIMEOUT
        found = []
        while not found:
            remaining = deadline - time.monotonic()
            if remaining <= 0:
                self.shot("timeout-" + re.sub(r"\W+", "-", title).strip("-").lower())
                raise Failure(f'no window "{title}" (active: "{self.active_title()}")')
            # A window closing while xdotool walks the tree makes it fail (BadWindow): ask again.
            try:
                search = subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--name", pattern],
                                        env=self.env, capture_output=True, text=True, timeout=remaining)
                found = search.stdout.split() if search.returncode == 0 else []
            except subprocess.TimeoutExpired:
                pass
            if not found:
                time.sleep(0.05)
        wid = found[-1]
        if self.active() != wid:
            self.xdotool("windowactivate", wid, check=False)
        self.until(lambda: self.active() == wid, f'window "{title}" never got the keyboard')
        # The toolkit maps the window before it gives one of its fields the focus.
        time.sleep(0.25)
        return wid

    def active_title(self):
        wid = self.active()
        return self.xdotool("getwindowname", wid, check=False) if wid else ""

    def gone(self, wid):
        def closed():
            return wid not in self.xdotool("search", "--onlyvisible", "--name", ".*", check=False).split()
        self.until(closed, f"window {wid} stayed open")

    def type(self, text):
        self.xdotool("type", "--delay", "40", text)

    def key(self, *keys):
        self.xdotool("key", "--delay", "80", *keys)

    def shot(self, name):
        os.makedirs(self.shots, exist_ok=True)
        path = os.path.join(self.shots, f"e2e-{name}.png")
        if shutil.which("import"):
            subprocess.run(["import", "-window", "root", path], env=self.env, capture_output=True,
                           timeout=WINDOW_TIMEOUT)
        elif shutil.which("xwd"):
            subprocess.run(["xwd", "-root", "-silent", "-out", path[:-4] + ".xwd"], env=self.env,
                           capture_output=True, timeout=WINDOW_TIMEOUT)


class KipGolf:
    """One data folder and settings folder, the window program on them and the command line."""

    def __init__(self, desktop, args, root, name):
        self.desktop = desktop
        self.args = args
        self.data = os.path.join(root, name, "data")
        self.config = os.path.join(root, name, "config")
        os.makedirs(self.data)
        os.makedirs(os.path.join(self.config, "KipGolf"))
        with open(os.path.join(self.config, "KipGolf", "KipGolf.ini"), "w") as ini:
            ini.write("[Settings]\nUseClassicMenus=1\nCheckForBackup=0\nShowQuickstart=0\n")
        self.env = dict(desktop.env, XDG_CONFIG_HOME=self.config, XDG_DATA_HOME=os.path.join(root, name))
        self.process = None
        self.cli("init")

    def cli(self, *args):
        result = subprocess.run([self.args.cli, "/datadir=" + self.data, *args], env=self.env,
                                capture_output=True, text=True, timeout=60)
        if result.returncode != 0:
            raise Failure(f"kipgolf-cli {' '.join(args)}: {result.returncode} {result.stderr.strip()}")
        return result.stdout

    def start(self):
        # Into a file: the toolkit's warnings must never fill a pipe and stall the program.
        self.log = os.path.join(os.path.dirname(self.data), "kipgolf.log")
        with open(self.log, "w") as log:
            self.process = subprocess.Popen([self.args.kipgolf, "/datadir=" + self.data], env=self.env,
                                            stdout=log, stderr=subprocess.STDOUT)
        STARTED.append(self)
        self.desktop.window("Kip Golf")

    def quit(self):
        self.desktop.window("Kip Golf")
        self.desktop.key("alt+f", "x")
        try:
            self.process.wait(timeout=WINDOW_TIMEOUT)
        except subprocess.TimeoutExpired:
            self.desktop.shot("quit-timeout")
            self.process.kill()
            raise Failure("the program did not end on File, Exit")
        if self.process.returncode != 0:
            with open(self.log) as log:
                raise Failure(f"the program ended with {self.process.returncode}: {log.read()}")

    def kill(self):
        if self.process and self.process.poll() is None:
            self.process.kill()
            self.process.wait()

    def add_golfers_and_courses(self):
        # Two golfers, or Select Golfer takes the only one without showing itself.
        self.cli("golfer", "add", "Palmer", "Arnold")
        self.cli("golfer", "add", "Woods", "Tiger")
        for name, city, tee, rating, slope in [("Pebble Beach", "Pebble Beach", "Blue", "74.7", "143"),
                                               ("Pine Valley", "Clementon", "Blue", "70.1", "120"),
                                               ("Pine Valley", "Clementon", "White", "68.3", "115")]:
            self.cli("course", "add", name, city, "NJ", tee, rating, slope, csv(PARS), csv(YARDS))

    def rounds(self):
        """The golfer's rounds as listed: date, total and course of each, newest first."""
        return [line.split("\t", 1)[1] for line in self.cli("rounds", GOLFER).splitlines() if "\t" in line]

    def score_records(self):
        return self.cli("dump", "Scores", "records")


def field(records, name):
    """The values of one field in every record of a `dump TABLE records` listing: a heading line
    ("records", the count, the field names), then a line per record (number, deletion mark, fields)."""
    lines = records.splitlines()
    names = lines[0].split("\t")
    column = names.index(name)
    return [line.split("\t")[column] for line in lines[1:] if line.strip()]


def choose_pine_valley_white(desktop):
    """The pickers of a round, by the keyboard: the first golfer, a course found by Find, a tee."""
    desktop.window("Select Golfer")
    desktop.key("Return")  # the first golfer is highlighted: Enter takes it
    desktop.window("Select Course")
    desktop.type("Pi")
    desktop.key("Return")  # Enter in Find finds
    desktop.shot("course-found")
    desktop.key("Return")  # and then takes the course found
    desktop.window("Select a Tee")
    desktop.key("Down", "Return")


def enter_round_by_hole(desktop, strokes, date_keys):
    desktop.key("alt+r", "e")
    choose_pine_valley_white(desktop)
    desktop.window("Score Entry")
    desktop.key("alt+y")
    editor = desktop.window("Enter Round for Arnold Palmer")
    desktop.key("ctrl+a")
    desktop.type(date_keys)
    desktop.key("Tab")
    for hole, score in enumerate(strokes, start=1):
        desktop.type(str(score))
        if hole < 18:
            desktop.type("1" if score != 1 else "0")
    desktop.shot("round-before-enter")
    desktop.key("Return")
    desktop.gone(editor)
    desktop.window("Round Information")
    desktop.shot("round-saved")
    desktop.key("Return")


def case_round_hole_by_hole(desktop, args, root):
    kip = KipGolf(desktop, args, root, "hole-by-hole")
    kip.add_golfers_and_courses()
    kip.start()
    # Hole 18 is a hole in one: the "1" may start a two-digit score, so the focus stays in it and
    # Enter saves the round straight from there.
    strokes = [5, 4, 3, 6, 4, 5, 3, 4, 5, 4, 3, 5, 4, 4, 5, 3, 5, 1]
    enter_round_by_hole(desktop, strokes, "11/20/2026")
    check_round(args, root, kip, "20261120", sum(strokes))

    # Change the round: hole 5 becomes a one, and Enter saves from that field.
    desktop.key("alt+r", "c")
    desktop.window("Select Golfer")
    desktop.key("Return")
    desktop.window("Select Round for Arnold Palmer")
    desktop.key("Return")
    editor = desktop.window("Change Round for Arnold Palmer")
    desktop.key(*["Tab"] * 9)  # from the date over holes 1 to 4, strokes and putts
    desktop.type("1")
    desktop.shot("round-change-before-enter")
    desktop.key("Return")
    desktop.gone(editor)
    desktop.window("Round Information")
    desktop.key("Return")
    strokes[4] = 1
    kip.quit()
    check_round(args, root, kip, "20261120", sum(strokes))


def check_round(args, root, kip, date, total):
    """The golfer's one round: its date and total, and the differential and handicap that the
    same total gives when entered on the command line."""
    records = kip.score_records()
    if field(records, "TOTSTROKES") != [str(total)]:
        raise Failure(f"TOTSTROKES {field(records, 'TOTSTROKES')}, the holes add up to {total}")
    if field(records, "DATE") != [date]:
        raise Failure(f"DATE {field(records, 'DATE')}, typed {date}")
    expect = reference(args, root, f"reference-{total}", date, total)
    if field(records, "HCINDEX") != field(expect.score_records(), "HCINDEX"):
        raise Failure(f"HCINDEX {field(records, 'HCINDEX')}, "
                      f"{field(expect.score_records(), 'HCINDEX')} for a total of {total}")
    if kip.cli("handicap", GOLFER) != expect.cli("handicap", GOLFER):
        raise Failure("the handicap differs from the one of the same total:\n" + kip.cli("handicap", GOLFER))


def reference(args, root, name, date, total):
    """The same round entered as a total on the command line: its differential and handicap."""
    kip = KipGolf(Headless(), args, root, name)
    kip.add_golfers_and_courses()
    kip.cli("round", "add-total", GOLFER, "Pine Valley", "White", date, str(total))
    return kip


class Headless:
    """The command line alone, without a screen."""
    env = dict(os.environ)


def case_total_only_round(desktop, args, root):
    kip = KipGolf(desktop, args, root, "total-only")
    kip.add_golfers_and_courses()
    kip.start()
    desktop.key("alt+r", "e")
    choose_pine_valley_white(desktop)
    desktop.window("Score Entry")
    desktop.key("alt+n")
    editor = desktop.window("Enter Round for Arnold Palmer")
    # The calendar is there for those who want it; Escape closes it and leaves the date as it was.
    desktop.key("F4")
    time.sleep(0.5)
    desktop.shot("calendar")
    desktop.key("Escape")
    desktop.window("Enter Round for Arnold Palmer")
    desktop.key("ctrl+a")
    desktop.type("1/5/2026")
    desktop.key("Tab", "ctrl+a")
    desktop.type("87")
    desktop.key("Return")
    desktop.gone(editor)
    desktop.window("Round Information")
    desktop.key("Return")
    kip.quit()
    records = kip.score_records()
    if field(records, "TOTSTROKES") != ["87"] or field(records, "DATE") != ["20260105"]:
        raise Failure(f"stored {field(records, 'DATE')} {field(records, 'TOTSTROKES')}, "
                      "typed 1/5/2026 and 87")
    expect = reference(args, root, "total-only-ref", "20260105", 87)
    if field(records, "HCINDEX") != field(expect.score_records(), "HCINDEX"):
        raise Failure(f"HCINDEX {field(records, 'HCINDEX')}")


def case_pickers_take_enter(desktop, args, root):
    kip = KipGolf(desktop, args, root, "pickers")
    kip.add_golfers_and_courses()
    kip.cli("round", "add-total", GOLFER, "Pebble Beach", "Blue", "20260601", "90")
    kip.cli("round", "add-total", GOLFER, "Pine Valley", "Blue", "20260701", "84")
    shutil.copy(os.path.join(args.fixtures, "KipCourses.dbf"), kip.data)
    shutil.copy(os.path.join(args.fixtures, "KipCourses.cdx"), kip.data)
    kip.start()

    # Change a Round: golfer, then the newest round highlighted first; Enter on each.
    desktop.key("alt+r", "c")
    desktop.window("Select Golfer")
    desktop.key("Return")
    desktop.window("Select Round for Arnold Palmer")
    desktop.key("Return")
    editor = desktop.window("Change Round for Arnold Palmer")
    desktop.key("Tab", "ctrl+a")
    desktop.type("85")
    desktop.key("Return")
    desktop.gone(editor)
    desktop.window("Round Information")
    desktop.key("Return")

    # Show Points: the golfers picker highlights the first golfer as the list gets the focus, and
    # Enter takes it (no "You must select at least one golfer!"): the listing comes up.
    desktop.key("alt+s", "s")
    desktop.window("Select One or More Golfers")
    desktop.key("Tab", "Tab")  # from the rounds limit over "Use All Golfers" to the list
    desktop.key("Return")
    desktop.window("Select Report Limitations")
    desktop.key("Return")
    desktop.window("Golfer Rounds")
    desktop.key("Return")

    # Copy From Master: Enter in the state picker, then Enter on the highlighted master course.
    desktop.key("alt+c", "m")
    desktop.window("Select State")
    desktop.key("Return")
    desktop.window("Copy From Master")
    # The master list fills while the dialog is up; copying waits for the end of it.
    deadline = time.monotonic() + WINDOW_TIMEOUT
    while not desktop.windows("KipGolf") and time.monotonic() < deadline:
        desktop.key("Return")
        time.sleep(0.3)
    desktop.window("KipGolf")
    desktop.key("Return")
    kip.quit()
    listed = kip.rounds()
    if not listed or "85" not in listed[0]:
        raise Failure(f"Change a Round by Enter did not store 85: {listed}")
    if "Birch Run" not in kip.cli("courses"):
        raise Failure("Enter on the highlighted master course did not copy it")


def case_golfer_and_course_by_keyboard(desktop, args, root):
    kip = KipGolf(desktop, args, root, "keyboard")
    kip.start()
    desktop.key("alt+g", "g")
    desktop.window("Golfer Information")
    desktop.type("Arnold")  # the dialog opens on the first name
    desktop.key("Tab")
    desktop.type("Palmer")
    desktop.key("Return")
    desktop.window("People Information")
    desktop.key("Return")
    if "Palmer, Arnold" not in kip.cli("golfers"):
        raise Failure("the golfer typed was not stored")

    desktop.key("alt+c", "a")
    course = desktop.window("Add a New Course")
    for text in ["Pine Valley", "Clementon", "NJ", "08021", "", "Blue", "70.1", "120"]:
        if text:
            desktop.type(text)
        desktop.key("Tab")
    # The card takes the front nine's yardages, pars and stroke indexes (left empty), then the back
    # nine's yardages and pars.
    no_stroke_indexes = [""] * 9
    for block in (YARDS[:9], PARS[:9], no_stroke_indexes, YARDS[9:], PARS[9:]):
        for value in block:
            if value != "":
                desktop.type(str(value))
            desktop.key("Tab")
    desktop.shot("course-typed")
    desktop.key("Return")
    desktop.gone(course)
    desktop.key("Return")
    kip.quit()
    # The row typed is the row the command line makes of the same course.
    expect = KipGolf(Headless(), args, root, "keyboard-ref")
    expect.cli("course", "add", "Pine Valley", "Clementon", "NJ", "Blue", "70.1", "120", csv(PARS),
               csv(YARDS), "--zip", "08021")
    typed, wanted = kip.cli("dump", "Courses", "records"), expect.cli("dump", "Courses", "records")
    if typed != wanted:
        raise Failure(f"the course typed was stored as\n{typed}instead of\n{wanted}")


CASES = [case_round_hole_by_hole, case_total_only_round, case_pickers_take_enter,
         case_golfer_and_course_by_keyboard]


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--kipgolf", required=True)
    parser.add_argument("--cli", required=True)
    parser.add_argument("--fixtures", required=True)
    parser.add_argument("--shots", required=True)
    parser.add_argument("cases", nargs="*")
    args = parser.parse_args()
    missing = [tool for tool in ("Xvfb", "openbox", "xdotool") if shutil.which(tool) is None]
    if missing:
        print("skipped: not installed: " + ", ".join(missing) + " (see scripts/deps.sh)")
        return SKIP
    failures = 0
    desktop = Desktop(args.shots)
    try:
        for case in CASES:
            if args.cases and case.__name__ not in args.cases:
                continue
            started = time.monotonic()
            with tempfile.TemporaryDirectory(prefix="kipgolf-e2e-") as root:
                try:
                    case(desktop, args, root)
                    print(f"ok    {case.__name__} ({time.monotonic() - started:.1f} s)")
                except Exception as error:  # every failure is reported, then the next case runs
                    failures += 1
                    desktop.shot("failed-" + case.__name__)
                    print(f"FAIL  {case.__name__}: {error}")
                    if not isinstance(error, Failure):
                        traceback.print_exc()
                finally:
                    # A case that failed may leave its window open: it must not take the next keys.
                    while STARTED:
                        STARTED.pop().kill()
    finally:
        desktop.close()
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
