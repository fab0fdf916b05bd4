#!/usr/bin/python3
"""The web page's figures, in Debian's headless Chromium (never part of the tests):
- the bytes the page needs before its first paint, compressed (gzip -9);
- the time until the board can be clicked, against a static page of the same controls
  with no WebAssembly (median of RUNS, taken in turns, each in a fresh profile);
- the same on a phone (360 x 740 CSS pixels at device scale 3, touch) with the CPU slowed
  4 times, until a tile can be tapped, against the static page of its layout for the hand;
- a tile click until the frame that paints it;
- the tab's memory (the renderer's resident set) beside the desktop game's;
- the Reload Game window opened over 10^3 to 10^6 saved numbers, its list opened, Down
  pressed in it and New Game clicked after it, beside the desktop's Reload Game window
  (quarvel_qt_bench, offscreen) in the same run.

usage: web_bench.py SITE_DIR [RUNS] [OTHER_SITE_DIR] [--qt-bench=QUARVEL_QT_BENCH] [--reload-only]
OTHER_SITE_DIR: another build of the site (an earlier version, say), whose first visit is
timed in the same turns, beside this one's. QUARVEL_QT_BENCH: the desktop's benchmark
program, whose Reload Game window is timed beside the page's. --reload-only: the Reload
Game figures alone."""
import functools
import gzip
import json
import http.server
import os
import statistics
import subprocess
import sys
import tempfile
import threading
import time

from selenium import webdriver
from selenium.webdriver.chrome.service import Service

QT_BENCH = next((a.split("=", 1)[1] for a in sys.argv if a.startswith("--qt-bench=")), None)
RELOAD_ONLY = "--reload-only" in sys.argv
ARGS = [a for a in sys.argv if not a.startswith("--qt-bench=") and a != "--reload-only"]
SITE = ARGS[1]
RUNS = int(ARGS[2]) if len(ARGS) > 2 else 10
OTHER = ARGS[3] if len(ARGS) > 3 else None
SAVED_SIZES = [1000, 10000, 100000, 1000000]


def first_paint_files(site):
    """What the page needs before its first paint: its document, style and program, and its
    script (one file, or the modules in js/)."""
    names = ["index.html", "page.css", "quarvel-page.js", "quarvel-page.wasm"]
    names += [name for name in ["page.js"] if os.path.exists(os.path.join(site, name))]
    scripts = os.path.join(site, "js")
    if os.path.isdir(scripts):
        names += sorted(f"js/{name}" for name in os.listdir(scripts) if name.endswith(".js"))
    return names


# The moment the page's script marks the board ready, on the page's own clock.
WATCH_READY = """new MutationObserver((_, observer) => {
  if (document.body && document.body.dataset.ready === 'true') {
    window.readyAt = performance.now(); observer.disconnect(); }
}).observe(document, {subtree: true, attributes: true});"""


class Handler(http.server.SimpleHTTPRequestHandler):
    extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map, ".wasm": "application/wasm"}

    def log_message(self, *args):
        pass


def browser(profile, languages="en-US,en"):
    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/bin/chromium"
    options.add_experimental_option("prefs", {"intl.accept_languages": languages})
    for flag in ["--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
                 "--disable-background-networking", "--disable-component-update", "--disable-sync",
                 f"--user-data-dir={profile}", "--window-size=500,760"]:
        options.add_argument(flag)
    return webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)


def until(condition, seconds=30):
    end = time.time() + seconds
    while time.time() < end:
        value = condition()
        if value is not None and value is not False:
            return value
        time.sleep(0.01)
    raise RuntimeError("timed out")


def phone(d, slowed=4):
    """A phone held upright: its screen, touch, and its CPU `slowed` times slower than this one."""
    d.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {"width": 360, "height": 740, "deviceScaleFactor": 3, "mobile": True})
    d.execute_cdp_cmd("Emulation.setTouchEmulationEnabled", {"enabled": True, "maxTouchPoints": 5})
    d.execute_cdp_cmd("Emulation.setCPUThrottlingRate", {"rate": slowed})
    return d


def static_page(url, name="bench-static.html", on_phone=False):
    """The page's controls as the script builds them (on a phone, laid out for the hand),
    saved without any script."""
    d = browser(tempfile.mkdtemp())
    if on_phone:
        phone(d, 1)
    d.get(url)
    until(lambda: d.execute_script("return document.body.dataset.ready === 'true'"))
    root, stage = d.execute_script("const r = document.documentElement;"
                                   "return [`class=\"${r.className}\" style=\"${r.style.cssText}\"`,"
                                   "        document.getElementById('stage').outerHTML]")
    d.quit()
    with open(os.path.join(SITE, name), "w") as page:
        page.write(f'<!DOCTYPE html><html lang="en" {root}><head><meta charset="utf-8"><title>Quarvel Orbix</title>'
                   '<meta name="viewport" content="width=device-width, initial-scale=1">'
                   f'<link rel="stylesheet" href="page.css"></head><body>{stage}</body></html>')


def time_to_clickable(url, static, languages="en-US,en", again=False, on_phone=False):
    """On a first visit, or with `again` on the next one (storage made, files kept)."""
    d = browser(tempfile.mkdtemp(), languages)
    if on_phone:
        phone(d)
    if not static:
        d.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": WATCH_READY})
    if again:
        d.get(url)
        until(lambda: d.execute_script("return navigator.serviceWorker.controller !== null || null"))
    d.get(url)
    if static:
        at = until(lambda: d.execute_script(
            "const n = performance.getEntriesByType('navigation')[0]; return n.loadEventEnd || null"))
    else:
        at = until(lambda: d.execute_script("return window.readyAt || null"))
    d.quit()
    return at


def click_and_memory(url):
    profile = tempfile.mkdtemp(prefix="quarvel-bench-")
    d = browser(profile)
    d.get(url)
    until(lambda: d.execute_script("return document.body.dataset.ready === 'true'"))
    d.find_element("xpath", "//button[text()='New Game']").click()
    times = d.execute_async_script("""
      const done = arguments[arguments.length - 1];
      const results = {handled: [], painted: []};
      const tiles = [...document.querySelectorAll('button[aria-label^="Tile "]')];
      (async () => {
        for (let i = 0; i < 40; ++i) {
          await new Promise((r) => setTimeout(r, 50));
          const start = performance.now();
          tiles[i % tiles.length].click();
          while (document.body.dataset.handling) await Promise.resolve();
          results.handled.push(performance.now() - start);
          await new Promise((r) => requestAnimationFrame(() => setTimeout(r, 0)));
          results.painted.push(performance.now() - start);
        }
        done(results);
      })();""")
    # The renderers of this browser (its profile is on their command lines).
    processes = subprocess.run(["ps", "-eo", "rss=,args="], capture_output=True, text=True).stdout
    rss = [int(line.split()[0]) for line in processes.splitlines() if profile in line and "--type=renderer" in line]
    heap = d.execute_async_script(
        "const done = arguments[arguments.length - 1];"
        "const wasm = window.Module && Module.HEAPU8 ? Promise.resolve(Module.HEAPU8.length)"
        "  : import('./js/bridge.js').then((b) => b.memoryBytes());"
        "wasm.then((bytes) => done([performance.memory.usedJSHeapSize, bytes]));")
    d.quit()
    return times, rss, heap


# In the page: a click (or a key) and then the frame that paints what it did, in ms on the
# page's clock: [until the handler and the drawing returned, until that frame].
TIMED = """const done = arguments[arguments.length - 1], act = new Function(arguments[0]);
const start = performance.now();
act();
const handled = performance.now() - start;
requestAnimationFrame(() => setTimeout(() => done([handled, performance.now() - start]), 0));"""
OPEN_RELOAD = "[...document.querySelectorAll('button')].find((b) => b.textContent === 'Reload Saved Game').click()"
LEAVE_RELOAD = "document.querySelector('[data-window=reload] [data-name=Command1]').click()"
KEY = ("document.querySelector('[role=combobox]').dispatchEvent(new KeyboardEvent('keydown', "
       "{key: '%s', altKey: %s, bubbles: true, cancelable: true}))")
NEW_GAME = "[...document.querySelectorAll('button')].find((b) => b.textContent === 'New Game').click()"


def reload_window(url, lines, runs=5):
    """The Reload Game window over a saved.dat of `lines` game numbers (14 digits, ascending),
    loaded as a player loads one: opened `runs` times; its list opened; Down pressed in the
    open list; back on the main window, New Game clicked."""
    folder = tempfile.mkdtemp(prefix="quarvel-bench-saved-")
    with open(os.path.join(folder, "saved.dat"), "w", newline="") as file:
        file.write("".join(f"{10**13 + 7919 * k}\r\n" for k in range(lines)))
    for attempt in range(3):
        d = browser(tempfile.mkdtemp())
        d.set_window_size(1280, 800)  # the windows as the desktop's, not laid out for the hand
        d.get(url)
        until(lambda: d.execute_script("return document.body.dataset.ready === 'true'"))
        d.execute_script("window.beforeLoading = true; [...document.querySelectorAll('#records button')]"
                         ".find((b) => b.textContent === 'Load saved.dat').click()")
        d.find_element("css selector", "#records input[type=file]").send_keys(os.path.join(folder, "saved.dat"))
        until(lambda: d.execute_script("return window.beforeLoading === undefined && document.body.dataset.ready === 'true'"),
              120)
        refused = d.execute_script("const box = document.querySelector('dialog[open]'); return box && box.textContent.trim()")
        if not refused:
            break
        print(f"  ({lines} numbers, attempt {attempt + 1}: the page started again with a box up: {refused!r})")
        d.quit()
    timed = lambda script: d.execute_async_script(TIMED, script)
    opened = []
    for _ in range(runs):
        opened.append(timed(OPEN_RELOAD))
        timed(LEAVE_RELOAD)
    timed(OPEN_RELOAD)
    listed = timed(KEY % ("ArrowDown", "true"))
    rows, size = d.execute_script("const rows = document.querySelectorAll('#saved-games [role=option]');"
                                  "return [rows.length, rows.length && Number(rows[0].getAttribute('aria-setsize'))]")
    if size != lines:
        raise RuntimeError(f"the Reload Game list holds {size} entries, not {lines}")
    down = [timed(KEY % ("ArrowDown", "false"))[1] for _ in range(20)]
    timed(KEY % ("Escape", "false"))
    timed(LEAVE_RELOAD)
    new_game = timed(NEW_GAME)
    d.quit()
    os.remove(os.path.join(folder, "saved.dat"))
    return {"handled": statistics.median(o[0] for o in opened), "painted": statistics.median(o[1] for o in opened),
            "largest": max(o[1] for o in opened), "list": listed[1], "rows": rows, "down": statistics.median(down),
            "new game": new_game[1]}


def desktop_reload_window():
    """The desktop's figures: its Reload Game window up, combo box filled and painted, and
    its drop-down opened, in ms by the number of saved games (nothing without the program)."""
    if not QT_BENCH:
        return {}
    out = subprocess.run([QT_BENCH, "--benchmark_filter=BM_QtOpenReloadWindow|BM_QtReloadDropDown",
                          "--benchmark_format=json"], capture_output=True, text=True, check=True,
                         env={**os.environ, "QT_QPA_PLATFORM": "offscreen"}).stdout
    figures = {}
    for b in json.loads(out)["benchmarks"]:
        name, lines = b["name"].split("/")[:2]
        scale = {"ms": 1, "us": 1e-3, "ns": 1e-6}[b["time_unit"]]
        figures[(name, int(lines))] = b["real_time"] * scale
    return figures


class Server(http.server.ThreadingHTTPServer):
    def handle_error(self, request, client_address):
        pass  # a browser that closed its connection early


def serve(folder):
    server = Server(("127.0.0.1", 0), functools.partial(Handler, directory=folder))
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server, f"http://127.0.0.1:{server.server_address[1]}/"


def first_visits_clicks_and_memory(url, other):
    print("== Before the first paint, compressed with gzip -9")
    total = 0
    for name in first_paint_files(SITE):
        with open(os.path.join(SITE, name), "rb") as file:
            raw = file.read()
        packed = len(gzip.compress(raw, 9))
        total += packed
        print(f"  {name:20} {len(raw) / 1024:8.1f} KiB, compressed {packed / 1024:7.1f} KiB")
    catalogues = [os.path.join(root, name) for root, _, names in os.walk(os.path.join(SITE, "locale"))
                  for name in names]
    largest = max((len(gzip.compress(open(path, "rb").read(), 9)) for path in catalogues), default=0)
    print(f"  in all: {total / 1024:.1f} KiB, and in another language than English its catalogue, "
          f"at most {largest / 1024:.1f} KiB (target at most 400 KiB)")

    static_page(url)
    static_page(url, "bench-static-phone.html", on_phone=True)
    game, german, again, bare, beside, tapped, tapped_bare = [], [], [], [], [], [], []
    for _ in range(RUNS):  # in turns
        if other:
            beside.append(time_to_clickable(other[1], False))
        game.append(time_to_clickable(url, False))
        german.append(time_to_clickable(url, False, "de-DE,de"))
        again.append(time_to_clickable(url, False, again=True))
        bare.append(time_to_clickable(url + "bench-static.html", True))
        tapped.append(time_to_clickable(url, False, on_phone=True))
        tapped_bare.append(time_to_clickable(url + "bench-static-phone.html", True, on_phone=True))
    b = statistics.median(bare)
    print(f"== Until the board can be clicked (median of {RUNS}, in turns)")
    print(f"  the static page {b:.1f} ms (from {min(bare):.1f} to {max(bare):.1f})")
    for name, times in (("the game in English, first visit", game), ("the game in German, first visit", german),
                        ("the game in English, next visit", again)):
        g = statistics.median(times)
        print(f"  {name} {g:.1f} ms (from {min(times):.1f} to {max(times):.1f}): {g / b:.2f} x "
              "(target at most 1.5 x)")
    print(f"== Until a tile can be tapped on a phone, the CPU slowed 4 times (median of {RUNS}, in turns)")
    t, tb = statistics.median(tapped), statistics.median(tapped_bare)
    print(f"  the static page of the layout for the hand {tb:.1f} ms (from {min(tapped_bare):.1f} to {max(tapped_bare):.1f})")
    print(f"  the game, first visit {t:.1f} ms (from {min(tapped):.1f} to {max(tapped):.1f}): {t / tb:.2f} x")
    if beside:
        o = statistics.median(beside)
        print(f"  the other site in English, first visit {o:.1f} ms (from {min(beside):.1f} to {max(beside):.1f}): "
              f"{o / b:.2f} x; this site {statistics.median(game) / o:.2f} x the other")

    times, rss, heap = click_and_memory(url)
    print("== A tile click (40 clicks)")
    print(f"  handled and drawn: median {statistics.median(times['handled']):.2f} ms, "
          f"largest {max(times['handled']):.2f} ms")
    print(f"  until the frame that paints it: median {statistics.median(times['painted']):.2f} ms, "
          f"largest {max(times['painted']):.2f} ms (target within one frame, 16 ms)")
    print("== The tab's memory")
    print(f"  renderer resident set: {', '.join(f'{r / 1024:.1f} MiB' for r in rss)}; "
          f"JavaScript heap {heap[0] / 2**20:.1f} MiB, WebAssembly memory {heap[1] / 2**20:.1f} MiB")
    os.remove(os.path.join(SITE, "bench-static.html"))
    os.remove(os.path.join(SITE, "bench-static-phone.html"))


def reload_figures(url):
    print("== The Reload Game window over N saved numbers (the page in Chromium at 1280 x 800; the desktop's "
          "offscreen, in the same run)")
    desktop = desktop_reload_window()
    print(f"  {'N':>8}  {'page: up':>9} {'painted':>9} {'largest':>9}  {'list open':>9} {'rows':>4} {'Down':>7} "
          f"{'New Game':>8}  | {'desktop: up':>11} {'drop-down':>9}  | page / desktop")
    for lines in SAVED_SIZES:
        p = reload_window(url, lines)
        up, drop = desktop.get(("BM_QtOpenReloadWindow", lines)), desktop.get(("BM_QtReloadDropDown", lines))
        beside = (f"{up:11.1f} {drop:9.1f}  | up {p['painted'] / up:.1f} x, list {p['list'] / drop:.1f} x"
                  if up and drop else f"{'-':>11} {'-':>9}  |")
        print(f"  {lines:8}  {p['handled']:7.1f}ms {p['painted']:7.1f}ms {p['largest']:7.1f}ms  {p['list']:7.1f}ms "
              f"{p['rows']:4} {p['down']:5.1f}ms {p['new game']:6.1f}ms  | {beside}")
    print("  (page: up = the click handled and drawn, painted = until its frame, median of 5 and largest; "
          "target for 10^6: within 300 ms)")


def main():
    server, url = serve(SITE)
    other = serve(OTHER) if OTHER else None
    if not RELOAD_ONLY:
        first_visits_clicks_and_memory(url, other)
    reload_figures(url)
    server.shutdown()
    if other:
        other[0].shutdown()


if __name__ == "__main__":
    main()
