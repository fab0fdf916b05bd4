#!/usr/bin/python3
"""The web page's figures, in Debian's headless Chromium (never part of the tests):
- the bytes the page needs before its first paint, compressed (gzip -9);
- the time until the board can be clicked, against a static page of the same controls
  with no WebAssembly (median of RUNS, taken in turns, each in a fresh profile);
- the same on a phone (360 x 740 CSS pixels at device scale 3, touch) with the CPU slowed
  4 times, until a tile can be tapped, against the static page of its layout for the hand;
- the same over a 1.6 Mbit/s link with 150 ms round trips (Chromium's emulation), the files
  sent as they stand and compressed (tools/serve_site.py);
- a tile click until the frame that paints it;
- the tab's memory (the renderer's resident set) beside the desktop game's;
- the Reload Game window opened over 10^3 to 10^6 saved numbers, its list opened, Down
  pressed in it and New Game clicked after it, beside the desktop's Reload Game window
  (quarvel_qt_bench, offscreen) in the same run;
- the shortest-solution note: the bytes of its tables on the wire (counted at the server,
  tools/serve_site.py), the time until the first note, the renderer's resident set before
  and after it, the page's and the worker's heaps, and the worker's searches (random deals).

usage: web_bench.py [--qt-bench=QUARVEL_QT_BENCH] [--reload-only | --note-only] [--full-tables FILE]
                    SITE_DIR [RUNS] [OTHER_SITE_DIR]
OTHER_SITE_DIR: another build of the site (an earlier version, say), whose first visit is
timed in the same turns, beside this one's. QUARVEL_QT_BENCH: the desktop's benchmark
program, whose Reload Game window is timed beside the page's. --reload-only: the Reload
Game figures alone; --note-only: the note's alone. --full-tables names the desktop's
tables' file, whose size with gzip -6 is printed beside."""
import functools
import gzip
import json
import random
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

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tools"))
from serve_site import Site  # noqa: E402

QT_BENCH = next((a.split("=", 1)[1] for a in sys.argv if a.startswith("--qt-bench=")), None)
RELOAD_ONLY = "--reload-only" in sys.argv
NOTE_ONLY = "--note-only" in sys.argv
ARGS = sys.argv[1:]
FULL_TABLES = ARGS[ARGS.index("--full-tables") + 1] if "--full-tables" in ARGS else None
ARGS = [a for i, a in enumerate(ARGS) if not a.startswith("--") and (i == 0 or ARGS[i - 1] != "--full-tables")]
SITE = ARGS[0]
RUNS = int(ARGS[1]) if len(ARGS) > 1 else 10
OTHER = ARGS[2] if len(ARGS) > 2 else None
SAVED_SIZES = [1000, 10000, 100000, 1000000]


def first_paint_files(site):
    """What the page needs before its first paint: its document, style and program, and its
    script (one file, or the modules in js/)."""
    names = [name for name in ["index.html", "page.css", "page.js", "quarvel-page.js", "quarvel-page.wasm"]
             if os.path.exists(os.path.join(site, name))]
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


# A slow link, as Chromium emulates it: 1.6 Mbit/s each way, 150 ms added to each request.
SLOW_LINK = {"offline": False, "latency": 150, "downloadThroughput": 200_000, "uploadThroughput": 200_000}


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


def time_to_clickable(url, static, languages="en-US,en", again=False, on_phone=False, slow=False):
    """On a first visit, or with `again` on the next one (storage made, files kept); with
    `slow`, over SLOW_LINK."""
    d = browser(tempfile.mkdtemp(), languages)
    if on_phone:
        phone(d)
    if slow:
        d.execute_cdp_cmd("Network.enable", {})
        d.execute_cdp_cmd("Network.emulateNetworkConditions", SLOW_LINK)
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
        "  : window.quarvelProgram ? Promise.resolve(quarvelProgram.memoryBytes())"
        "  : import('./js/bridge.js').then((b) => b.memoryBytes());"  # a site of separate modules
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
    d = browser(tempfile.mkdtemp())
    d.set_window_size(1280, 800)  # the windows as the desktop's, not laid out for the hand
    d.get(url)
    until(lambda: d.execute_script("return document.body.dataset.ready === 'true'"))
    d.execute_script("[...document.querySelectorAll('#records button')]"
                     ".find((b) => b.textContent === 'Load saved.dat').click()")
    d.find_element("css selector", "#records input[type=file]").send_keys(os.path.join(folder, "saved.dat"))
    # The load's summary, once stored.
    until(lambda: d.execute_script("return document.querySelector('dialog[open] p')?.textContent.includes('now holds')"),
          120)
    d.execute_script("document.querySelector('dialog[open] button[value=ok]').click()")
    until(lambda: d.execute_script("return document.querySelector('dialog[open]') === null"))
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
# The page's worker as it is, which also tells its memory when asked: the program's and,
# where the browser tells it, its script's heap.
BENCH_WORKER = """importScripts('shortest_worker.js');
const answer = self.onmessage;
self.onmessage = (event) => (event.data === 'memory' ? self.postMessage({ memory: Module.HEAPU8.length,
  heap: self.performance.memory ? performance.memory.usedJSHeapSize : null }) : answer(event));"""
# Posts each deal to a worker in turn, timing each answer from the post.
TIME_DEALS = """const [deals, done] = [arguments[0], arguments[arguments.length - 1]];
const worker = new Worker('bench-worker.js'), times = [], lengths = [];
const ask = (message) => new Promise((resolve) => {
  worker.onmessage = ({ data }) => { if (!data.searching) resolve(data); };
  worker.postMessage(message);
});
(async () => {
  for (const [tag, cells] of deals.entries()) {
    const start = performance.now();
    const answer = await ask({ tag, cells });
    times.push(performance.now() - start);
    lengths.push(answer.length);
  }
  done({ times, lengths, memory: await ask('memory') });
})();"""


def renderer_rss(profile):
    """The resident set of each renderer of this browser (its profile is on their command lines), by pid, in KiB."""
    processes = subprocess.run(["ps", "-eo", "pid=,rss=,args="], capture_output=True, text=True).stdout
    return {int(line.split()[0]): int(line.split()[1]) for line in processes.splitlines()
            if profile in line and "--type=renderer" in line}


def random_deal(rng):
    """A solvable position drawn uniformly: the permutation's parity and the empty cell's row."""
    while True:
        cells = list(range(16))
        rng.shuffle(cells)
        tiles = [c for c in cells if c]
        inversions = sum(a > b for i, a in enumerate(tiles) for b in tiles[i + 1:])
        if (inversions + cells.index(0) // 4) % 2 == 1:
            return cells


def slow_link_note(folder, bits_per_second=1.6e6, seconds=90):
    """A fresh profile on a slow link (the server sends each response at that rate: the
    browser's own throttling leaves the worker's requests alone): the time from New Game
    until the note, or None, and the bytes of tables sent."""
    site = Site(folder).start()
    site.rate = bits_per_second / 8
    d = browser(tempfile.mkdtemp(prefix="quarvel-bench-"))
    d.get(site.url)
    until(lambda: d.execute_script("return document.body.dataset.ready === 'true'"), 120)
    sent = len(site.requests)
    start = time.time()
    d.find_element("xpath", "//button[text()='New Game']").click()
    try:
        until(lambda: d.execute_script(NOTE), seconds)
        took = time.time() - start
    except RuntimeError:
        took = None
    d.quit()
    site.stop()
    return took, sum(r["sent"] for r in site.requests[sent:] if "quarvel-shortest" in r["path"])


NOTE = "return document.querySelector('[aria-label=\"Game number\"]').getAttribute('aria-description')"


def measure_note(folder, deals=20):
    """A fresh profile: what the note's first deal costs, then a second worker timing deals."""
    site = Site(folder).start()
    with open(os.path.join(folder, "bench-worker.js"), "w") as script:
        script.write(BENCH_WORKER)
    profile = tempfile.mkdtemp(prefix="quarvel-bench-")
    d = browser(profile)
    d.get(site.url)
    until(lambda: d.execute_script("return document.body.dataset.ready === 'true'"))
    time.sleep(1)
    before = renderer_rss(profile)
    start = time.time()
    d.find_element("xpath", "//button[text()='New Game']").click()
    until(lambda: d.execute_script(NOTE), 120)
    got_note = time.time() - start
    time.sleep(1)
    after = renderer_rss(profile)
    tab = max(after, key=lambda pid: after[pid] - before.get(pid, 0))  # the renderer the note grew
    got = {"first note": got_note, "before": before.get(tab, 0), "after": after[tab]}
    got["page"] = d.execute_async_script(
        "const done = arguments[arguments.length - 1];"
        "(window.quarvelProgram ? Promise.resolve(quarvelProgram) : import('./js/bridge.js'))"
        ".then((b) => done([performance.memory.usedJSHeapSize, b.memoryBytes()]));")
    rng = random.Random(2026)
    got["solved"] = d.execute_async_script(TIME_DEALS, [[1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 0, 15]] +
                                           [random_deal(rng) for _ in range(deals)])
    got["beside"] = renderer_rss(profile).get(tab, 0)
    d.quit()
    site.stop()
    os.remove(os.path.join(folder, "bench-worker.js"))
    got["wire"] = sum(r["sent"] for r in site.requests if "quarvel-shortest" in r["path"])
    got["files"] = sorted({r["path"] for r in site.requests if "quarvel-shortest" in r["path"]})
    got["slow"] = slow_link_note(folder)
    return got


def report_notes(sites):
    """Each site's figures, in the order measured, side by side."""
    print("== The shortest-solution note (a fresh profile each; renderer resident sets of the tab)")
    mib = lambda b: f"{b / 2**20:.2f} MiB"
    rows = [
        ("tables' files fetched", lambda g: ", ".join(p.lstrip("/") for p in g["files"])),
        ("tables on the wire, New Game to note", lambda g: mib(g["wire"])),
        ("first note after New Game", lambda g: f"{g['first note']:.2f} s"),
        ("renderer before the deal", lambda g: f"{g['before'] / 1024:.1f} MiB"),
        ("renderer after the note (target under 200 MiB)", lambda g: f"{g['after'] / 1024:.1f} MiB"),
        ("renderer with a second worker", lambda g: f"{g['beside'] / 1024:.1f} MiB"),
        ("page: JavaScript heap; WebAssembly memory", lambda g: f"{mib(g['page'][0])}; {mib(g['page'][1])}"),
        ("worker: WebAssembly memory (its script's heap is not told to scripts)",
         lambda g: mib(g["solved"]["memory"]["memory"])),
        ("a fresh worker: tables from storage, a 1-move deal", lambda g: f"{g['solved']['times'][0]:.0f} ms"),
        ("20 random deals: median, mean, largest", lambda g: "{:.0f}, {:.0f}, {:.0f} ms".format(
            statistics.median(g["solved"]["times"][1:]), statistics.mean(g["solved"]["times"][1:]),
            max(g["solved"]["times"][1:]))),
        ("their lengths", lambda g: " ".join(str(n) for n in g["solved"]["lengths"][1:])),
        ("1.6 Mbit/s link: first note; tables sent", lambda g: "{}; {}".format(
            f"{g['slow'][0]:.1f} s" if g["slow"][0] is not None else "none in 90 s", mib(g["slow"][1]))),
    ]
    for what, cell in rows:
        print(f"  {what}: " + " | ".join(f"{label}: {cell(g)}" for label, g in sites))


class Server(http.server.ThreadingHTTPServer):
    def handle_error(self, request, client_address):
        pass  # a browser that closed its connection early


def serve(folder):
    server = Server(("127.0.0.1", 0), functools.partial(Handler, directory=folder))
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server, f"http://127.0.0.1:{server.server_address[1]}/"


def notes():
    sites = [("this site", measure_note(SITE))]
    if OTHER:
        sites.append(("the other site", measure_note(OTHER)))
    report_notes(sites)
    if FULL_TABLES:
        with open(FULL_TABLES, "rb") as full:
            raw = full.read()
        print(f"  the desktop's tables: {len(raw) / 2**20:.1f} MiB, with gzip -6 {len(gzip.compress(raw, 6)) / 2**20:.1f} MiB")


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

    # Over a slow link, from this server (nothing compressed) and from the site's own, which
    # compresses as a host should.
    packed_server = Site(SITE).start()
    packed = packed_server.url
    slow = {"static": [], "plain": [], "packed": []}
    for _ in range(RUNS):
        slow["static"].append(time_to_clickable(packed + "bench-static.html", True, slow=True))
        slow["plain"].append(time_to_clickable(url, False, slow=True))
        slow["packed"].append(time_to_clickable(packed, False, slow=True))
    packed_server.stop()
    b = statistics.median(slow["static"])
    print(f"== Over a 1.6 Mbit/s link with 150 ms round trips (median of {RUNS}, in turns)")
    print(f"  the static page, compressed {b:.1f} ms (from {min(slow['static']):.1f} to {max(slow['static']):.1f})")
    for name, key in (("the game, compressed", "packed"), ("the game, sent as it is", "plain")):
        g = statistics.median(slow[key])
        print(f"  {name} {g:.1f} ms (from {min(slow[key]):.1f} to {max(slow[key]):.1f}): {g / b:.2f} x "
              "(target at most 3 x)")

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
    if NOTE_ONLY:
        notes()
        return
    server, url = serve(SITE)
    other = serve(OTHER) if OTHER else None
    if not RELOAD_ONLY:
        first_visits_clicks_and_memory(url, other)
    reload_figures(url)
    server.shutdown()
    if other:
        other[0].shutdown()
    if not RELOAD_ONLY:
        notes()


if __name__ == "__main__":
    main()
