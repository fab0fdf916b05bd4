#!/usr/bin/python3
"""One game played as a screen-reader user plays it: through the accessibility bus only.

Usage: accessible_game.py x11|wayland

Starts a private session bus, the accessibility bus, a display server (Xvfb, or weston's
headless back end) and the program, each stopped by its id at the end. Exits 77 (a skip
for ctest) only when the display server or a bus cannot start here.
The environment names the program (QUARVEL_PROGRAM), the solver (QUARVEL_SOLVE) and the
quarvel.dat to play with (QUARVEL_HOME_FILE).
"""
import os
import shutil
import subprocess
import sys
import tempfile
import time

SKIP = 77
TITLE = "Quarvel Orbix"
WAIT = 30  # seconds for anything the program should do


def skip(why):
    print("SKIP: " + why, file=sys.stderr)
    sys.exit(SKIP)


class Processes:
    """The processes the test started, stopped in reverse order by their ids."""

    def __init__(self):
        self.started = []

    def start(self, args, **kwargs):
        process = subprocess.Popen(args, **kwargs)
        self.started.append(process)
        return process

    def stop_all(self):
        for process in reversed(self.started):
            if process.poll() is None:
                process.terminate()
                try:
                    process.wait(5)
                except subprocess.TimeoutExpired:
                    process.kill()
                    process.wait()


def wait_for(condition, seconds=WAIT, pump=None):
    """Polls `condition` until it gives something true; returns that, or None."""
    end = time.monotonic() + seconds
    while True:
        if pump:
            pump()
        value = condition()
        if value or time.monotonic() > end:
            return value or None
        time.sleep(0.05)


def start_session_bus(processes, folder):
    if not shutil.which("dbus-daemon"):
        skip("dbus-daemon is not installed")
    bus = processes.start(["dbus-daemon", "--session", "--nofork", "--print-address=1",
                           "--address=unix:path=" + os.path.join(folder, "bus")],
                          stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
    address = bus.stdout.readline().strip()
    if not address:
        skip("the session bus cannot start here")
    os.environ["DBUS_SESSION_BUS_ADDRESS"] = address
    launcher = "/usr/libexec/at-spi-bus-launcher"
    if not os.path.exists(launcher):
        skip("at-spi-bus-launcher is not installed")
    processes.start([launcher, "--launch-immediately", "--a11y=1"], stdout=subprocess.DEVNULL,
                    stderr=subprocess.DEVNULL)
    owned = wait_for(lambda: subprocess.run(
        ["dbus-send", "--session", "--print-reply", "--dest=org.freedesktop.DBus", "/org/freedesktop/DBus",
         "org.freedesktop.DBus.NameHasOwner", "string:org.a11y.Bus"],
        capture_output=True, text=True).stdout.strip().endswith("true"))
    if not owned:
        skip("the accessibility bus cannot start here")


def start_display(processes, server, folder):
    """Starts the display server; returns the program's environment for it."""
    env = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY")}
    runtime = os.path.join(folder, "runtime")
    os.mkdir(runtime, 0o700)
    env["XDG_RUNTIME_DIR"] = runtime
    if server == "x11":
        if not shutil.which("Xvfb"):
            skip("Xvfb is not installed")
        read, write = os.pipe()
        xvfb = processes.start(["Xvfb", "-displayfd", str(write), "-screen", "0", "1280x1024x24", "-dpi", "96",
                                "-nolisten", "tcp"], pass_fds=(write,), stderr=subprocess.DEVNULL)
        os.close(write)
        with os.fdopen(read) as pipe:
            number = pipe.readline().strip()
        if not number or xvfb.poll() is not None:
            skip("Xvfb cannot start here")
        env.update(DISPLAY=":" + number, QT_QPA_PLATFORM="xcb")
        return env
    if not shutil.which("weston"):
        skip("weston is not installed")
    socket = "quarvel-wayland"
    log = open(os.path.join(folder, "weston.log"), "w")
    # Drawn with pixman, so that its screenshooter (allowed by --debug) has pixels to take.
    weston = processes.start(["weston", "--backend=headless-backend.so", "--use-pixman", "--debug",
                              "--socket=" + socket, "--width=1024", "--height=768", "--idle-time=0"],
                             env=env, stdout=log, stderr=subprocess.STDOUT)
    if not wait_for(lambda: os.path.exists(os.path.join(runtime, socket)) or weston.poll() is not None) \
            or weston.poll() is not None:
        with open(log.name) as text:
            sys.stderr.write(text.read()[-2000:])
        skip("weston cannot start here")
    # Qt's Wayland text-input context looks for a seat, and weston's headless back end has
    # none: it would crash painting the cursor of an empty box. Qt's own compose context
    # takes its place, as on a desktop without an input method.
    env.update(WAYLAND_DISPLAY=socket, QT_QPA_PLATFORM="wayland", QT_IM_MODULE="compose")
    return env


class Player:
    """What a screen reader sees of the program, and what it can do there."""

    def __init__(self, pyatspi):
        from gi.repository import GLib
        self.at = pyatspi
        self.context = GLib.MainContext.default()
        self.focused = []  # (role, name) of each control that said it took the focus
        self.inserted = []  # each text said to be put into a control
        pyatspi.Registry.registerEventListener(self.on_focus, "object:state-changed:focused")
        pyatspi.Registry.registerEventListener(self.on_insert, "object:text-changed:insert")

    def pump(self):
        while self.context.iteration(False):
            pass

    def on_focus(self, event):
        if event.detail1:
            self.focused.append((event.source.getRoleName(), event.source.name))

    def on_insert(self, event):
        self.inserted.append(str(event.any_data))

    def wait(self, condition, what, seconds=WAIT):
        value = wait_for(lambda: self.safely(condition), seconds, self.pump)
        assert value, "timed out waiting for " + what
        return value

    @staticmethod
    def safely(condition):
        try:
            return condition()
        except Exception:  # an object that went away while it was read
            return None

    def application(self):
        desktop = self.at.Registry.getDesktop(0)
        for app in desktop:
            if app is not None and app.name == "quarvel-orbix":
                return app
        return None

    def windows(self):
        """The program's top-level windows that are showing, as (role, name, object)."""
        app = self.application()
        showing = []
        for window in app or []:
            if window is not None and window.getState().contains(self.at.STATE_SHOWING):
                showing.append((window.getRoleName(), window.name, window))
        return showing

    def window(self, role, name, holding=None):
        """The showing window of that role and name, holding a control named `holding`."""
        def up():
            for r, n, w in self.windows():
                if r == role and n == name and (holding is None or any(c.name == holding for c in self.controls(w))):
                    return w
            return None
        found = wait_for(lambda: self.safely(up), WAIT, self.pump)
        assert found, "no showing %s named %r holding %r; showing: %r" % (
            role, name, holding, [(w.getRoleName(), w.name, sorted(self.states(w))) for w in self.application() or []])
        return found

    def controls(self, window):
        """Every accessible below a window, depth first."""
        found = []
        for child in window:
            if child is not None:
                found.append(child)
                found.extend(self.controls(child))
        return found

    def control(self, window, name, role=None):
        for item in self.controls(window):
            if item.name == name and (role is None or item.getRoleName() == role):
                return item
        raise AssertionError("no control named %r in %r" % (name, window.name))

    def answer_alert(self, title, text):
        """Reads the alert of that title, whose text starts with `text`, and presses its OK."""
        alert = self.window("alert", title)
        said = [i.name for i in self.controls(alert) if i.getRoleName() == "label" and i.name]
        assert len(said) == 1 and said[0].startswith(text), said
        assert alert.description == said[0], alert.description
        self.press(self.control(alert, "OK", "push button"))
        return said[0]

    def states(self, item):
        return {self.at.stateToString(s) for s in item.getState().getStates()}

    def text(self, item):
        return item.queryText().getText(0, -1)

    def press(self, item):
        action = item.queryAction()
        names = [action.getName(i) for i in range(action.nActions)]
        assert "Press" in names or "press" in names, "%r has no press action: %r" % (item.name, names)
        action.doAction(names.index("Press") if "Press" in names else names.index("press"))
        self.pump()

    def board(self, main):
        """The board as 16 numbers row by row, 0 for the empty cell, from the tiles' names."""
        cells = [None] * 16
        for item in self.controls(main):
            words = item.name.replace(",", "").split()
            if item.name.startswith("Tile ") and len(words) == 6:
                cells[(int(words[3]) - 1) * 4 + int(words[5]) - 1] = int(words[1])
            elif item.name.startswith("Empty cell, ") and len(words) == 6:
                cells[(int(words[3]) - 1) * 4 + int(words[5]) - 1] = 0
        return cells


# What a screen reader must hear of the main window: role, name, and whether the control
# is enabled before the first game.
MAIN_CONTROLS = [
    ("push button", "New Game", True),
    ("push button", "Give Up", False),
    ("push button", "Hall of Fame", False),
    ("push button", "Show Me!", False),
    ("push button", "Reload Saved Game", True),
    ("push button", "Save Game #", False),
    ("push button", "Replay Last Game", False),
    ("text", "Game number", True),
    ("text", "Time taken", True),
]


def play(player, solve, folder, keys, screenshot):
    """Plays one game. `keys` presses keys on the display server, None where it has no
    keyboard (weston's headless back end has no seat, so no window there takes the focus).
    `screenshot` saves a picture of the screen once the game is dealt, where asked for."""
    at = player.at
    main = player.window("frame", TITLE, "New Game")
    print("main window: frame %r, %d controls" % (main.name, len(player.controls(main))))

    # Every control says its role and name; those that cannot be used say so.
    for item in player.controls(main):
        assert item.name.strip(), "a %s without a name" % item.getRoleName()
    for role, name, enabled in MAIN_CONTROLS:
        item = player.control(main, name, role)
        assert ("enabled" in player.states(item)) == enabled, (name, player.states(item))
        assert ("sensitive" in player.states(item)) == enabled, (name, player.states(item))
    assert len([i for i in player.controls(main) if i.name.startswith("Tile ")]) == 15

    player.press(player.control(main, "New Game", "push button"))
    give_up = player.control(main, "Give Up", "push button")
    player.wait(lambda: "enabled" in player.states(give_up), "Give Up enabled by New Game")
    number = player.text(player.control(main, "Game number", "text"))
    assert number.strip().isdigit(), "game number %r" % number
    time_box = player.control(main, "Time taken", "text")
    player.wait(lambda: player.text(time_box).strip().startswith("00:00:"), "the clock, read %r" % player.text(time_box))
    game_box = player.control(main, "Game number", "text")
    # The first search of a process builds its tables first: long on a busy machine.
    note = player.wait(lambda: "shortest solution" in game_box.description and game_box.description,
                       "the shortest-solution note in the Game # box's description", seconds=150)
    print("game %s: %s" % (number.strip(), note))
    screenshot()

    # A message box is an alert named by its title; its text is read from its label and
    # its description.
    player.press(player.control(main, "Save Game #", "push button"))
    player.answer_alert("Success!", "Game # successfully saved.")

    board = player.board(main)
    assert sorted(board) == list(range(16)), "board read from the names: %r" % board
    solution = subprocess.run([solve, " ".join(map(str, board))], capture_output=True, text=True, check=True)
    moves = [int(t) for t in solution.stdout.split(":", 1)[1].split()]
    print("solving in %d moves: %s" % (len(moves), solution.stdout.strip()))
    tiles = {int(i.name.split()[1].rstrip(",")): i for i in player.controls(main) if i.name.startswith("Tile ")}
    for tile in moves:
        before = tiles[tile].name
        player.press(tiles[tile])
        player.wait(lambda: tiles[tile].name != before, "tile %d to move" % tile)
    assert player.board(main) == list(range(1, 16)) + [0]

    # The congratulation is an alert whose text can be read.
    said = player.answer_alert("Congratulations!", "Congratulations, your winning time was")
    print("alert: " + said)

    # The name prompt: the focus goes to its input box, which takes the name.
    del player.focused[:]
    prompt = player.window("dialog", "Congratulations!")
    field = next(i for i in player.controls(prompt) if i.getRoleName() == "text")
    if keys:
        player.wait(lambda: ("text", field.name) in player.focused, "the focus event of the name box")
    field.queryEditableText().setTextContents("Zoe")
    assert player.text(field) == "Zoe"
    player.press(player.control(prompt, "OK", "push button"))

    # The Hall of Fame lists the winner.
    fame_button = player.control(main, "Hall of Fame", "push button")
    player.wait(lambda: "enabled" in player.states(fame_button), "Hall of Fame enabled by the win")
    player.press(fame_button)
    fame = player.window("frame", TITLE, "Hall of Fame listing")
    listing = player.control(fame, "Hall of Fame listing")
    entry = player.wait(lambda: next((line for line in player.text(listing).splitlines() if "Zoe" in line), None),
                        "the winner in the Hall of Fame listing")
    print("Hall of Fame: %r" % entry.strip())
    player.press(player.control(fame, "Return to Main Screen", "push button"))
    player.window("frame", TITLE, "New Game")

    # The Reload Game window, with the game saved.
    reload_button = player.control(main, "Reload Saved Game", "push button")
    player.wait(lambda: "enabled" in player.states(reload_button), "Reload Saved Game enabled by the save")
    player.press(reload_button)
    reload = player.window("frame", TITLE, "Saved game number")
    box = player.control(reload, "Saved game number", "combo box")
    labels = [r.getTarget(i).name for r in box.getRelationSet()
              if r.getRelationType() == at.RELATION_LABELLED_BY for i in range(r.getNTargets())]
    assert labels == ["Select Game #"], labels
    if keys:
        # Down only selects the entry, and says so; Enter starts that game.
        player.wait(lambda: ("combo box", "Saved game number") in player.focused, "the focus in the box")
        keys("Down")
        player.wait(lambda: number.strip() in player.inserted, "the selected entry announced")
        assert player.window("frame", TITLE, "Return to Main Screen")
        keys("Return")
        player.window("frame", TITLE, "New Game")
        player.wait(lambda: "enabled" in player.states(give_up), "the saved game started by Enter")
    else:
        player.press(player.control(reload, "Return to Main Screen", "push button"))
        player.window("frame", TITLE, "New Game")

    with open(os.path.join(folder, "Fame.dat")) as fame_file:
        assert '"Zoe","%s"' % number.strip() in fame_file.read()
    print("focus events heard: %d" % len(player.focused))


def take_screenshot(server, env, folder):
    """Saves the Wayland screen as main-window-wayland.png in QUARVEL_SCREENSHOT_DIR, when set."""
    into = os.environ.get("QUARVEL_SCREENSHOT_DIR")
    if not into or server != "wayland":
        return
    shots = os.path.join(folder, "shots")
    os.mkdir(shots)
    subprocess.run(["weston-screenshooter"], cwd=shots, env=env, check=True, timeout=WAIT)
    (taken,) = os.listdir(shots)
    shutil.move(os.path.join(shots, taken), os.path.join(into, "main-window-wayland.png"))
    print("saved " + os.path.join(into, "main-window-wayland.png"))


def main():
    server = sys.argv[1] if len(sys.argv) > 1 else "x11"
    program, solve, home = (os.environ[k] for k in ("QUARVEL_PROGRAM", "QUARVEL_SOLVE", "QUARVEL_HOME_FILE"))
    folder = tempfile.mkdtemp(prefix="quarvel-a11y-")
    shutil.copy(home, os.path.join(folder, "quarvel.dat"))
    processes = Processes()
    failed = True
    try:
        start_session_bus(processes, folder)
        env = start_display(processes, server, folder)
        env.update(QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1", LC_ALL="C.UTF-8")
        env.pop("LANGUAGE", None)  # the game in English, whatever the caller's languages
        try:
            import pyatspi
        except ImportError:
            print("python3-pyatspi is not installed (tools/setup.sh installs it)", file=sys.stderr)
            return 1
        player = Player(pyatspi)
        game = processes.start([program], cwd=folder, env=env, stderr=open(os.path.join(folder, "program.log"), "w"))
        player.wait(lambda: player.application() is not None or game.poll() is not None, "the program on the bus")
        assert game.poll() is None, "the program ended with status %s" % game.returncode
        try:
            if server == "x11" and not shutil.which("xdotool"):
                print("missing xdotool (tools/setup.sh installs it)", file=sys.stderr)
                return 1
            keys = (lambda names: subprocess.run(["xdotool", "key", names], env=env, check=True)) \
                if server == "x11" else None
            play(player, solve, folder, keys, lambda: take_screenshot(server, env, folder))
        finally:
            if game.poll() is not None:
                print("the program ended with status %s" % game.returncode, file=sys.stderr)
        failed = False
    except SystemExit:  # a skip
        failed = False
        raise
    finally:
        processes.stop_all()
        if failed:
            print("files kept in " + folder, file=sys.stderr)
        else:
            shutil.rmtree(folder)
    return 0


if __name__ == "__main__":
    sys.exit(main())
