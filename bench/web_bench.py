#!/usr/bin/python3
"""The web page's figures, in Debian's headless Chromium (never part of the tests):
- the bytes the page needs before its first paint, compressed (gzip -9);
- the time until the board can be clicked, against a static page of the same controls
  with no WebAssembly (median of RUNS, taken in turns, each in a fresh profile);
- the same on a phone (360 x 740 CSS pixels at device scale 3, touch) with the CPU slowed
  4 times, until a tile can be tapped, against the static page of its layout for the hand;
- a tile click until the frame that paints it;
- the tab's memory (the renderer's resident set) beside the desktop game's.

usage: web_bench.py SITE_DIR [RUNS] [OTHER_SITE_DIR]
OTHER_SITE_DIR: another build of the site (an earlier version, say), whose first visit is
timed in the same turns, beside this one's."""
import functools
import gzip
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

SITE = sys.argv[1]
RUNS = int(sys.argv[2]) if len(sys.argv) > 2 else 10
OTHER = sys.argv[3] if len(sys.argv) > 3 else None


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


class Server(http.server.ThreadingHTTPServer):
    def handle_error(self, request, client_address):
        pass  # a browser that closed its connection early


def serve(folder):
    server = Server(("127.0.0.1", 0), functools.partial(Handler, directory=folder))
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server, f"http://127.0.0.1:{server.server_address[1]}/"


def main():
    server, url = serve(SITE)
    other = serve(OTHER) if OTHER else None

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
    server.shutdown()
    if other:
        other[0].shutdown()
    os.remove(os.path.join(SITE, "bench-static.html"))
    os.remove(os.path.join(SITE, "bench-static-phone.html"))


if __name__ == "__main__":
    main()
