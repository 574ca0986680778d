#!/usr/bin/python3
"""Figures of the page on each emulated device (a phone upright and on its
side, with touch; a desktop with a mouse): the smallest target and the
smallest text on every kind of screen a scripted run shows, and the time from
navigation to the title and to the first tap answered (the title tapped as
soon as it shows, until the name page), on a cold cache, unthrottled and
under the DevTools protocol's Fast 3G and a four times slower processor, with
the bytes fetched before each.

usage: phone_figures.py [--rounds N] SITE_FOLDER ZEMRA_SCRIPTED_RUN
Needs Debian's chromium, chromium-driver and python3-selenium; the site's
module is served in place of the tests' one if SITE_FOLDER/../testing holds it.
"""
import argparse
import json
import pathlib
import statistics
import subprocess
import sys
import tempfile

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parents[2] / "tests" / "web"))
from site_server import SiteServer  # noqa: E402  (the tests' own server and measures, found beside them)
from screen_measure import DEVICES, MEASURE, REPLAY_UNTIL, emulate  # noqa: E402
from web_figures import browser, mark, until  # noqa: E402  (the site's other figures' browser, beside this)

# DevTools' own "Fast 3G": 562.5 ms of latency, 1.44 Mbit/s down, 675 kbit/s up.
FAST_3G = {"offline": False, "latency": 562.5, "downloadThroughput": 180000, "uploadThroughput": 84375}
CPU_SLOWDOWN = 4
LOAD_SECONDS = 180  # a throttled start takes half a minute on a busy machine
SPOIL = "どの剣を奪いますか？"
BYTES_BEFORE = """
const at = performance.getEntriesByName(arguments[0])[0].startTime;
return performance.getEntriesByType('resource').filter((r) => r.responseEnd <= at)
  .reduce((sum, r) => sum + r.transferSize, performance.getEntriesByType('navigation')[0].transferSize);
"""


def layout(server, device, lines):
    """The smallest target and text per kind of screen, and the kinds that fall short."""
    name, width, height, touch = device
    header, lines = lines[0], lines[1:]
    with tempfile.TemporaryDirectory() as profile:
        driver = browser(profile)
        try:
            emulate(driver, width, height, touch)
            driver.get(server.url)
            until(lambda: mark(driver, "title"), LOAD_SECONDS)
            driver.execute_script("return window.zemra6.picturesIn")
            seen, at, rows = [], 0, []
            while (stop := driver.execute_script(REPLAY_UNTIL, header["seed"], lines, at, seen, SPOIL)) is not None:
                at = stop["at"]
                seen.append(stop["kind"])
                figures = driver.execute_script(MEASURE, width)
                rows.append(f"    {stop['kind']:<18} target {figures['target']:5.1f} px, text {figures['text']:5.1f} px"
                            f"{', scrolls sideways' if figures['sideways'] else ''}"
                            f"{'; under 44 px: ' + ', '.join(figures['small']) if figures['small'] else ''}")
                driver.execute_script("document.querySelectorAll('dialog[open]').forEach((d) => d.close())")
        finally:
            driver.quit()
    print(f"{name} ({width} x {height}, {'touch' if touch else 'mouse'}):")
    print("\n".join(rows))


def load(server, device, throttled, rounds):
    name, width, height, touch = device
    title, answered, title_bytes, answered_bytes = [], [], [], []
    for _ in range(rounds):
        with tempfile.TemporaryDirectory() as profile:  # a fresh profile: a cold cache
            driver = browser(profile)
            try:
                emulate(driver, width, height, touch)
                if throttled:
                    driver.execute_cdp_cmd("Network.enable", {})
                    driver.execute_cdp_cmd("Network.emulateNetworkConditions", FAST_3G)
                    driver.execute_cdp_cmd("Emulation.setCPUThrottlingRate", {"rate": CPU_SLOWDOWN})
                driver.get(server.url)
                until(lambda: mark(driver, "title"), LOAD_SECONDS)
                # A tap as the player makes it, through the page's own handler, once the title shows.
                driver.execute_script("document.getElementById('title-button').click()")
                answered.append(until(lambda: mark(driver, "name"), LOAD_SECONDS))
                title.append(mark(driver, "title"))
                title_bytes.append(driver.execute_script(BYTES_BEFORE, "zemra6:title"))
                answered_bytes.append(driver.execute_script(BYTES_BEFORE, "zemra6:name"))
            finally:
                driver.quit()
    how = f"Fast 3G + {CPU_SLOWDOWN}x CPU" if throttled else "unthrottled"
    print(f"  {name}, {how}: to the title {statistics.median(title) / 1000:.1f} s "
          f"({statistics.median(title_bytes):,.0f} bytes), to the first tap answered "
          f"{statistics.median(answered) / 1000:.1f} s ({statistics.median(answered_bytes):,.0f} bytes)")


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--rounds", type=int, default=3)
    parser.add_argument("site")
    parser.add_argument("scripted_run")
    args = parser.parse_args()
    testing = pathlib.Path(args.site).resolve().parent / "testing"
    module = {f"/{name}": (testing / name).read_bytes() for name in ("zemra6-web.mjs", "zemra6-web.wasm")
              if (testing / name).exists()}
    server = SiteServer(args.site, module)  # the tests' calls replay the run
    plain = SiteServer(args.site)  # the load as a player meets it, with the site's own module
    with tempfile.TemporaryDirectory() as folder:
        subprocess.run([args.scripted_run, folder, "7", "lucky", "3000"], check=True, capture_output=True)
        recording = next(pathlib.Path(folder, "recordings").glob("*.zrec"))
        lines = [json.loads(line) for line in recording.read_text(encoding="utf-8").splitlines()]
    for device in DEVICES:
        layout(server, device, lines)
    print("load, cold cache:")
    for device in DEVICES:
        for throttled in (False, True):
            load(plain, device, throttled, args.rounds)
    server.close()
    plain.close()
    return 0


if __name__ == "__main__":
    sys.exit(main())
