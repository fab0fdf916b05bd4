#!/usr/bin/python3
"""The web page played in headless Chromium, as a player would: controls found by their
accessible names, each scenario in a fresh browser profile, the site served on 127.0.0.1.
axe-core checks every window and dialog it meets.

usage: browser_test.py SITE_DIR QUARVEL_SOLVE AXE_JS [SCENARIO...]
Exit status 77 when Chromium cannot start."""
import os
import random
import re
import shutil
import subprocess
import sys
import tempfile
import time
import traceback

from selenium import webdriver
from selenium.common.exceptions import WebDriverException
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.common.action_chains import ActionChains

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tools"))
from serve_site import Site  # noqa: E402  the site's server, which counts requests and cuts them

SITE, SOLVE, AXE = sys.argv[1:4]
CHROMIUM_FLAGS = ["--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
                  "--disable-background-networking", "--disable-component-update", "--disable-sync",
                  "--window-size=1280,800"]
# The tiles' names, in English and in German.
TILE_NAME = re.compile(r"^(?:(?:Tile|Stein) (\d+)|Empty cell|Leeres Feld), (?:row|Zeile) (\d), (?:column|Spalte) (\d)$")
# The languages of the catalogues, as a browser asks for them.
LANGUAGES = ["en", "de", "es", "fr", "it", "ja", "nl", "pl", "pt-BR", "ru", "uk", "zh-CN"]
SIZES = {"portrait": (360, 740, True), "landscape": (740, 360, True), "desktop": (1280, 800, False)}
# Makes IndexedDB refuse, as a private window or a browser set to keep no data does.
REFUSE_STORAGE = "Object.defineProperty(window, 'indexedDB', {get() { throw new DOMException('refused', 'SecurityError'); }});"


# Makes the browser ask to save data, as a phone's data saver does.
SAVE_DATA = "Object.defineProperty(Navigator.prototype, 'connection', {get: () => ({saveData: true})});"
SERVER = Site(SITE)
TABLES = re.compile(r"/quarvel-shortest[^/]*\.tables[^/]*$")


def tables_requests():
    """What the server sent of the note's tables, one entry a request."""
    return [r for r in SERVER.requests if TABLES.search(r["path"])]


def tables_file():
    [name] = [name for name in os.listdir(SITE) if TABLES.search("/" + name)]
    return "/" + name, os.path.getsize(os.path.join(SITE, name))


DRIVERS = []


PROFILES = []  # the browser profiles made here, removed at the end


def browser(profile=None, languages="en-US,en"):
    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/bin/chromium"
    options.add_experimental_option("prefs", {"intl.accept_languages": languages})
    options.set_capability("goog:loggingPrefs", {"browser": "ALL"})  # the page's console, for get_log
    if not profile:
        profile = tempfile.mkdtemp(prefix="quarvel-profile-")
        PROFILES.append(profile)
    for flag in CHROMIUM_FLAGS + [f"--user-data-dir={profile}"]:
        options.add_argument(flag)
    DRIVERS.append(webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options))
    return DRIVERS[-1]


def sized(driver, width, height, touch):
    """A phone's screen at device scale 3 with touch, or a desktop's."""
    driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride",
                           {"width": width, "height": height, "deviceScaleFactor": 3 if touch else 1, "mobile": touch})
    driver.execute_cdp_cmd("Emulation.setTouchEmulationEnabled", {"enabled": touch, "maxTouchPoints": 5 if touch else 1})
    return driver


# What the layout for the hand promises, measured: the smallest tile, command and text, the
# board's share of the narrow side, how far the page scrolls sideways, the controls out of
# the screen, and whether the commands stand beside the board.
MEASURE = """const W = document.documentElement.clientWidth, H = innerHeight, r = (e) => e.getBoundingClientRect();
const main = document.querySelector('[data-window=main]'), board = r(main.querySelector('[data-name=Shape1]'));
const commands = [...main.querySelectorAll('button:not(.tile)')], tiles = [...main.querySelectorAll('.tile:not(.blank)')];
const texts = [...commands, ...main.querySelectorAll('.label, .note, input')];
return {tile: Math.min(...tiles.map((t) => r(t).width)), command: Math.min(...commands.map((c) => r(c).height)),
  text: Math.min(...texts.map((e) => parseFloat(getComputedStyle(e).fontSize))), board: board.width / Math.min(W, H),
  sideways: document.documentElement.scrollWidth - W, beside: commands.every((c) => r(c).left >= board.right),
  out: [...main.querySelectorAll('.control, .note')].filter((e) => r(e).left < 0 || r(e).right > W).map((e) => e.dataset.name)};"""
# Each window shown in turn, and what `f` finds in it.
EACH_WINDOW = """const eachWindow = (f) => {
  const windows = [...document.querySelectorAll('.window')], was = windows.map((w) => w.hidden);
  const found = windows.flatMap((w) => { windows.forEach((other) => { other.hidden = other !== w; }); return f(w); });
  windows.forEach((w, i) => { w.hidden = was[i]; });
  return found;
};"""
# Every caption within its control's edges (the records bar's too).
CUT_CAPTIONS = EACH_WINDOW + """
// Across, and where the control clips its text, up and down.
const within = (t, b, clips) => t.left >= b.left - 0.5 && t.right <= b.right + 0.5 &&
  (!clips || (t.top >= b.top - 0.5 && t.bottom <= b.bottom + 0.5));
const cut = (e) => {
  if (e.tagName === 'INPUT') return e.scrollWidth > e.clientWidth + 1;
  const text = document.createRange();
  text.selectNodeContents(e);
  return e.textContent.trim() && !e.matches('.listing') &&
    !within(text.getBoundingClientRect(), e.getBoundingClientRect(), getComputedStyle(e).overflow !== 'visible');
};
return eachWindow((w) => [...w.querySelectorAll('.control, .note'), ...document.querySelectorAll('#records button')]
  .filter(cut).map((e) => `${w.dataset.window} ${e.dataset.name || 'records'}: ${e.value || e.textContent}`));"""
# The desktop's layout to the twip: every control of every window where its table puts it.
OFF_THE_TABLES = EACH_WINDOW + """
const done = arguments[arguments.length - 1];
done(eachWindow((w) => {
  const layout = quarvelProgram.layouts()[w.dataset.window], controls = [...w.querySelectorAll('.control')];
  return [...layout.controls].sort((a, b) => a.tabIndex - b.tabIndex).filter((c, i) => [controls[i].offsetLeft,
    controls[i].offsetTop, controls[i].offsetWidth, controls[i].offsetHeight].some((v, k) => Math.abs(v - c.rect[k] / 15) > 0.5))
    .map((c) => `${w.dataset.window} ${c.name}(${c.index})`);
}));"""


class Page:
    def __init__(self, driver, url, tile_word="Tile"):
        self.d, self.url, self.tile_word = driver, url, tile_word
        self.open()

    def open(self):
        self.d.get(self.url)
        self.started()

    def started(self):
        self.until(lambda: self.d.execute_script(
            "return document.body.dataset.ready === 'true' || document.querySelector('dialog[open]') !== null"),
            "the page to start")

    def until(self, condition, what, seconds=20):
        end = time.time() + seconds
        while time.time() < end:
            value = condition()
            if value:
                return value
            time.sleep(0.05)
        raise AssertionError(f"timed out waiting for {what}")

    def control(self, name):
        """The visible control of that accessible name: its label, else a button's words."""
        return self.d.find_element(By.XPATH, f"//*[not(ancestor-or-self::*[@hidden])][@aria-label='{name}' or "
                                             f"(self::button and not(@aria-label) and normalize-space()='{name}')]")

    def settle(self):
        """Waits until the handler of the last event has returned or waits on a dialog."""
        self.until(lambda: self.d.execute_script(
            "return !document.body.dataset.handling || document.querySelector('dialog[open]') !== null"),
            "the handler to return")

    def click(self, name):
        assert not self.d.find_elements(By.CSS_SELECTOR, "dialog[open]"), f"{name}: under the dialog {self.dialog()}"
        self.control(name).click()
        self.settle()

    def finger(self, *points):
        """A finger put on the screen at the first point (CSS pixels), moved through the rest, held
        still a moment (a flick's speed would make the browser fling, and drop the next tap), lifted."""
        moves = [("touchMove", [p]) for p in points[1:]]
        for kind, at in [("touchStart", points[:1])] + moves + [("touchEnd", [])]:
            if kind == "touchEnd" and moves:
                time.sleep(0.15)
                self.d.execute_cdp_cmd("Input.dispatchTouchEvent", {"type": "touchMove", "touchPoints": [
                    {"x": x, "y": y} for x, y in points[-1:]]})
            self.d.execute_cdp_cmd("Input.dispatchTouchEvent",
                                   {"type": kind, "touchPoints": [{"x": x, "y": y} for x, y in at]})

    def centre(self, element):
        r = self.d.execute_script("const r = arguments[0].getBoundingClientRect(); return [r.x + r.width / 2, r.y + r.height / 2]",
                                  element)
        return r[0], r[1]

    def tap(self, element):
        """A tap, once the click it makes has come."""
        self.d.execute_script("window.tapped = false;"
                              "document.addEventListener('click', () => { tapped = true; }, {capture: true, once: true})")
        self.finger(self.centre(element))
        self.until(lambda: self.d.execute_script("return tapped"),
                   f"the click of a tap on {element.get_attribute('aria-label') or element.text}")
        self.settle()

    def swipe(self, tile):
        """Moves the tile into the empty cell by a swipe that starts on it."""
        cells = self.board()
        dx, dy = {-4: (0, 1), 4: (0, -1), -1: (1, 0), 1: (-1, 0)}[cells.index(tile) - cells.index(0)]
        x, y = self.centre(self.tile(tile))
        self.finger(*[(x + dx * 12 * k, y + dy * 12 * k) for k in range(5)])
        self.settle()

    def focused(self):
        return self.d.execute_script("const e = document.activeElement; return e.getAttribute('aria-label') || e.textContent")

    def tile(self, number):
        return self.d.find_element(By.XPATH, f"//button[starts-with(@aria-label, '{self.tile_word} {number},')]")

    def value(self, name):
        return self.control(name).get_attribute("value")

    def rows(self, name):
        """A table's rows as lists of cells, the headings first, and whether every column
        starts at its heading's x on every row."""
        return self.d.execute_script(
            "const rows = [...arguments[0].querySelectorAll('tr')].map((r) => [...r.cells]);"
            "const x = (cell) => Math.round(cell.getBoundingClientRect().left);"
            "return [rows.map((r) => r.map((c) => c.textContent)),"
            "        rows.every((r) => r.length === rows[0].length && r.every((c, i) => x(c) === x(rows[0][i])))];",
            self.control(name))

    def board(self):
        """The 16 cells row by row, 0 for the empty cell, read from the tiles' names."""
        cells = [None] * 16
        for element in self.d.find_elements(By.XPATH, "//button[@aria-label]"):
            named = TILE_NAME.match(element.get_attribute("aria-label"))
            if not named:
                continue
            tile, row, column = named.groups()
            cells[(int(row) - 1) * 4 + int(column) - 1] = int(tile or 0)
        assert sorted(cells) == list(range(16)), cells
        return cells

    def solution(self):
        line = " ".join(map(str, self.board()))
        out = subprocess.run([SOLVE], input=line + "\n", capture_output=True, text=True, check=True).stdout
        return [int(t) for t in out.split(":")[1].split()]

    def dialog(self):
        """The title and text of the dialog up, once one is."""
        box = self.until(lambda: self.d.find_elements(By.CSS_SELECTOR, "dialog[open]"), "a dialog")[0]
        return box.find_element(By.TAG_NAME, "h2").text, box.find_element(By.CSS_SELECTOR, "p, label").text

    def answer(self, button, text=None):
        box = self.d.find_element(By.CSS_SELECTOR, "dialog[open]")
        shown = box.get_attribute("data-shown")
        if text is not None:
            box.find_element(By.TAG_NAME, "input").send_keys(text)
        box.find_element(By.XPATH, f".//button[text()='{button}']").click()
        self.until(lambda: all(b.get_attribute("data-shown") != shown
                               for b in self.d.find_elements(By.CSS_SELECTOR, "dialog[open]")), "the dialog to close")

    def expect_dialog(self, title, text_part=""):
        got = self.dialog()
        assert got[0] == title and text_part in got[1], f"dialog {got}, expected {title!r} with {text_part!r}"
        self.check_accessibility(f"dialog {title}")

    def solve_by_clicks(self, moves=None):
        for tile in moves or self.solution():
            self.tile(tile).click()

    def check_accessibility(self, where):
        self.d.execute_script(open(AXE).read())
        result = self.d.execute_async_script(
            "const done = arguments[arguments.length - 1];"
            "axe.run(document, {resultTypes: ['violations']}).then((r) => done(r.violations.filter("
            "(v) => v.impact === 'serious' || v.impact === 'critical').map((v) => v.id + ': ' + v.help)));")
        assert not result, f"{where}: {result}"

    def listing(self):
        """The names in the Hall of Fame, its columns checked in line."""
        self.click("Hall of Fame")
        rows, in_line = self.rows("Hall of Fame listing")
        assert in_line and rows[0] == ["Name", "Game #", "Time", "Date"], rows
        self.check_accessibility("Hall of Fame window")
        self.click("Return to Main Screen")
        return [row[0] for row in rows[1:]]


# The Reload Game list as drawn: whether it is open, the combo box's state for a screen
# reader, the rows in the document and the one the arrows went to.
SAVED_LIST = """const list = document.getElementById('saved-games'), box = document.querySelector('[role=combobox]');
const rows = [...list.querySelectorAll('[role=option]')];
const active = document.getElementById(box.getAttribute('aria-activedescendant'));
return {open: !list.hidden && box.getAttribute('aria-expanded') === 'true', rows: rows.map((r) => r.textContent),
  size: rows.length ? Number(rows[0].getAttribute('aria-setsize')) : 0, active: active && active.textContent,
  selected: rows.filter((r) => r.getAttribute('aria-selected') === 'true').map((r) => r.textContent),
  inSight: rows.every((r) => r.offsetTop + r.offsetHeight > list.scrollTop && r.offsetTop < list.scrollTop + list.clientHeight)};"""


def alt(page, key):
    ActionChains(page.d).key_down(Keys.ALT).send_keys(key).key_up(Keys.ALT).perform()


def as_replayed(dealt):
    """A deal as Replay and Reload rebuild it from its number: one whose empty cell is in row 4,
    column 3 comes back one move on (the tile to the right of the empty cell slid left)."""
    if dealt.index(0) != 14:
        return dealt
    return dealt[:14] + [dealt[15], 0]


def win_and_enter(page, name, moves=None):
    page.solve_by_clicks(moves)
    page.expect_dialog("Congratulations!", "your winning time was")
    page.answer("OK")
    page.expect_dialog("Congratulations!", "Please provide your name")
    page.answer("OK", name)
    page.settle()


def scenario_win_to_hall_of_fame(url):
    page = Page(browser(), url)
    page.check_accessibility("main window")
    page.click("New Game")
    assert page.value("Game number"), "New Game shows no game number"
    moves = page.solution()
    note = page.until(lambda: page.control("Game number").get_attribute("aria-description"), "the note", 60)
    assert note == f"The shortest solution of this game takes {len(moves)} moves.", note
    win_and_enter(page, "A name far too long", moves)
    page.expect_dialog("Error!", "fewer than 15 characters")
    page.answer("OK")
    page.expect_dialog("Congratulations!", "Please provide your name")
    page.answer("OK", "Ann Example")
    page.settle()
    assert page.control("Game number").get_attribute("aria-description").startswith(f"You solved it in {len(moves)}")
    assert "Ann Example" in page.listing()
    return page


def scenario_phone_game_by_swipes_and_taps(url):
    """Held upright, then sideways: a game won by swipes and taps alone, into the Hall of Fame,
    the layout for the hand measured, the note in sight, the boxes within the screen."""
    page = Page(sized(browser(), 360, 740, True), url)
    for way, (width, height, _) in (("portrait", SIZES["portrait"]), ("landscape", SIZES["landscape"])):
        sized(page.d, width, height, True)
        page.open()
        got = page.d.execute_script(MEASURE)
        assert got["tile"] >= 64 and got["command"] >= 44 and got["text"] >= 16 and got["board"] >= 0.85, (way, got)
        assert got["sideways"] <= 0 and not got["out"] and got["beside"] == (way == "landscape"), (way, got)
    sized(page.d, 360, 740, True)
    page.open()
    page.check_accessibility("main window for the hand")
    page.tap(page.control("New Game"))
    moves = page.solution()
    note = page.until(lambda: page.d.execute_script("const n = document.querySelector('.note');"
                                                    "return n.offsetHeight > 0 && n.textContent"), "the note in sight", 60)
    assert note == page.control("Game number").get_attribute("aria-description"), note
    for k, tile in enumerate(moves):
        page.swipe(tile) if k % 2 == 0 else page.tap(page.tile(tile))
    for answer in ("OK", "Ann Phone"):
        page.expect_dialog("Congratulations!")
        fits = page.d.execute_script("const d = document.querySelector('dialog[open]').getBoundingClientRect();"
                                     "return d.left >= 0 && d.right <= innerWidth && [...document.querySelectorAll("
                                     "'dialog[open] button')].filter((b) => !b.hidden).every((b) => b.offsetHeight >= 44)")
        assert fits, "the box is wider than the screen, or its buttons smaller than 44 pixels"
        if answer != "OK":
            page.d.find_element(By.CSS_SELECTOR, "dialog[open] input").send_keys(answer)
        page.tap(page.d.find_element(By.XPATH, "//dialog[@open]//button[text()='OK']"))
    page.until(lambda: page.focused().startswith("Tile "), "the focus on the board after the win")
    page.tap(page.control("Hall of Fame"))
    rows, _ = page.rows("Hall of Fame listing")
    assert "Ann Phone" in [row[0] for row in rows[1:]], rows
    listing = page.d.execute_script("const l = document.querySelector('.listing'), b = [...document.querySelectorAll("
                                    "'[data-window=halloffame] button')][0].getBoundingClientRect(), s = getComputedStyle(l);"
                                    "return [parseFloat(s.fontSize), s.overflowY, b.height >= 44 && b.bottom <= innerHeight]")
    assert listing == [16, "auto", True], listing
    page.tap(page.control("Return to Main Screen"))
    return page


def scenario_reload_mid_game(url):
    """A reload gives the game back, its clock counting on; another tab starts afresh; a game
    given up, or state damaged, gives nothing back."""
    page = Page(browser(), url)
    page.click("New Game")
    page.solve_by_clicks(page.solution()[:2])
    time.sleep(2.2)
    kept = page.board(), page.value("Game number"), page.value("Time taken")
    page.open()
    assert (page.board(), page.value("Game number")) == kept[:2], "the reload lost the game"
    page.until(lambda: page.value("Time taken") >= kept[2] > "", "the clock to go on")
    page.d.switch_to.new_window("tab")
    Page(page.d, url)
    assert page.value("Game number") == "", "a new tab took the other tab's game"
    page.d.switch_to.window(page.d.window_handles[0])
    page.click("Give Up")
    page.open()
    assert page.value("Game number") == "" and page.control("New Game").is_enabled(), "a game given up came back"
    page.d.execute_script("sessionStorage.setItem('quarvel-orbix-game', 'quarvel-orbix game 1\\nboard 1 1')")
    page.open()
    assert page.value("Game number") == "", "damaged state was taken"
    return page


def scenario_focus_after_boxes(url):
    page = Page(browser(), url)
    page.click("Reload Saved Game")
    page.expect_dialog("Error!", "No games have yet been saved.")
    page.answer("OK")
    page.until(lambda: page.focused() == "Reload Saved Game", "the focus back on Reload Saved Game")
    ActionChains(page.d).key_down(Keys.CONTROL).send_keys("n").key_up(Keys.CONTROL).perform()
    page.until(lambda: page.focused().startswith("Tile "), "the focus on the board after Ctrl+N")
    page.click("Save Game #")
    page.answer("OK")
    page.until(lambda: page.focused().startswith("Tile "), "the focus on the board after Save")
    page.click("Give Up")
    page.click("Reload Saved Game")
    ActionChains(page.d).send_keys(Keys.ESCAPE).perform()
    page.until(lambda: page.focused() == "Reload Saved Game", "the focus back on Reload Saved Game after Escape")
    return page


def scenario_captions_fit_in_every_language(url):
    """Every caption within its control in every language, on a phone both ways and on a
    desktop, where the windows stand to the twip where their tables put them."""
    cut = []
    for language in LANGUAGES:
        driver = browser(languages=language)
        for size, (width, height, touch) in SIZES.items():
            page = Page(sized(driver, width, height, touch), url)
            cut += [f"{language} {size} {caption}" for caption in page.d.execute_script(CUT_CAPTIONS)]
            if language == "en" and size == "desktop":
                off = page.d.execute_async_script(OFF_THE_TABLES)
                assert not off, f"off the layout tables: {off}"
        DRIVERS.pop().quit()
    assert not cut, "captions cut:\n" + "\n".join(cut)


def scenario_records_downloaded_and_loaded(url):
    folder = tempfile.mkdtemp(prefix="quarvel-downloads-")
    page = Page(browser(), url)
    page.d.execute_cdp_cmd("Page.setDownloadBehavior", {"behavior": "allow", "downloadPath": folder})
    page.click("New Game")
    win_and_enter(page, "Eve")
    page.click("Download Fame.dat")
    fame = page.until(lambda: os.path.exists(f"{folder}/Fame.dat") and open(f"{folder}/Fame.dat", "rb").read(), "Fame.dat")
    assert re.fullmatch(rb'"Eve","\d+",[0-9.e-]+,"[A-Z][a-z]{2} \d\d, \d{4}"\r\n', fame), fame
    page.click("Download saved.dat")
    page.expect_dialog("Error!", "There is no saved.dat yet.")
    page.answer("OK")
    # Junk and a file too large refused, the records unchanged.
    junk = random.Random(7).randbytes(65536)
    for name, content, box in [("Fame.dat", junk, ("Load Fame.dat", "holds nothing that can go into Fame.dat")),
                               ("Fame.dat", b"x" * (1024 * 1024 + 1), ("Error!", "larger than 1 MiB"))]:
        load_record(page, folder, name, content)
        page.expect_dialog(*box)
        page.answer("OK")
    assert page.listing() == ["Eve"]
    # A load that would replace the entry asks first, Cancel the default; then it is done, and undone.
    zed = b'"Zed","12",0.0001,"Feb 03, 2026"\r\n'
    question = "Fame.dat now holds 1 entry. The file you chose holds 2 entries; 1 damaged line left out."
    for answer, names in (("Cancel", ["Eve"]), ("OK", ["Zed", "Eve"])):
        load_record(page, folder, "Fame.dat", zed + b'"Broken,"1\r\n' + fame)
        page.expect_dialog("Load Fame.dat", question)
        assert page.focused() == "Cancel", page.focused()
        page.answer(answer)
        if answer == "OK":
            page.expect_dialog("Load Fame.dat", "Fame.dat now holds 2 entries; 1 damaged line left out.")
            page.answer("OK")
        assert page.listing() == names, answer
    page.open()  # the undo outlives the page
    page.click("Undo load of Fame.dat")
    page.expect_dialog("Load Fame.dat", "holds again what it held before the load")
    page.answer("OK")
    assert page.listing() == ["Eve"]
    assert not page.d.find_element(By.XPATH, "//button[text()='Undo load of Fame.dat']").is_displayed()
    # Nothing to replace: no question.
    load_record(page, folder, "saved.dat", b"316\r\nnot a number\r\n")
    page.expect_dialog("Load saved.dat", "saved.dat now holds 1 saved game; 1 damaged line left out.")
    page.answer("OK")
    assert saved_games(page) == ["316"]
    return page


def saved_games(page):
    """The saved numbers, as the Reload Game window lists them."""
    page.click("Reload Saved Game")
    alt(page, Keys.ARROW_DOWN)
    return page.d.execute_script(SAVED_LIST)["rows"]


def load_record(page, folder, name, content):
    """Chooses a file of `content` for the records bar's Load `name`."""
    with open(f"{folder}/load-{name}", "wb") as file:
        file.write(content)
    page.click(f"Load {name}")
    page.d.find_element(By.CSS_SELECTOR, "#records input[type=file]").send_keys(f"{folder}/load-{name}")
    page.until(lambda: page.d.find_elements(By.CSS_SELECTOR, "dialog[open]"), f"the box after loading {name}")


def scenario_fifty_loads(url):
    """Fifty loads, the page opened again after every fifth with its program's files slow to
    come (the records answer first): storage is never said to be refused, nor fails to open."""
    folder = tempfile.mkdtemp(prefix="quarvel-loads-")
    page = Page(browser(), url)
    for command, arguments in [("Network.enable", {}), ("Network.setBypassServiceWorker", {"bypass": True}),
                               ("Network.setCacheDisabled", {"cacheDisabled": True})]:
        page.d.execute_cdp_cmd(command, arguments)
    for k in range(50):
        load_record(page, folder, "saved.dat", f"{k + 1}\r\n".encode())
        if k > 0:
            page.expect_dialog("Load saved.dat", "Replace saved.dat with it?")
            page.answer("OK")
        page.expect_dialog("Load saved.dat", "saved.dat now holds 1 saved game.")
        page.answer("OK")
        if k % 5 == 4:
            SERVER.rate = 100_000  # the WebAssembly, compressed, comes in about a second
            try:
                page.open()
            finally:
                SERVER.rate = None
            assert not page.d.find_elements(By.CSS_SELECTOR, "dialog[open]"), f"load {k + 1}: {page.dialog()}"
            failed = [line["message"] for line in page.d.get_log("browser") if "could not be opened" in line["message"]]
            assert not failed, f"load {k + 1}: {failed[0]}"
    assert saved_games(page) == ["50"]
    return page


def scenario_records_of_any_size(url):
    """Reload Game over 10^5 saved numbers: only the rows in sight drawn, the arrows moving
    through them, Alt+Down and Escape opening and closing the list, Escape then leaving the
    window, Enter or a click on a row starting that game. A name of 10,000 characters in
    Fame.dat: the listing's columns in line, the name cut in its column and whole as its
    row's accessible name."""
    folder = tempfile.mkdtemp(prefix="quarvel-records-")
    numbers = [str(1000000 + 7 * k) for k in range(100000)]
    with open(f"{folder}/saved.dat", "w", newline="") as file:
        file.write("".join(f"{n}\r\n" for n in numbers))
    long_name = "Ann " + "x" * 9996
    with open(f"{folder}/Fame.dat", "w", newline="") as file:
        file.write(f'"{long_name}","316",0.001,"Jan 01, 2026"\r\n"Bo","10461394943999",0.002,"Jan 02, 2026"\r\n')
    page = Page(browser(), url)
    load_record(page, folder, "Fame.dat", open(f"{folder}/Fame.dat", "rb").read())
    page.answer("OK")
    page.click("Hall of Fame")
    rows, in_line = page.rows("Hall of Fame listing")
    assert in_line and [r[0] for r in rows[1:]] == ["Ann " + "x" * 9 + "\u2026", "Bo"], rows
    named, fits = page.d.execute_script(
        "const l = document.querySelector('.listing');"
        "return [[...l.querySelectorAll('tr')].slice(1).map((r) => r.getAttribute('aria-label')),"
        "        l.scrollWidth <= l.clientWidth]")
    assert named == [long_name, "Bo"] and fits, (named[0][:20], fits)
    page.check_accessibility("Hall of Fame window with a long name")
    page.click("Return to Main Screen")

    load_record(page, folder, "saved.dat", open(f"{folder}/saved.dat", "rb").read())
    page.expect_dialog("Load saved.dat", "saved.dat now holds 100000 saved games.")
    page.answer("OK")
    page.click("Reload Saved Game")
    combo = page.control("Saved game number")
    for key, shown in ((Keys.ARROW_DOWN, 0), (Keys.ARROW_DOWN, 1), (Keys.ARROW_DOWN, 2), (Keys.ARROW_UP, 1),
                       (Keys.PAGE_DOWN, 2), (Keys.PAGE_UP, 1)):
        combo.send_keys(key)
        assert combo.get_attribute("value") == numbers[shown], (combo.get_attribute("value"), numbers[shown])
    alt(page, Keys.ARROW_DOWN)
    got = page.d.execute_script(SAVED_LIST)
    assert got["open"] and got["size"] == len(numbers) and len(got["rows"]) <= 20 and got["inSight"], got
    assert got["active"] == got["selected"][0] == numbers[1], got
    page.check_accessibility("Reload Game window, its list open")
    for _ in range(3):
        combo.send_keys(Keys.PAGE_DOWN)
    got = page.d.execute_script(SAVED_LIST)
    moved = numbers.index(combo.get_attribute("value"))
    assert moved > 10 and got["active"] == numbers[moved] and got["inSight"], (moved, got)
    # Scrolled to the end: the last rows drawn, in sight.
    page.d.execute_script("const l = document.getElementById('saved-games'); l.scrollTop = l.scrollHeight")
    page.until(lambda: page.d.execute_script(SAVED_LIST)["rows"][-1:] == numbers[-1:], "the last row")
    assert page.d.execute_script(SAVED_LIST)["inSight"]
    combo.send_keys(Keys.ESCAPE)  # the list closes, the box back to what it showed; the window stays
    assert not page.d.execute_script(SAVED_LIST)["open"] and combo.get_attribute("value") == numbers[1]
    combo.send_keys(Keys.ESCAPE)  # back to the main window, nothing started
    page.until(lambda: page.focused() == "Reload Saved Game", "the focus back on Reload Saved Game after Escape")
    assert page.value("Game number") == ""
    page.click("Reload Saved Game")
    combo = page.control("Saved game number")
    assert combo.get_attribute("value") == "", "the box kept its text"
    combo.send_keys(Keys.ARROW_DOWN, Keys.ARROW_DOWN, Keys.ENTER)
    page.until(lambda: page.value("Game number") == numbers[1], "Enter to start the game picked")
    assert not page.control("Reload Saved Game").is_enabled()
    page.click("Give Up")
    page.click("Reload Saved Game")
    page.control("Saved game number").click()  # the list opens; a click on its third row starts that game,
    row = page.d.find_element(By.ID, "saved-game-2")  # even when the list scrolled a row under the pointer
    page.d.execute_script("document.getElementById('saved-games').scrollTop += arguments[0].offsetHeight", row)
    page.until(lambda: not page.d.find_elements(By.ID, "saved-game-0"), "the list scrolled by a row")
    row.click()
    page.settle()
    page.until(lambda: page.value("Game number") == numbers[2], "the row clicked to start its game")
    return page


def scenario_phone_and_offline(url):
    page = Page(browser(), url)
    # Held upright: the window fits 360 pixels with no horizontal scroll bar.
    page.d.execute_cdp_cmd("Emulation.setDeviceMetricsOverride",
                           {"width": 360, "height": 640, "deviceScaleFactor": 2, "mobile": True})
    page.open()
    widths = page.d.execute_script("const s = document.documentElement;"
                                   "return [s.scrollWidth, s.clientWidth, document.getElementById('stage').offsetWidth]")
    assert widths[0] <= widths[1] <= 360 and widths[2] <= 360, f"wider than the phone: {widths}"
    page.click("New Game")
    page.tile(page.solution()[0]).click()
    # After this first visit the page starts with no network.
    page.until(lambda: page.d.execute_script("return navigator.serviceWorker.controller !== null"), "the service worker")
    page.d.execute_cdp_cmd("Network.enable", {})
    page.d.execute_cdp_cmd("Network.emulateNetworkConditions",
                           {"offline": True, "latency": 0, "downloadThroughput": -1, "uploadThroughput": -1})
    page.open()
    page.click("New Game")
    assert page.value("Game number"), "the page does not play offline"
    return page


def scenario_save_reload_replay_give_up_show_me(url):
    page = Page(browser(), url)
    page.click("New Game")
    number = page.value("Game number")
    page.click("Save Game #")
    page.expect_dialog("Success!")
    page.answer("OK")
    before = page.board()
    page.click("Show Me!")
    assert page.board() != before, "Show Me! moved nothing"
    page.click("Give Up")
    assert page.board() == list(range(1, 16)) + [0], "Give Up left the tiles out of order"
    page.click("Replay Last Game")
    assert page.value("Game number") == number and page.board() == as_replayed(before), "Replay rebuilt another game"
    page.click("Give Up")
    page.click("Reload Saved Game")
    page.check_accessibility("Reload Game window")
    combo = page.control("Saved game number")
    combo.send_keys(Keys.ARROW_DOWN)
    time.sleep(1.2)  # a tick of the clock passes, which leaves the box as it is
    assert combo.get_attribute("value") == number, "Down did not show the saved number"
    combo.send_keys(Keys.ENTER)
    page.until(lambda: page.value("Game number") == number, "the saved game to start")
    assert page.board() == as_replayed(before), "Reload did not rebuild the saved game"
    # The records survive a reload of the page.
    win_and_enter(page, "Bo")
    page.open()
    assert "Bo" in page.listing(), "the Hall of Fame entry did not survive a reload"
    page.click("Reload Saved Game")
    page.control("Saved game number").send_keys(Keys.ARROW_DOWN)
    assert page.value("Saved game number") == number, "the saved number did not survive a reload"
    return page


def scenario_two_tabs_win_at_once(url):
    driver = browser()
    first = Page(driver, url)
    tabs = [driver.current_window_handle]
    driver.switch_to.new_window("tab")
    Page(driver, url)
    tabs.append(driver.current_window_handle)
    finals = []
    for handle in tabs:  # both one move from the win
        driver.switch_to.window(handle)
        first.click("New Game")
        moves = first.solution()
        first.solve_by_clicks(moves[:-1])
        finals.append(moves[-1])
    for handle, final in zip(tabs, finals):
        driver.switch_to.window(handle)
        first.tile(final).click()
        first.expect_dialog("Congratulations!")
        first.answer("OK")
        first.dialog()
        first.d.find_element(By.CSS_SELECTOR, "dialog[open] input").send_keys(f"Tab {len(tabs) - tabs.index(handle)}")
    for handle in tabs:  # the two names entered one right after the other
        driver.switch_to.window(handle)
        first.d.find_element(By.XPATH, "//dialog[@open]//button[text()='OK']").click()
    for handle in tabs:  # both entries written
        driver.switch_to.window(handle)
        first.until(lambda: driver.execute_script(
            "return !document.body.dataset.handling && !document.querySelector('dialog[open]')"), "the entry")
    for handle in tabs:
        driver.switch_to.window(handle)
        listing = first.listing()
        assert "Tab 1" in listing and "Tab 2" in listing, f"an entry was lost:\n{listing}"
    return first


def scenario_storage_refused(url):
    driver = browser()
    driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": REFUSE_STORAGE})
    page = Page(driver, url)
    page.expect_dialog("Error!", "does not let the game keep its records")
    page.answer("OK")
    page.click("New Game")
    page.click("Save Game #")
    page.expect_dialog("Error!", "This browser keeps no records for this page, so this game number cannot be saved.")
    page.answer("OK")
    page.solve_by_clicks()
    page.expect_dialog("Congratulations!", "your winning time was")
    page.answer("OK")
    page.expect_dialog("Congratulations!", "so your time cannot enter the Hall of Fame.")
    page.answer("OK")
    return page


def scenario_whole_game_by_keyboard(url):
    page = Page(browser(), url)
    keys = ActionChains(page.d)
    keys.key_down(Keys.CONTROL).send_keys("n").key_up(Keys.CONTROL).perform()
    page.until(lambda: page.value("Game number"), "Ctrl+N to deal")
    arrow = {-4: Keys.ARROW_DOWN, 4: Keys.ARROW_UP, -1: Keys.ARROW_RIGHT, 1: Keys.ARROW_LEFT}
    scroll = page.d.execute_script("return window.scrollY")
    for tile in page.solution():
        cells = page.board()
        ActionChains(page.d).send_keys(arrow[cells.index(tile) - cells.index(0)]).perform()
    assert page.d.execute_script("return window.scrollY") == scroll, "the arrows scrolled the page"
    page.expect_dialog("Congratulations!")
    ActionChains(page.d).send_keys(Keys.ENTER).perform()
    page.expect_dialog("Congratulations!", "Please provide your name")
    ActionChains(page.d).send_keys("Dee", Keys.ENTER).perform()
    page.until(lambda: not page.d.find_elements(By.CSS_SELECTOR, "dialog[open]"), "the name to be taken")
    page.control("Hall of Fame").send_keys(Keys.SPACE)
    page.settle()
    assert "Dee" in [row[0] for row in page.rows("Hall of Fame listing")[0]]
    ActionChains(page.d).send_keys(Keys.ESCAPE).perform()
    page.until(lambda: page.focused() == "Hall of Fame", "the focus back on Hall of Fame after Escape")
    return page


def scenario_games_in_german(url):
    """A browser that prefers German gets the game in German, the records bar's name and the
    web app manifest too. Escape cancels the name prompt (no entry: Hall of Fame stays
    disabled); Enter presses OK. Wide letters and right-to-left text keep the listing's
    columns in line."""
    page = Page(browser(languages="de-AT,de,en"), url, tile_word="Stein")
    assert page.d.execute_script("return document.documentElement.lang") == "de"
    assert page.control("Spieldaten").tag_name == "nav"
    manifest = page.d.execute_script("return fetch(document.querySelector('link[rel=manifest]').href).then((r) => r.json())")
    assert manifest["lang"] == "de" and manifest["description"].startswith("Das Schiebepuzzle"), manifest
    for name, key in (("Jürgen", Keys.ESCAPE), ("Zoë 東京 שלום", Keys.ENTER)):
        page.click("Neues Spiel")
        page.solve_by_clicks()
        page.expect_dialog("Gewonnen!", "Herzlichen Glückwunsch!")
        page.answer("OK")
        page.expect_dialog("Gewonnen!", "Bitte geben Sie Ihren Namen")
        ActionChains(page.d).send_keys(name, key).perform()
        page.until(lambda: not page.d.find_elements(By.CSS_SELECTOR, "dialog[open]"), f"{key!r} to close the prompt")
        page.settle()
        entered = page.control("Bestenliste").is_enabled()
        assert entered == (key == Keys.ENTER), f"after {key!r} the Hall of Fame is {'en' if entered else 'dis'}abled"
    page.click("Bestenliste")
    rows, in_line = page.rows("Einträge der Bestenliste")
    assert in_line and rows[0][1] == "Spiel-Nr." and [row[0].strip("\u2068\u2069") for row in rows[1:]] == ["Zoë 東京 שלום"], rows
    month = page.d.execute_script("return new Intl.DateTimeFormat('de', {month: 'short'}).format(new Date())")
    assert rows[1][3].startswith(month + " "), f"the date {rows[1][3]!r} is not in German ({month})"
    page.check_accessibility("Hall of Fame window in German")
    page.click("Zurück zum Hauptfenster")
    return page


def note_of(page, moves):
    note = page.until(lambda: page.control("Game number").get_attribute("aria-description"), "the note", 60)
    assert note == f"The shortest solution of this game takes {len(moves)} moves.", note


def scenario_note_data_fetched_once(url):
    """The note's tables are fetched once, whole and compressed, for two games and a reload,
    then taken from the worker's storage; where the browser asks to save data, nothing is
    fetched and there is no note."""
    path, size = tables_file()
    before = len(tables_requests())
    page = Page(browser(), url)
    for reload in (False, False, True):
        if reload:
            page.open()
        page.click("New Game")
        note_of(page, page.solution())
        page.click("Give Up")
    sent = tables_requests()[before:]
    assert [(r["path"], r["status"], r["sent"]) for r in sent] == [(path, 200, size)], sent
    saving = browser()
    saving.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": SAVE_DATA})
    page = Page(saving, url)
    page.click("New Game")
    time.sleep(5)
    assert not page.control("Game number").get_attribute("aria-description"), "a note while saving data"
    assert len(tables_requests()) == before + 1, "the tables were fetched while saving data"
    return page


def scenario_cut_download_resumed(url):
    """A download of the note's tables cut off goes on after a reload from where it stopped,
    with a range request, and the note comes."""
    path, size = tables_file()
    SERVER.cut[path] = size // 3
    before = len(tables_requests())
    page = Page(browser(), url)
    page.click("New Game")
    page.until(lambda: tables_requests()[before:], "the tables to be asked for")
    time.sleep(1)
    assert not page.control("Game number").get_attribute("aria-description"), "a note from a cut download"
    page.click("Give Up")
    page.open()
    page.click("New Game")
    note_of(page, page.solution())
    first, rest = tables_requests()[before:]
    resumed_at = int(re.fullmatch(r"bytes=(\d+)-", rest["range"] or "")[1])
    assert (first["status"], first["sent"]) == (200, size // 3), first
    assert 0 < resumed_at <= size // 3 and (rest["status"], rest["sent"]) == (206, size - resumed_at), rest
    return page


SCENARIOS = {name[len("scenario_"):]: f for name, f in globals().items() if name.startswith("scenario_")}


def main():
    try:
        DRIVERS.pop(browser() and 0).quit()
    except WebDriverException as error:
        print(f"SKIP: Chromium cannot start: {error.msg}")
        return 77
    url = SERVER.start().url
    passed = failed = 0
    for name in sys.argv[4:] or SCENARIOS:
        started = time.time()
        try:
            SCENARIOS[name](url)
            passed += 1
            print(f"ok {name} ({time.time() - started:.1f} s)")
        except Exception as error:  # one scenario's failure does not stop the others
            failed += 1
            line = [f.lineno for f in traceback.extract_tb(error.__traceback__) if f.filename == __file__][-1]
            print(f"FAILED {name} (line {line}): {type(error).__name__}: {error}")
        finally:
            while DRIVERS:
                DRIVERS.pop().quit()
    SERVER.stop()
    for profile in PROFILES:
        shutil.rmtree(profile, ignore_errors=True)
    print(f"{passed} passed, {failed} failed")
    return 0 if failed == 0 else 1


if __name__ == "__main__":
    sys.exit(main())
