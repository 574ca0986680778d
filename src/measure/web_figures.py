#!/usr/bin/python3
"""Figures of the browser's site, each beside a floor measured in the same run:
the site's files and their gzipped sizes, and what the first screen fetched;
the time from navigation to the title page and to the first click answered in
headless Chromium on 127.0.0.1 with a cold cache, with the game's font and
with the device's fonts, and offline from the service worker's cache; the
browser's CPU share on the title page against a bare page drawing a 500 x 400
canvas at 20 frames a second, and on the field page against an empty page;
battles a second of the WebAssembly core under node against the native
benchmark; the size of a whole scripted run's recording made in the page
against the desktop's.

usage: web_figures.py [--rounds N] SITE_FOLDER ZEMRA6_BATTLEBENCH ZEMRA6_CORE_JS ZEMRA_CRAFT_SAVE ZEMRA_SCRIPTED_RUN
Needs Debian's chromium, chromium-driver and python3-selenium (tools/build.sh installs them).
"""
import argparse
import gzip
import json
import os
import pathlib
import statistics
import subprocess
import sys
import tempfile
import time

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.by import By

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parents[2] / "tests" / "web"))
from site_server import SiteServer  # noqa: E402  (the tests' own server, found beside them)
from page_store import CLEAR_STORE  # noqa: E402

FLOOR_PAGE = b"""<!doctype html><meta charset="utf-8"><canvas id="c" width="500" height="400"></canvas>
<script>
// The least a page does to show a new 500 x 400 frame twenty times a second:
// one line of the frame changes, and the whole frame goes to the canvas.
const context = document.getElementById("c").getContext("2d");
const frame = context.createImageData(500, 400);
frame.data.fill(255);
let row = 0;
setInterval(() => {
  frame.data.fill(row & 255, row * 2000, row * 2000 + 2000);
  row = (row + 1) % 400;
  requestAnimationFrame(() => context.putImageData(frame, 0, 0));
}, 50);
</script>"""
EMPTY_PAGE = b"<!doctype html><meta charset='utf-8'><p>idle</p>"
SAMPLE_SECONDS = 10
SETTLE_SECONDS = 2


def browser(profile):
    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/bin/chromium"
    for argument in ("--headless=new", "--no-sandbox", "--disable-dev-shm-usage", "--window-size=700,640",
                     f"--user-data-dir={profile}"):
        options.add_argument(argument)
    # The game as written, in Japanese, whatever this Chromium's own language: the
    # scripted run's recording presses Japanese captions.
    options.add_experimental_option("prefs", {"intl.accept_languages": "ja"})
    return webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)


def tree_cpu_seconds(root_pid):
    """User and system CPU time of a process and all its descendants."""
    children = {}
    stats = {}
    for entry in os.listdir("/proc"):
        if not entry.isdigit():
            continue
        try:
            fields = pathlib.Path(f"/proc/{entry}/stat").read_text().rsplit(")", 1)[1].split()
        except OSError:
            continue
        children.setdefault(int(fields[1]), []).append(int(entry))
        stats[int(entry)] = int(fields[11]) + int(fields[12])
    total, stack = 0, [root_pid]
    while stack:
        pid = stack.pop()
        total += stats.get(pid, 0)
        stack += children.get(pid, [])
    return total / os.sysconf("SC_CLK_TCK")


def cpu_share(driver):
    pid = driver.service.process.pid
    time.sleep(SETTLE_SECONDS)
    start_cpu, start = tree_cpu_seconds(pid), time.monotonic()
    time.sleep(SAMPLE_SECONDS)
    return 100 * (tree_cpu_seconds(pid) - start_cpu) / (time.monotonic() - start)


def mark(driver, name):
    return driver.execute_script(f"return performance.getEntriesByName('zemra6:{name}')[0]?.startTime ?? null")


def until(condition, timeout=30):
    end = time.monotonic() + timeout
    while not (value := condition()):
        if time.monotonic() > end:
            raise RuntimeError("timed out")
        time.sleep(0.005)
    return value


def median_range(values, unit, digits=0):
    return (f"{statistics.median(values):.{digits}f} {unit} "
            f"({min(values):.{digits}f}–{max(values):.{digits}f})")


def site_sizes(site):
    rows, total, total_gz = [], 0, 0
    for path in sorted(p for p in pathlib.Path(site).rglob("*") if p.is_file()):
        data = path.read_bytes()
        packed = len(gzip.compress(data, 9))
        rows.append(f"  {path.relative_to(site)!s:<28} {len(data):>9,} {packed:>9,}")
        total, total_gz = total + len(data), total_gz + packed
    print("site files                         bytes   gzipped")
    print("\n".join(rows))
    print(f"  {'all':<28} {total:>9,} {total_gz:>9,}")


FIRST_SCREEN_BYTES = """
const title = performance.getEntriesByName('zemra6:title')[0].startTime;
const fetched = performance.getEntriesByType('resource').filter((r) => r.responseEnd <= title);
return fetched.reduce((sum, r) => sum + r.encodedBodySize, 0) +
  performance.getEntriesByType('navigation')[0].encodedBodySize;
"""


def load_times(site, rounds):
    for fonts, missing in (("the game's font", ()), ("the device's fonts", ("/font/zemra6-gothic.woff2",))):
        server = SiteServer(site, {path: None for path in missing})
        title, answered, first_bytes = [], [], []
        for _ in range(rounds):
            with tempfile.TemporaryDirectory() as profile:  # a fresh profile: a cold cache
                driver = browser(profile)
                try:
                    driver.get(server.url)
                    until(lambda: mark(driver, "title"))
                    driver.find_element(By.ID, "title-button").click()
                    answered.append(until(lambda: mark(driver, "name")))
                    title.append(mark(driver, "title"))
                    first_bytes.append(driver.execute_script(FIRST_SCREEN_BYTES))
                finally:
                    driver.quit()
        server.close()
        print(f"load, {fonts}: navigation to the title {median_range(title, 'ms')}, "
              f"to the first click answered {median_range(answered, 'ms')}; "
              f"fetched before the title {statistics.median(first_bytes):,.0f} bytes")


def offline_start(site, rounds):
    server = SiteServer(site)
    times = []
    for _ in range(rounds):
        with tempfile.TemporaryDirectory() as profile:
            driver = browser(profile)
            try:
                driver.get(server.url)
                until(lambda: driver.execute_script(
                    "return navigator.serviceWorker.ready.then((r) => r.active.state === 'activated')"))
                driver.execute_cdp_cmd("Network.enable", {})
                driver.execute_cdp_cmd("Network.emulateNetworkConditions", {
                    "offline": True, "latency": 0, "downloadThroughput": -1, "uploadThroughput": -1})
                driver.get(server.url)
                times.append(until(lambda: mark(driver, "title")))
            finally:
                driver.quit()
    server.close()
    print(f"load, offline from the service worker's cache: navigation to the title {median_range(times, 'ms')}")


def recording_inputs(text):
    """The inputs of a recording, in their line form."""
    return [json.loads(line)["input"] for line in text.splitlines() if line.startswith('{"input"')]


def recording_size(site, scripted_run):
    """A whole scripted run (to the ending) played in the page, its recording against the desktop's."""
    server = SiteServer(site)
    with tempfile.TemporaryDirectory() as folder:
        subprocess.run([scripted_run, folder, "7", "lucky", "3000"], check=True, capture_output=True)
        recordings = list(pathlib.Path(folder, "recordings").glob("*.zrec"))
        if len(recordings) != 1:
            raise RuntimeError(f"the scripted run left {len(recordings)} recordings, not one")
        desktop = recordings[0]
        inputs = recording_inputs(desktop.read_text(encoding="utf-8"))
        driver = browser(pathlib.Path(folder, "profile"))
        try:
            driver.get(server.url)
            until(lambda: mark(driver, "title"))
            # The page's sitting is the one the core names: the page's first sitting may
            # have started in the same second, and "…-2.zrec" sorts before "….zrec".
            refused, name, text = driver.execute_script("""
                const [seed, inputs] = arguments;
                const game = window.zemra6;
                game.holdClock(true);
                game.start(false, seed);
                const refused = inputs.filter((line) => JSON.parse(game.module.apply(line)).error !== undefined);
                const name = game.module.recordingName();
                return game.keepRecording().then(() => game.saves.store.get('recordings', name))
                  .then((text) => [refused, name, text]);""", "7", inputs)
        finally:
            driver.quit()
        # The figure is worth printing only if the page played the whole run and recorded it all.
        if refused:
            raise RuntimeError(f"the page refused {len(refused)} of the run's inputs, the first {refused[0]!r}")
        if text is None:
            raise RuntimeError(f"the page kept no recording of the run (named {name!r})")
        recorded = recording_inputs(text)
        if recorded != inputs:
            raise RuntimeError(f"the page's recording {name} holds {len(recorded)} inputs, the run played {len(inputs)}")
        size = len(text.encode("utf-8"))
        print(f"recording of a whole scripted run ({len(inputs)} inputs, to the ending): made in the page "
              f"{size:,} bytes, by zemra6-text {desktop.stat().st_size:,} bytes")
    server.close()


def cpu_figures(site, craft, rounds):
    server = SiteServer(site, {"/floor.html": FLOOR_PAGE, "/empty.html": EMPTY_PAGE})
    shares = {"title": [], "floor": [], "field": [], "empty": [], "hidden": []}
    hidden = None
    with tempfile.TemporaryDirectory() as folder:
        subprocess.run([craft, folder], check=True)
        save = pathlib.Path(folder, "save.dat")
        driver = browser(pathlib.Path(folder, "profile"))
        try:
            for _ in range(rounds):
                # Side by side: each page's sample follows its floor's in the same browser.
                driver.get(server.url + "floor.html")
                shares["floor"].append(cpu_share(driver))
                driver.execute_script(CLEAR_STORE)  # the same site: the title page, not the last round's save
                driver.get(server.url)
                until(lambda: mark(driver, "title"))
                shares["title"].append(cpu_share(driver))
                # The title page behind another tab, which shows the empty page.
                game_tab = driver.current_window_handle
                driver.switch_to.new_window("tab")
                driver.get(server.url + "empty.html")
                shares["hidden"].append(cpu_share(driver))
                driver.switch_to.window(game_tab)
                hidden = driver.execute_script("return document.hidden")
                driver.switch_to.window(driver.window_handles[-1])
                driver.close()
                driver.switch_to.window(game_tab)
                driver.get(server.url + "empty.html")
                shares["empty"].append(cpu_share(driver))
                driver.get(server.url)
                until(lambda: mark(driver, "title"))
                driver.find_element(By.ID, "import-file").send_keys(str(save))
                until(lambda: driver.execute_script("return document.getElementById('box').open"))
                driver.find_element(By.CSS_SELECTOR, "#box-buttons button").click()
                until(lambda: driver.execute_script("return window.zemra6.state.page === 'main'"))
                shares["field"].append(cpu_share(driver))
        finally:
            driver.quit()
    server.close()
    ratios = [t / f for t, f in zip(shares["title"], shares["floor"]) if f > 0]
    print(f"CPU, title page {median_range(shares['title'], '%', 2)} against the bare canvas page "
          f"{median_range(shares['floor'], '%', 2)}: ratio {median_range(ratios, '', 2)}")
    print(f"CPU, title page in a hidden tab (document.hidden {str(hidden).lower()}) behind an empty page "
          f"{median_range(shares['hidden'], '%', 2)}")
    print(f"CPU, field page {median_range(shares['field'], '%', 2)} against an empty page "
          f"{median_range(shares['empty'], '%', 2)}")


def battle_figures(bench, core, rounds):
    battles = 20000
    here = pathlib.Path(__file__).resolve().parents[2] / "tests" / "web" / "core_cli.js"
    env = dict(os.environ, NODE_PATH="/usr/share/nodejs")
    native, wasm = [], []
    for seed in range(1, rounds + 1):
        for command, rates in (([bench, "--seed", str(seed), "--battles", str(battles)], native),
                               (["node", "--no-experimental-fetch", str(here), core, str(seed), "--battles",
                                 str(battles)], wasm)):
            start = time.monotonic()
            subprocess.run(command, check=True, capture_output=True, env=env)
            rates.append(battles / (time.monotonic() - start))
    print(f"battles a second (wall time, {battles} a run, start-up included): WebAssembly under node "
          f"{median_range(wasm, '')}, native {median_range(native, '')}, "
          f"ratio {statistics.median(wasm) / statistics.median(native):.2f}")


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--rounds", type=int, default=5)
    parser.add_argument("site")
    parser.add_argument("battlebench")
    parser.add_argument("core")
    parser.add_argument("craft")
    parser.add_argument("scripted_run")
    args = parser.parse_args()
    site_sizes(args.site)
    battle_figures(args.battlebench, args.core, args.rounds)
    recording_size(args.site, args.scripted_run)
    load_times(args.site, args.rounds)
    offline_start(args.site, args.rounds)
    cpu_figures(args.site, args.craft, args.rounds)
    return 0


if __name__ == "__main__":
    sys.exit(main())
