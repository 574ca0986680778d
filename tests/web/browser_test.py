#!/usr/bin/python3
"""The page in a real browser: Debian's headless Chromium, driven through
Selenium, against the site served on 127.0.0.1 by this test.

Runs played by zemra6-text (to the ending and its save, and to a game over)
are played again in the page input for input, and every screen must digest
the same; the page's exported save and report must be the desktop's bytes.
A player then goes by mouse and by keys from the title to the first spoil,
walks the sword row by keys, keeps a save across a reload and a restarted
browser (in the browser's database: a copy cut off halfway leaves the old
files whole, a recording of 6 MB is kept, and what an older page kept in local
storage moves across), imports desktop saves good and bad, meets a second tab that takes
over when the first closes, and the page must say clearly what is wrong when
content, the core, WebAssembly or storage is missing, and go on where it can.
Keys belong to the control with the focus, a box gives the focus back, and
only sittings with an input are kept as recordings, listed by their start. A browser that prefers English gets the
page in English, and the page's switch brings Japanese back; every other
browser here is set to Japanese, the game these tests compare byte for byte.

usage: browser_test.py SITE_FOLDER ZEMRA_SCRIPTED_RUN ZEMRA_CRAFT_SAVE
"""
import base64
import json
import os
import pathlib
import re
import subprocess
import sys
import tempfile
import time
import unittest

import polib

from selenium import webdriver
from selenium.common.exceptions import WebDriverException
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.actions import interaction
from selenium.webdriver.common.actions.action_builder import ActionBuilder
from selenium.webdriver.common.actions.pointer_input import PointerInput
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.remote.remote_connection import RemoteConnection
from selenium.webdriver.support.select import Select

from page_store import CLEAR_STORE, STORE_ITEMS
from site_server import SiteServer
from screen_measure import DEVICES, MEASURE, REPLAY_UNTIL, emulate

SITE = SCRIPTED_RUN = CRAFT_SAVE = None
# Chromium names downloaded files in its locale's encoding and falls back to
# "download" for a Japanese name under C or a locale the machine lacks: it runs
# under C.UTF-8, which every Debian machine has, whatever the player's locale.
BROWSER_ENVIRONMENT = {**os.environ, "LC_ALL": "C.UTF-8"}
# Every call to the driver is answered or fails within two minutes, so a browser
# that stops answering fails its test instead of holding the whole suite.
RemoteConnection.set_timeout(120)

TEXTS = {
    "no_core": "ゲームの本体（zemra6-web.wasm）を読み込めませんでした。",
    "no_wasm": "このブラウザはWebAssemblyに対応していないため",
    "elsewhere": "このゲームは別のタブで開かれています。",
    "no_storage": "ブラウザの保存領域が使えません。",
    "storage_full": "ブラウザの保存領域に書き込めませんでした。",
    "bad_save": "（save.datの内容が不適切です。）",
    "short_save": "（save.datの読み込みに失敗しました。）",
    "missing_picture": "（dat/center.bmpの読み込みに失敗しました。）",
    "new_run": "新しい旅を始めますか？\n今の旅のsave.datはsave.dat.bakとして残ります。",
    "no_name": "銘が入力されていません。",
    "offer": "あなたが落としたのはこのステータスですか？",
}
ENGLISH_PO = pathlib.Path(__file__).resolve().parents[2] / "po" / "en.po"
# The accessibility rules engine, installed beside the tests by tools/build.sh (npm ci).
AXE = pathlib.Path(__file__).resolve().parent / "node_modules" / "axe-core" / "axe.min.js"
AXE_RUN = ("return axe.run(document, {resultTypes: ['violations']}).then((result) => result.violations.map("
           "(v) => `${v.id}: ${v.nodes.map((n) => n.target.join(' ')).join(', ')}`))")
# What a player presses, first found first, on the way to the first spoil. It
# wins the first battle about half the time; a lost run starts again.
PREFERRED = ("≫", "はい", "戦う", "ファイト", "徘徊")
SPOIL = "どの剣を奪いますか？"
JOURNEYS = 12
# Kana, kanji and full-width forms: none is left where the page speaks English.
JAPANESE = re.compile(r"[\u3000-\u30ff\u3400-\u9fff\uff00-\uffef]")
# The page's marked texts as its HTML has them, and as the page shows them now.
MARKED_TEXTS = """
const texts = (root) => [...root.querySelectorAll('[data-tr]')].map((e) => e.textContent.trim());
return fetch('index.html').then((r) => r.text())
  .then((html) => [texts(new DOMParser().parseFromString(html, 'text/html')), texts(document)]);
"""
# What the stage shows and says: its visible text and the names of its visible elements.
# The lines an element's text is shown in, as the browser broke them.
SHOWN_LINES = """
const element = arguments[0];
const lines = [];
let line = "", top = null;
const walker = document.createTreeWalker(element, NodeFilter.SHOW_TEXT);
for (let node = walker.nextNode(); node !== null; node = walker.nextNode()) {
  for (let i = 0; i < node.length; i++) {
    const range = document.createRange();
    range.setStart(node, i);
    range.setEnd(node, i + 1);
    const rect = range.getClientRects()[0];
    if (rect === undefined || node.data[i] === "\\n") continue;
    if (top !== null && Math.abs(rect.top - top) > rect.height / 2) {
      lines.push(line);
      line = "";
    }
    top = rect.top;
    line += node.data[i];
  }
}
return [...lines, line];
"""
# The sword labels that look focused or hold the focus.
FOCUS_ON_A_SWORD = ("return [...document.querySelectorAll('.sword.key-focus, .sword:focus-visible, .sword:focus')]"
                    ".map((e) => e.dataset.sword)")
STAGE_TEXT = """
const stage = document.getElementById('stage');
const named = [...stage.querySelectorAll('[aria-label], img[alt]')].filter((e) => e.checkVisibility());
return [stage.innerText, ...named.map((e) => e.getAttribute('aria-label') ?? e.alt)].join('\\n');
"""


def until(condition, timeout=15.0, what="the page"):
    end = time.monotonic() + timeout
    while True:
        value = condition()
        if value:
            return value
        if time.monotonic() > end:
            raise AssertionError(f"timed out waiting for {what}")
        time.sleep(0.02)



def core_english():
    """The English catalogue's messages without a context, as the core's table holds them."""
    return {entry.msgid: entry.msgstr for entry in polib.pofile(str(ENGLISH_PO))
            if entry.translated() and not entry.msgctxt}


class Browser:
    # `languages` are the browser's preferred ones, as the page reads them; this Chromium's own are English.
    def __init__(self, profile, downloads=None, arguments=(), prefs=None, before=None, languages="ja"):
        options = webdriver.ChromeOptions()
        options.binary_location = "/usr/bin/chromium"
        for argument in ("--headless=new", "--no-sandbox", "--disable-dev-shm-usage", "--window-size=700,640",
                         f"--user-data-dir={profile}",
                         "--autoplay-policy=no-user-gesture-required", *arguments):
            options.add_argument(argument)
        options.add_experimental_option("prefs", {"intl.accept_languages": languages, **(prefs or {})})
        options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
        self.driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver", env=BROWSER_ENVIRONMENT), options=options)
        # A page that never finishes loading fails its test in a minute, not the suite in ten.
        self.driver.set_page_load_timeout(60)
        self.driver.set_script_timeout(30)
        if before is not None:  # a script every document runs first, to stand in for another browser
            self.driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": before})
        if downloads is not None:
            self.driver.execute_cdp_cmd("Browser.setDownloadBehavior",
                                        {"behavior": "allow", "downloadPath": str(downloads)})
        self.logs = []

    def open(self, url):
        self.driver.get(url)
        return self.settled()

    def settled(self):
        """Waits until the game shows a screen or the page a notice (through a page that loads itself again)."""
        def shown():
            try:
                return self.js("return window.zemra6?.state?.page ?? "
                               "(document.getElementById('notice').hidden ? null : 'notice')")
            except WebDriverException:
                return None
        return until(shown, what="the first screen")

    def js(self, script, *args):
        return self.driver.execute_script(script, *args)

    def state(self):
        return self.js("return window.zemra6.state")

    def notice(self):
        return self.driver.find_element(By.ID, "notice").text

    def box_text(self):
        return self.js("const box = document.getElementById('box');"
                       "return box.open ? document.getElementById('box-text').textContent : null")

    def answer_box(self, caption):
        until(self.box_text, what="a box")
        for button in self.driver.find_elements(By.CSS_SELECTOR, "#box-buttons button"):
            if button.text == caption:
                button.click()
                return
        raise AssertionError(f"no {caption} in the box")

    def close_boxes(self):
        """Closes every box the page shows, and returns their texts."""
        texts = []
        while (text := self.box_text()) is not None:
            texts.append(text)
            self.driver.find_element(By.CSS_SELECTOR, "#box-buttons button:last-child").click()
            time.sleep(0.05)
        return texts

    def keys(self, *keys):
        ActionChains(self.driver).send_keys(*keys).perform()

    def errors(self):
        self.logs += self.driver.get_log("browser")
        return [entry["message"] for entry in self.logs if entry["level"] == "SEVERE"]

    def stored(self, kind):
        """The page's store's items of one kind ("files", "recordings", "ends"), files as base64."""
        return self.js(STORE_ITEMS, kind)

    def emulate(self, width, height, touch):
        emulate(self.driver, width, height, touch)

    def tap(self, element):
        touch = ActionBuilder(self.driver, mouse=PointerInput(interaction.POINTER_TOUCH, "finger"))
        touch.pointer_action.move_to(element).pointer_down().pointer_up()
        touch.perform()

    def quit(self):
        try:
            self.errors()
        finally:
            self.driver.quit()


def scripted_run(folder, seed, kind, limit):
    subprocess.run([SCRIPTED_RUN, str(folder), str(seed), kind, str(limit)], check=True, capture_output=True)
    recording = next(pathlib.Path(folder, "recordings").glob("*.zrec"))
    return [json.loads(line) for line in recording.read_text(encoding="utf-8").splitlines()]


def crafted_save(folder):
    subprocess.run([CRAFT_SAVE, str(folder)], check=True)
    return pathlib.Path(folder, "save.dat")


# Plays a recording's lines through the page's one entry with its clock held;
# returns the first digest that differs and every kind of screen shown.
REPLAY = """
const [seed, lines] = arguments;
const game = window.zemra6;
game.holdClock(true);
return game.picturesIn.then(() => {
  game.start(false, seed);
  const kinds = new Set();
  const kind = (s) => s.page === "main" ? `main/${s.top}${s.info === null ? "" : "/info"}` : s.page;
  kinds.add(kind(game.state));
  for (const [i, line] of lines.entries()) {
    if (line.input !== undefined) {
      game.apply(JSON.parse(game.module.inputFromLine(line.input)));
      kinds.add(kind(game.state));
    } else if (line.digest !== undefined && game.module.digest() !== line.digest) {
      return {at: i, input: lines[i - 1]?.input ?? null, want: line.digest, got: game.module.digest(), kinds: [...kinds]};
    }
  }
  return {at: null, kinds: [...kinds], terminated: game.state.terminated};
});
"""




class PageTest(unittest.TestCase):
    def setUp(self):
        self.folder = pathlib.Path(tempfile.mkdtemp(prefix="zemra6-page-"))
        self.site = None
        self.browsers = []
        self.allowed_errors = ()

    def tearDown(self):
        errors = []
        for browser in self.browsers:
            errors += browser.errors()
            browser.quit()
        if self.site is not None:
            self.site.close()
        subprocess.run(["rm", "-rf", str(self.folder)], check=False)
        errors = [e for e in errors if not any(allowed in e for allowed in self.allowed_errors)]
        self.assertEqual(errors, [], "errors in the browser's console")

    def serve(self, broken=None, port=0, site_module=False):
        # The site's module with the tests' calls beside it (digest) in its place,
        # unless the test plays the module the site ships.
        testing = pathlib.Path(SITE).parent / "testing"
        replaced = {} if site_module else {
            f"/{name}": (testing / name).read_bytes() for name in ("zemra6-web.mjs", "zemra6-web.wasm")}
        replaced.update(broken or {})
        self.site = SiteServer(SITE, replaced, port)
        return self.site.url

    def browser(self, profile="profile", **kwargs):
        browser = Browser(self.folder / profile, **kwargs)
        self.browsers.append(browser)
        return browser

    def to_the_field(self, browser):
        """Imports the crafted desktop save: the journey goes on in the field at depth 3."""
        browser.driver.find_element(By.ID, "import-file").send_keys(str(crafted_save(self.folder)))
        browser.answer_box("はい")
        until(lambda: browser.state()["page"] == "main", what="the field")

    def downloaded(self, downloads, name):
        path = downloads / name
        until(lambda: path.exists() and not any(downloads.glob("*.crdownload")),
              what=f"the download of {name} (the folder holds {sorted(p.name for p in downloads.iterdir())})")
        return path.read_bytes()

    def test_recorded_runs_play_the_same_and_export_the_desktops_bytes(self):
        url = self.serve()
        downloads = self.folder / "downloads"
        downloads.mkdir()
        browser = self.browser(downloads=downloads)
        browser.open(url)
        runs = [("ending", 7, "lucky", 3000), ("game over", 1, "plain", 3000)]
        kinds = set()
        for what, seed, kind, limit in runs:
            with self.subTest(run=what):
                browser.js(CLEAR_STORE)
                browser.open(url)
                run_folder = self.folder / what.replace(" ", "-")
                run_folder.mkdir()
                lines = scripted_run(run_folder, seed, kind, limit)
                header, lines = lines[0], lines[1:]
                result = browser.js(REPLAY, header["seed"], lines)
                self.assertIsNone(result["at"], f"the screen differs after {result.get('input')!r}: {result}")
                kinds |= set(result["kinds"])
                browser.close_boxes()
                if what == "ending":
                    # The ending's save and the report, downloaded from the page, are the desktop's bytes.
                    for tool, name, desktop in (("export", "save.dat", "save.dat"),
                                                ("report", "レポート.txt", "レポート.txt")):
                        browser.driver.find_element(By.CSS_SELECTOR, f'[data-tool="{tool}"]').click()
                        self.assertEqual(self.downloaded(downloads, name), (run_folder / desktop).read_bytes(), name)
                else:
                    self.assertTrue(result["terminated"])
                    self.assertIn("旅は終わりました。", browser.notice())
        for screen in ("title", "name", "main/sword", "main/enemy", "main/image"):
            self.assertIn(screen, kinds)

    def test_a_sitting_recorded_in_the_page_replays_on_the_desktop(self):
        url = self.serve(site_module=True)
        downloads = self.folder / "downloads"
        downloads.mkdir()
        browser = self.browser(downloads=downloads)
        browser.open(url)
        browser.driver.find_element(By.ID, "title-button").click()
        browser.driver.find_element(By.ID, "name-edit").send_keys("剣聖")
        browser.driver.find_element(By.ID, "name-button").click()
        browser.answer_box("はい")
        browser.answer_box("OK")
        for caption in ("いいえ", "はい"):  # a status declined, one taken
            until(lambda: caption in browser.state()["commands"], what=caption)
            browser.driver.find_element(
                By.CSS_SELECTOR, f'.command[data-command="{browser.state()["buttons"].index(caption)}"]').click()
        time.sleep(0.3)  # a few clock steps of the story
        browser.driver.find_element(By.LINK_TEXT, "記録").click()
        browser.driver.switch_to.window(browser.driver.window_handles[-1])
        rows = until(lambda: browser.driver.find_elements(By.CSS_SELECTOR, "#recordings tbody tr"), what="the list")
        name = rows[0].get_attribute("data-recording")
        rows[0].find_element(By.TAG_NAME, "button").click()
        recording = self.downloaded(downloads, name)
        self.assertIn(b'"program":"zemra6-web ', recording.split(b"\n")[0])
        text = pathlib.Path(SCRIPTED_RUN).parent / "zemra6-text"
        replay = subprocess.run([str(text), "--replay", str(downloads / name)], capture_output=True, text=True)
        self.assertEqual(replay.returncode, 0, replay.stdout[-2000:] + replay.stderr)

    def test_recordings_are_watched_and_bad_ones_refused(self):
        url = self.serve()
        browser = self.browser()
        run_folder = self.folder / "run"
        run_folder.mkdir()
        scripted_run(run_folder, 1, "plain", 3000)  # to a game over, on the desktop
        recording = next((run_folder / "recordings").glob("*.zrec"))
        damaged = self.folder / "damaged.zrec"
        damaged.write_bytes(b"not a recording\n")
        for name, path, verdict in ((recording.name, recording, "再生が終わりました。記録どおりに進みました。"),
                                    ("damaged.zrec", damaged,
                                     "damaged.zrec: it is not a recording (its first line is not JSON)")):
            with self.subTest(recording=name):
                browser.driver.get(url + "?watch")
                # The page is ready for a file once its watcher is wired (before, a file given is lost).
                until(lambda: browser.js("return (window.zemra6?.watcher ?? null) !== null"), what="the watching page")
                self.assertTrue(browser.driver.find_element(By.ID, "tools").get_attribute("hidden"))
                browser.driver.find_element(By.ID, "watch-file").send_keys(str(path))
                if name == "damaged.zrec":
                    self.assertEqual(until(browser.box_text), verdict)
                    continue
                # Pressed through the page, as a box the recording opens may already cover the button.
                faster = browser.driver.find_element(By.CSS_SELECTOR, '[data-watch="faster"]')
                for _ in range(3):
                    browser.js("arguments[0].click()", faster)
                # A watched input is the recording's, never the player's: a click changes nothing.
                until(lambda: browser.state() is not None and browser.state()["page"] == "main", 60, "the main page")
                ended = until(lambda: (browser.box_text() or "").startswith("再生") and browser.box_text(), 120,
                              "the replay's end")
                # The closing words in the page's language, as the window words them.
                inputs = sum(line.startswith(b'{"input"') for line in path.read_bytes().splitlines())
                self.assertEqual(ended, f"{verdict}\n記録どおりに終わりました（入力{inputs}個）。")
        # Watching kept nothing: no save and no recording of its own.
        self.assertEqual(browser.js("return Object.keys(localStorage).filter((k) => !k.endsWith('/sound'))"), [])
        for kind in ("files", "recordings", "ends"):
            self.assertEqual(browser.stored(kind), {}, kind)

    def play_to_first_spoil(self, browser, by):
        """From the title to the first battle's spoil, by mouse or by keys; false when the battle is lost."""
        def act(mouse, keys):
            before = browser.js("return window.zemra6.module.digest()")
            if by == "mouse":
                mouse()
            else:
                keys()
            until(lambda: browser.box_text() is not None or
                  browser.js("return window.zemra6.module.digest()") != before, what="the screen to change")

        self.assertEqual(browser.state()["page"], "title")
        act(lambda: browser.driver.find_element(By.ID, "title-button").click(), lambda: browser.keys(Keys.ENTER))
        self.assertEqual(browser.state()["page"], "name")
        browser.driver.find_element(By.ID, "name-edit").send_keys("剣聖")
        if by == "mouse":
            browser.driver.find_element(By.ID, "name-button").click()
        else:
            browser.keys(Keys.ENTER)
        self.assertEqual(until(browser.box_text), "≪剣聖≫\nこれでいいですか？")
        if by == "mouse":
            browser.answer_box("はい")
        else:
            browser.keys(Keys.ENTER)
        until(lambda: browser.box_text() == "刻まれました。", what="刻まれました")
        if by == "mouse":
            browser.answer_box("OK")
        else:
            browser.keys(Keys.ENTER)
        until(lambda: browser.box_text() is None, what="the box to close")
        for _ in range(300):
            browser.close_boxes()
            state = browser.state()
            if state["terminated"]:
                return False
            if state["lines"] and state["lines"][0] == SPOIL:
                if by == "keys":
                    # Escape brings the commands back, and no dotted focus is left on a sword.
                    browser.keys(Keys.ARROW_DOWN)
                    until(lambda: browser.state()["info"] is not None, what="the spoil's first sword")
                    browser.keys(Keys.ESCAPE)
                    self.assertIsNone(browser.state()["info"])
                    self.assertEqual(browser.js(FOCUS_ON_A_SWORD), [])
                label = browser.driver.find_element(By.CSS_SELECTOR, '.sword[data-sword="0"]')
                act(label.click, lambda: browser.keys(Keys.ARROW_DOWN, Keys.ENTER))
                self.assertNotEqual(browser.state()["lines"][:1], [SPOIL])
                return True
            caption = next(c for c in PREFERRED + tuple(state["commands"]) if c in state["commands"])
            index = state["buttons"].index(caption)
            shown = [i for i, b in enumerate(state["buttons"]) if b is not None]
            digit = str(len(shown) - shown.index(index))
            button = browser.driver.find_element(By.CSS_SELECTOR, f'.command[data-command="{index}"]')
            act(button.click, lambda: browser.keys(digit))
        self.fail("no spoil within 300 actions")

    def test_first_spoil_by_mouse_and_by_keys(self):
        url = self.serve()
        for by in ("mouse", "keys"):
            with self.subTest(by=by):
                browser = self.browser(profile=by)
                for _ in range(JOURNEYS):
                    browser.open(url)
                    if self.play_to_first_spoil(browser, by):
                        break
                else:
                    self.fail(f"every one of {JOURNEYS} journeys lost its first battle")

    def test_saves_move_and_stay(self):
        url = self.serve()
        browser = self.browser()
        browser.open(url)
        save = crafted_save(self.folder)
        # A desktop save imported: the journey goes on from it.
        browser.driver.find_element(By.ID, "import-file").send_keys(str(save))
        browser.answer_box("はい")
        state = until(lambda: browser.state()["page"] == "main" and browser.state())
        self.assertEqual(state["run"]["depth"], 3)
        kept = browser.stored("files")["save.dat"]
        self.assertEqual(base64.b64decode(kept), save.read_bytes())

        # Damaged and short files are refused with the desktop's words, and nothing changes.
        damaged = bytearray(save.read_bytes())
        damaged[600] ^= 0x5A
        for name, data, message in (("damaged.dat", bytes(damaged), TEXTS["bad_save"]),
                                    ("short.dat", save.read_bytes()[:100], TEXTS["short_save"])):
            with self.subTest(file=name):
                path = self.folder / name
                path.write_bytes(data)
                browser.driver.find_element(By.ID, "import-file").send_keys(str(path))
                self.assertEqual(until(browser.box_text), message)
                browser.answer_box("OK")
                self.assertEqual(browser.stored("files")["save.dat"], kept)
                self.assertEqual(browser.state()["run"]["depth"], 3)

        # Kept across a reload, and across a browser closed and opened again.
        for how in ("reload", "restart"):
            with self.subTest(how=how):
                if how == "restart":
                    browser.quit()
                    self.browsers.remove(browser)
                    browser = self.browser()
                self.assertEqual(browser.open(url), "main")
                self.assertEqual(browser.state()["run"]["depth"], 3)

        # A fresh run keeps the old save as the backup, and starts at the title. Its first copy
        # is cut off after the save's removal, before the backup's writing: the store keeps the
        # old files whole and the player is told; the next copy puts the new ones in place.
        self.assertNotIn("save.dat.bak", browser.stored("files"))
        browser.js("window.put = IDBObjectStore.prototype.put;"
                   "IDBObjectStore.prototype.put = () => { throw new DOMException('cut off', 'UnknownError'); }")
        browser.driver.find_element(By.CSS_SELECTOR, '[data-tool="new-run"]').click()
        browser.answer_box("はい")
        until(lambda: browser.state()["page"] == "title", what="the title page")
        self.assertIn(TEXTS["storage_full"], until(browser.box_text))
        files = browser.stored("files")
        self.assertEqual((files["save.dat"], "save.dat.bak" in files), (kept, False))
        browser.js("IDBObjectStore.prototype.put = window.put")
        browser.close_boxes()
        files = until(lambda: "save.dat" not in (files := browser.stored("files")) and files, what="the fresh run kept")
        self.assertEqual(files["save.dat.bak"], kept)

    # A profile an older page made holds everything in local storage: the first visit moves
    # it into the store and plays on from its save, the list shows its recordings with how
    # they ended, and the next visit finds nothing to move. What that page did not write
    # (an item that is no base64) and the settings stay where they are.
    def test_what_an_older_page_kept_moves_across(self):
        # A page of the site that runs none of its scripts: local storage written there as the older page left it.
        url = self.serve({"/older.html": b'<!doctype html><meta charset="utf-8"><link rel="icon" href="icon.svg">'})
        browser = self.browser()
        save = crafted_save(self.folder).read_bytes()
        run_folder = self.folder / "run"
        run_folder.mkdir()
        scripted_run(run_folder, 1, "plain", 3000)
        recording = next((run_folder / "recordings").glob("*.zrec")).read_text(encoding="utf-8")
        end = {"page": "main", "depth": 3, "battles": 2, "cleared": False, "terminated": False, "at": 0}
        older = {
            "zemra6/save/save.dat": base64.b64encode(save).decode(),
            "zemra6/save/save.dat.bak": base64.b64encode(save[:100]).decode(),
            "zemra6/recordings/2000-01-01T00-00-00.zrec": recording,
            "zemra6/recording-ends/2000-01-01T00-00-00.zrec": json.dumps(end),
            "zemra6/recordings/2000-01-02T00-00-00.zrec": recording,
        }
        stays = {"zemra6/save/レポート.txt": "no base64!", "zemra6/sound": '{"muted":false,"volume":0.5}'}
        moved = "return performance.getEntriesByName('zemra6:moved-from-local-storage').map((e) => e.detail.items)"
        browser.driver.get(url + "older.html")
        browser.js("for (const [key, value] of Object.entries(arguments[0])) localStorage.setItem(key, value)",
                   {**older, **stays})
        self.assertEqual(browser.open(url), "main")
        self.assertEqual(browser.state()["run"]["depth"], 3)
        self.assertEqual(browser.js(moved), [len(older)])
        self.assertEqual(browser.js("return Object.fromEntries(Object.entries(localStorage))"), stays)
        files = browser.stored("files")
        self.assertEqual((base64.b64decode(files["save.dat"]), base64.b64decode(files["save.dat.bak"])),
                         (save, save[:100]))
        self.assertEqual(browser.stored("recordings"), {"2000-01-01T00-00-00.zrec": recording,
                                                        "2000-01-02T00-00-00.zrec": recording})
        self.assertEqual(browser.stored("ends"), {"2000-01-01T00-00-00.zrec": end})
        browser.keys("1")  # 徘徊
        until(lambda: browser.state()["top"] == "enemy", what="an enemy")
        browser.driver.get(url + "recordings.html")
        rows = until(lambda: browser.driver.find_elements(By.CSS_SELECTOR, "#recordings tbody tr"), what="the list")
        endings = {row.get_attribute("data-recording"): row.find_elements(By.TAG_NAME, "td")[3].text for row in rows}
        self.assertEqual(endings["2000-01-01T00-00-00.zrec"], "途中で中断（深度3、戦闘2回）")
        self.assertEqual(endings["2000-01-02T00-00-00.zrec"], "不明")
        # "見る" (?watch=NAME) plays it from the store.
        browser.driver.find_element(By.CSS_SELECTOR, '[data-recording="2000-01-02T00-00-00.zrec"] a').click()
        until(lambda: browser.js("return window.zemra6?.watcher?.opened ?? false"), what="the recording watched")
        self.assertEqual(browser.open(url), "main")
        self.assertEqual(browser.js(moved), [])

    # Far past the 5 MB local storage held for the whole site: a sitting's recording of
    # 6 MB is kept whole across a reload and listed.
    def test_a_recording_past_five_megabytes_is_kept(self):
        url = self.serve()
        browser = self.browser()
        browser.open(url)
        self.to_the_field(browser)
        name = "2001-01-01T00-00-00.zrec"
        inputs = 6 * 2**20 // len('{"input":"step 1"}\n') + 1
        text = browser.js("""
            const [name, inputs] = arguments;
            const header = {format: "zemra6-recording", version: 2, program: "zemra6-web", seed: "1", newRun: true, story: null, save: null};
            const text = JSON.stringify(header) + '\\n' + '{"input":"step 1"}\\n'.repeat(inputs) + '{"elapsed":4000}\\n';
            window.zemra6.module.FS.writeFile('/save/recordings/' + name, text);
            return window.zemra6.keepRecording().then((kept) => kept && text);""", name, inputs)
        self.assertGreater(len(text), 6 * 2**20)
        self.assertEqual(browser.open(url), "main")
        self.assertEqual(browser.stored("recordings")[name], text)
        browser.driver.get(url + "recordings.html")
        rows = until(lambda: browser.driver.find_elements(By.CSS_SELECTOR, "#recordings tbody tr"), what="the list")
        cells = [td.text for td in rows[-1].find_elements(By.TAG_NAME, "td")[:3]]
        self.assertEqual(cells, ["2001-01-01 00:00:00", str(inputs), "66分40秒"])

    def test_sword_row_by_keys_and_by_touch(self):
        url = self.serve()
        browser = self.browser()
        browser.open(url)
        browser.driver.find_element(By.ID, "import-file").send_keys(str(crafted_save(self.folder)))
        browser.answer_box("はい")
        until(lambda: browser.state()["page"] == "main", what="the field")
        # 剣, then 始動: the second command from the right on the field, and in the sword menu.
        browser.keys("2")
        until(lambda: browser.state()["swords"]["labels"][0].startswith("ダブルクロス"), what="the sword menu")
        browser.keys("2")
        until(lambda: browser.state()["swords"]["clickable"], what="a sword to start")
        focused = "return document.activeElement.dataset.sword ?? null"
        # (keys, the label focused after them); the crafted run holds three swords, 0..2.
        # Arrows wrap within a column; Tab walks the row once and then leaves it for the page.
        steps = [((Keys.ARROW_DOWN,), "0"), ((Keys.ARROW_DOWN,), "1"), ((Keys.ARROW_UP, Keys.ARROW_UP), "2"),
                 ((Keys.SHIFT, Keys.TAB), "1"), ((Keys.ARROW_RIGHT,), "1"), ((Keys.TAB,), "2"), ((Keys.ESCAPE,), None),
                 ((Keys.ARROW_DOWN,), "0"), ((Keys.TAB, Keys.TAB), "2"), ((Keys.TAB,), None)]
        for keys, label in steps:
            if keys[0] == Keys.SHIFT:
                ActionChains(browser.driver).key_down(Keys.SHIFT).send_keys(Keys.TAB).key_up(Keys.SHIFT).perform()
            else:
                browser.keys(*keys)
            self.assertEqual(browser.js(focused), label, keys)
            # The sword focused is shown; Escape, or Tab out of the row, brings the commands back
            # and leaves no sword looking focused.
            self.assertEqual(browser.state()["info"] is not None, label is not None, keys)
            if label is None:
                self.assertEqual(browser.js(FOCUS_ON_A_SWORD), [], keys)
        # A tap on a touch screen shows the sword; a second tap on it chooses it.
        before = browser.state()["lines"]
        label = browser.driver.find_element(By.CSS_SELECTOR, '.sword[data-sword="1"]')
        for tap in (1, 2):
            touch = ActionBuilder(browser.driver, mouse=PointerInput(interaction.POINTER_TOUCH, "finger"))
            touch.pointer_action.move_to(label).pointer_down().pointer_up()
            touch.perform()
            if tap == 1:
                until(lambda: browser.state()["info"] is not None, what="the tapped sword's information")
                self.assertIn("刀", browser.state()["info"])
                self.assertEqual(browser.state()["lines"], before)
        until(lambda: browser.state()["lines"] != before, what="the tapped sword to start")

    def test_offline_and_after_an_update(self):
        url = self.serve()
        port = self.site.server.server_address[1]
        browser = self.browser()
        browser.open(url)
        until(lambda: browser.js("return navigator.serviceWorker.ready.then((r) => r.active.state)") == "activated",
              what="the worker to keep the site")
        browser.driver.find_element(By.ID, "import-file").send_keys(str(crafted_save(self.folder)))
        browser.answer_box("はい")
        until(lambda: browser.state()["page"] == "main", what="the field")

        # No server at all: the page comes from the worker's cache and plays.
        self.site.close()
        self.site = None
        self.assertEqual(browser.open(url), "main")
        browser.keys("1")  # 徘徊
        until(lambda: browser.state()["top"] == "enemy", what="an enemy")

        # A new version served: the next visit runs it whole, and the save is still there.
        worker = pathlib.Path(SITE, "sw.js").read_text(encoding="utf-8")
        newer = re.sub(r'const VERSION = "[^"]*";', 'const VERSION = "0000000000000000";', worker)
        self.serve({"/sw.js": newer.encode()}, port)
        browser.open(url)  # this visit finds the new version; it waits for the next
        until(lambda: browser.js("return navigator.serviceWorker.getRegistration().then((r) => r.waiting !== null)"),
              what="the new version installed")
        # The next visit, started by the page itself: the old worker answers it with a page that
        # hands over and loads again, which a driver waiting on the first load could wait on forever.
        browser.js("location.reload()")

        def new_version_alone():
            try:
                return browser.settled() == "main" and browser.js("return caches.keys()") == ["zemra6-0000000000000000"]
            except WebDriverException:
                return False
        until(new_version_alone, 60, "the new version alone")
        self.assertEqual(browser.state()["run"]["depth"], 3)

    def test_every_screen_passes_axe_and_names_what_it_shows(self):
        browser = self.browser()
        url = self.serve()
        browser.open(url)
        found = {}

        def check(screen):
            if not browser.js("return typeof axe !== 'undefined'"):
                browser.js(AXE.read_text(encoding="utf-8"))
            found[screen] = browser.js(AXE_RUN)

        def press(key, condition, what):
            browser.keys(key)
            until(lambda: condition(browser.state()), what=what)

        check("title")
        browser.driver.find_element(By.ID, "title-button").click()
        check("name")
        browser.driver.find_element(By.ID, "import-file").send_keys(str(crafted_save(self.folder)))
        browser.answer_box("はい")
        until(lambda: browser.state()["page"] == "main", what="the field")
        check("field")
        # The field as a screen reader hears it: Chromium's own accessibility tree.
        tree = browser.driver.execute_cdp_cmd("Accessibility.getFullAXTree", {})["nodes"]
        names = {node.get("name", {}).get("value") for node in tree if not node.get("ignored")}
        for name in ("コンソール", "深さ3の野", "あなた、命 2／2、命中率 17％、手札 1 2 3 4 5", "徘徊", "剣", "命 2／2"):
            self.assertIn(name, names)
        press("2", lambda s: s["top"] == "sword", "the sword menu")
        press("2", lambda s: s["swords"]["clickable"], "a sword to start")
        press(Keys.ARROW_DOWN, lambda s: s["info"] is not None, "a sword's information")
        self.assertTrue(browser.js("return document.getElementById('sword-info-0').textContent").startswith(
            browser.state()["info"].split("\r\n")[0]))
        check("sword menu")
        browser.open(url)  # the field again, from the save
        press("1", lambda s: s["top"] == "enemy", "an enemy")
        check("battle")
        browser.open(url)
        browser.js("window.zemra6.apply({kind: 'chapter', index: 1})")
        until(lambda: browser.state()["top"] == "image" and browser.state()["image"].startswith("memory"),
              what="a chapter's picture")
        check("chapter")
        self.assertEqual(found, {screen: [] for screen in found})

    def test_english_from_the_browser_and_japanese_again_from_the_switch(self):
        url = self.serve()
        catalogue = json.loads(pathlib.Path(SITE, "dat", "catalogue_en.json").read_text(encoding="utf-8"))
        # The page's JSON holds the page's own texts; the core's come with the core, from the same .po.
        core = core_english()
        browser = self.browser(languages="en-US,en")

        def page_in_english(page):
            originals, shown = browser.js(MARKED_TEXTS)
            self.assertEqual([text for text in originals if text not in catalogue], [], "texts with no English")
            self.assertEqual(shown, [catalogue[text] for text in originals], page)
            self.assertEqual(browser.js("return document.documentElement.lang"), "en")
            self.assertEqual(JAPANESE.findall(browser.js(STAGE_TEXT)), [], page)

        self.assertEqual(browser.open(url), "title")
        self.assertEqual(browser.js("return document.getElementById('stage').lang"), "en")
        page_in_english("title")
        browser.driver.find_element(By.ID, "title-button").click()
        self.assertEqual(browser.state()["page"], "name")
        page_in_english("name")
        browser.driver.find_element(By.ID, "import-file").send_keys(str(crafted_save(self.folder)))
        self.assertEqual(until(browser.box_text),
                         catalogue["このセーブで旅を続けますか？\n今の旅のsave.datはsave.dat.bakとして残ります。"])
        browser.answer_box(catalogue["はい"])
        until(lambda: browser.state()["page"] == "main", what="the field")
        page_in_english("field")
        caption = "return document.querySelector('#panel-self .caption').textContent"
        self.assertEqual(browser.js(caption), catalogue["命中率"])
        self.assertIn(core["徘徊"], browser.state()["commands"])

        # Back to Japanese: the page's own texts at once, the game's at its next start.
        Select(browser.driver.find_element(By.CSS_SELECTOR, '[data-tool="language"]')).select_by_value("ja")
        self.assertEqual(until(browser.box_text), "言語は次にゲームを起動したときに切り替わります。")
        browser.answer_box("OK")
        originals, shown = browser.js(MARKED_TEXTS)
        self.assertEqual(shown, originals)
        self.assertEqual(browser.js(caption), "命中率")
        self.assertEqual(browser.js("return document.documentElement.lang"), "ja")
        self.assertEqual(browser.open(url), "main")
        self.assertEqual(browser.js("return document.getElementById('stage').lang"), "ja")
        self.assertIn("徘徊", browser.state()["commands"])

    def test_the_game_fits_a_phone_screen(self):
        browser = self.browser()
        browser.driver.set_window_size(360, 740)
        browser.open(self.serve())
        browser.driver.find_element(By.ID, "import-file").send_keys(str(crafted_save(self.folder)))
        browser.answer_box("はい")
        until(lambda: browser.state()["page"] == "main", what="the field")
        inside = browser.js("""
            const fits = (e) => { const r = e.getBoundingClientRect();
              return r.left >= 0 && r.top >= 0 && r.right <= innerWidth + 0.5 && r.bottom <= innerHeight + 0.5; };
            return [...document.querySelectorAll('#stage, .command:not([hidden]), #tools button')].map(fits);""")
        self.assertTrue(all(inside), inside)

    def test_every_screen_fits_the_hand_on_a_phone_and_stays_the_window_on_a_desktop(self):
        url = self.serve()
        run_folder = self.folder / "run"
        run_folder.mkdir()
        lines = scripted_run(run_folder, 7, "lucky", 3000)
        header, lines = lines[0], lines[1:]
        for device, width, height, touch in DEVICES:
            with self.subTest(device=device):
                browser = self.browser(profile=device)
                browser.emulate(width, height, touch)
                browser.open(url)
                until(lambda: browser.js("return window.zemra6.picturesIn.then(() => true)"), what="the pictures")
                seen, at = [], 0
                while (stop := browser.js(REPLAY_UNTIL, header["seed"], lines, at, seen, SPOIL)) is not None:
                    at = stop["at"]
                    seen.append(stop["kind"])
                    figures = browser.js(MEASURE, width)
                    self.assertFalse(figures["sideways"], stop)
                    self.assertEqual(figures["phone"], touch, stop)
                    if touch:
                        self.assertEqual((figures["small"], figures["tiny"], figures["outside"]), ([], [], []), stop)
                    browser.close_boxes()
                for screen in ("title", "name", "main/image", "main/enemy", "main/sword", "main/spoil"):
                    self.assertIn(screen, seen)
                if not touch:
                    # The desktop's window, scaled whole as ever.
                    self.assertTrue(browser.js("return document.getElementById('stage').style.transform.startsWith('scale')"))
                    self.assertEqual(browser.js("return document.getElementById('stage').offsetWidth"), 500)

    def test_a_swords_information_is_closed_by_touch(self):
        url = self.serve()
        info_shown = "return window.zemra6.state.info !== null"
        commands_shown = "return [...document.querySelectorAll('.command')].some((c) => c.checkVisibility())"
        rows = {"full": ["刀"] * 7 + ["ダブルクロス"], "with a free slot": ["ダブルクロス", "刀", "刀"]}
        for row, swords in rows.items():
            browser = self.browser(profile=row)
            browser.emulate(360, 740, True)
            browser.open(url)
            save_folder = self.folder / row
            subprocess.run([CRAFT_SAVE, str(save_folder), "3", *swords], check=True)
            browser.driver.find_element(By.ID, "import-file").send_keys(str(save_folder / "save.dat"))
            browser.answer_box("はい")
            # 剣, then 始動: the row takes taps.
            for caption in ("剣", "始動"):
                until(lambda: caption in browser.state()["commands"], what=caption)
                index = browser.state()["buttons"].index(caption)
                browser.tap(browser.driver.find_element(By.CSS_SELECTOR, f'.command[data-command="{index}"]'))
            until(lambda: browser.state()["swords"]["clickable"], what="a sword to start")
            self.assertEqual(sum(label != "" for label in browser.state()["swords"]["labels"]), len(swords))
            # Each way back, then a sword chosen by two taps, as before.
            for way in ("the information", "the close control", "the player's panel"):
                with self.subTest(row=row, way=way):
                    browser.tap(browser.driver.find_element(By.CSS_SELECTOR, '.sword[data-sword="0"]'))
                    until(lambda: browser.js(info_shown), what="the sword's information")
                    self.assertFalse(browser.js(commands_shown))
                    element = {"the information": "info-text", "the close control": "info-close",
                               "the player's panel": "panel-self"}[way]
                    browser.tap(browser.driver.find_element(By.ID, element))
                    until(lambda: not browser.js(info_shown), what="the commands again")
                    self.assertTrue(browser.js(commands_shown))
            before = browser.js("return window.zemra6.module.digest()")
            label = browser.driver.find_element(By.CSS_SELECTOR, '.sword[data-sword="0"]')
            browser.tap(label)
            until(lambda: browser.js(info_shown), what="the sword's information")
            browser.tap(label)
            until(lambda: browser.js("return window.zemra6.state.info === null") or browser.box_text() is not None,
                  what="the sword chosen")
            self.assertNotEqual(browser.js("return window.zemra6.module.digest()"), before)

    def test_the_phones_toolbar_is_one_menu(self):
        browser = self.browser()
        browser.emulate(360, 740, True)
        browser.open(self.serve())
        tools = "return [...document.querySelectorAll('#tools [data-tool], #tools a')].filter((e) => e.checkVisibility()).length"
        self.assertEqual(browser.js(tools), 0)
        menu = browser.driver.find_element(By.ID, "tools-menu")
        browser.tap(menu)
        until(lambda: browser.js(tools) > 0, what="the open menu")
        figures = browser.js(MEASURE, 360)
        self.assertEqual((figures["small"], figures["tiny"], figures["outside"], figures["sideways"]), ([], [], [], False))
        browser.tap(browser.driver.find_element(By.CSS_SELECTOR, '[data-tool="keys"]'))
        self.assertIn("Esc", until(browser.box_text, what="the key list"))
        self.assertEqual(browser.js(tools), 0)
        browser.close_boxes()
        # A tap outside the open menu closes it.
        browser.tap(menu)
        until(lambda: browser.js(tools) > 0, what="the open menu")
        browser.tap(browser.driver.find_element(By.ID, "title-button"))
        until(lambda: browser.js(tools) == 0, what="the menu to close")

    def test_the_recordings_page_on_a_phone(self):
        url = self.serve()
        browser = self.browser()
        browser.emulate(360, 740, True)
        browser.open(url)
        browser.tap(browser.driver.find_element(By.ID, "title-button"))
        until(lambda: browser.state()["page"] == "name", what="the name page")
        browser.js("window.zemra6.keepRecording()")
        browser.driver.get(url + "recordings.html")
        until(lambda: browser.js("return document.querySelectorAll('#recordings tbody button').length > 0"),
              what="the list")
        figures = browser.js(MEASURE, 360)
        self.assertEqual((figures["small"], figures["tiny"], figures["sideways"]), ([], [], False))
        button = browser.driver.find_element(By.CSS_SELECTOR, "#recordings tbody button")
        self.assertEqual(browser.js(SHOWN_LINES, button), ["ダウンロード"])

    def test_a_second_tab_plays_nothing_until_the_first_closes(self):
        url = self.serve()
        browser = self.browser()
        browser.open(url)
        self.to_the_field(browser)
        first = browser.driver.current_window_handle
        browser.driver.switch_to.new_window("tab")
        second = browser.driver.current_window_handle
        self.assertEqual(browser.open(url), "notice")
        self.assertIn(TEXTS["elsewhere"], browser.notice())
        self.assertIsNone(browser.js("return window.zemra6 ?? null"))
        # Japanese breaks its lines between phrases: no word is cut at a line's end.
        lines = browser.js(SHOWN_LINES, browser.driver.find_element(By.ID, "notice"))
        self.assertEqual("".join(lines), browser.js("return document.getElementById('notice').textContent")
                         .replace("\n", ""), lines)
        self.assertGreater(len(lines), 2, lines)
        words = ("ゲーム", "タブ", "開かれて", "セーブ", "守る", "遊べません", "そちら", "遊んで", "ください")
        for before, after in zip(lines, lines[1:]):
            for word in words:
                cut = [k for k in range(1, len(word)) if before.endswith(word[:k]) and after.startswith(word[k:])]
                self.assertEqual(cut, [], f"{word} is cut between {before!r} and {after!r}")
        # The first tab closes: the second plays on from its save, with no reload.
        browser.driver.switch_to.window(first)
        browser.driver.close()
        browser.driver.switch_to.window(second)
        until(lambda: browser.js("return window.zemra6?.state?.page ?? null") == "main", what="the second tab to take over")
        self.assertEqual(browser.state()["run"]["depth"], 3)
        self.assertFalse(browser.driver.find_element(By.ID, "notice").is_displayed())
        self.assertEqual(browser.js("return performance.getEntriesByType('navigation').length"), 1)
        browser.keys("1")  # 徘徊
        until(lambda: browser.state()["top"] == "enemy", what="an enemy")

    # A key belongs to the control with the focus: the page's own buttons and
    # links do what they do, and the game on the field does nothing.
    def test_keys_on_the_pages_own_controls_are_theirs(self):
        url = self.serve()
        browser = self.browser()
        browser.open(url)
        self.to_the_field(browser)
        # The picker's own window is held back: only that it was asked for counts.
        browser.js("document.getElementById('import-file').addEventListener('click', (event) => {"
                   "window.picked = (window.picked ?? 0) + 1; event.preventDefault(); })")
        cases = [
            ("新しい旅を始める", '[data-tool="new-run"]', Keys.ENTER, "box"),
            ("新しい旅を始める", '[data-tool="new-run"]', Keys.SPACE, "box"),
            ("セーブを読み込む", '[data-tool="import"]', Keys.ENTER, "picker"),
            ("記録", '#tools a[href="recordings.html"]', Keys.ENTER, "tab"),
        ]
        game = browser.driver.current_window_handle
        for name, selector, key, effect in cases:
            with self.subTest(control=name, key=key):
                before = browser.js("return window.zemra6.module.digest()")
                tabs = len(browser.driver.window_handles)
                browser.js("window.picked = 0; document.querySelector(arguments[0]).focus()", selector)
                browser.keys(key)
                if effect == "box":
                    self.assertEqual(until(browser.box_text), TEXTS["new_run"])
                    browser.answer_box("いいえ")
                    # The box gives the focus back to the button that opened it.
                    self.assertTrue(browser.js("return document.activeElement.matches(arguments[0])", selector))
                elif effect == "picker":
                    until(lambda: browser.js("return window.picked") == 1, what="the file picker")
                else:
                    until(lambda: len(browser.driver.window_handles) == tabs + 1, what="the list's tab")
                    browser.driver.switch_to.window(browser.driver.window_handles[-1])
                    browser.driver.close()
                    browser.driver.switch_to.window(game)
                self.assertEqual(browser.js("return window.zemra6.module.digest()"), before)
                self.assertEqual(browser.state()["top"], "image")

    # The box says the name is missing; closed, by mouse or by key, the typing goes into the field again.
    def test_a_box_gives_the_focus_back(self):
        browser = self.browser()
        browser.open(self.serve())
        browser.driver.find_element(By.ID, "title-button").click()
        edit = browser.driver.find_element(By.ID, "name-edit")
        for carve, close in (("mouse", "mouse"), ("Enter", "Enter"), ("Enter", "mouse")):
            with self.subTest(carve=carve, close=close):
                browser.js("arguments[0].value = ''; arguments[0].focus()", edit)
                if carve == "mouse":
                    browser.driver.find_element(By.ID, "name-button").click()
                else:
                    browser.keys(Keys.ENTER)
                self.assertEqual(until(browser.box_text), TEXTS["no_name"])
                if close == "mouse":
                    browser.answer_box("OK")
                else:
                    browser.keys(Keys.ENTER)
                until(lambda: browser.box_text() is None, what="the box to close")
                browser.keys("ab")
                self.assertEqual(edit.get_attribute("value"), "ab")
        self.assertEqual(browser.state()["page"], "name")

    # The offered swords take no click, but a keyboard player reads them as the mouse does.
    def test_the_keys_read_the_offered_swords(self):
        browser = self.browser()
        browser.open(self.serve())
        browser.driver.find_element(By.ID, "title-button").click()
        browser.driver.find_element(By.ID, "name-edit").send_keys("剣聖")
        browser.driver.find_element(By.ID, "name-button").click()
        browser.answer_box("はい")
        browser.answer_box("OK")
        until(lambda: browser.state()["lines"][:1] == [TEXTS["offer"]], what="the status offer")
        focused = "return document.activeElement.dataset.sword ?? null"
        # About one roll in sixteen offers no sword at all: "いいえ" rolls again until one does.
        for _ in range(50):
            swords = sum(label != "" for label in browser.state()["swords"]["labels"])
            if swords:
                break
            offer = browser.state()
            browser.keys("2")  # いいえ, the second command from the right
            until(lambda: browser.state() != offer, what="the next roll")
        self.assertGreater(swords, 0, "fifty rolls without a sword")
        for key, label in ((Keys.TAB, "0"), (Keys.ARROW_DOWN, str(1 % swords)), (Keys.ARROW_UP, "0")):
            browser.keys(key)
            self.assertEqual(browser.js(focused), label, key)
            self.assertIsNotNone(browser.state()["info"], key)
        # Enter brings the commands back and chooses nothing; the next Enter answers はい.
        browser.keys(Keys.ENTER)
        self.assertIsNone(browser.state()["info"])
        self.assertEqual(browser.js(FOCUS_ON_A_SWORD), [])
        self.assertEqual(browser.state()["lines"][:1], [TEXTS["offer"]])
        browser.keys(Keys.ENTER)
        until(lambda: browser.state()["lines"][:1] != [TEXTS["offer"]], what="the offer accepted")

    # Reloads with no input keep nothing; a sitting with one is kept, and the
    # list shows the newest first with each sitting's wall-clock length.
    def test_only_sittings_with_an_input_are_kept_and_listed_by_their_start(self):
        url = self.serve()
        browser = self.browser()
        browser.open(url)
        self.to_the_field(browser)
        reloads = 3
        for _ in range(reloads):
            self.assertEqual(browser.open(url), "main")
            self.assertTrue(browser.js("return window.zemra6.keepRecording()"))
        self.assertEqual(browser.stored("recordings"), {}, f"after {reloads} reloads with no input")
        self.assertEqual(browser.js("return window.zemra6.module.recordingName()"), "")
        browser.keys("1")  # 徘徊
        until(lambda: browser.state()["top"] == "enemy", what="an enemy")
        self.assertTrue(browser.js("return window.zemra6.keepRecording()"))
        name = browser.js("return window.zemra6.module.recordingName()")
        recordings = browser.stored("recordings")
        self.assertEqual(list(recordings), [name])
        self.assertIn('{"elapsed":', recordings[name])
        # Two sittings of one second, the second "-2" (which text order puts first); an older
        # recording without the wall clock. Written as an older page kept them, in local
        # storage: the list moves them into the store and shows them.
        header = recordings[name].split("\n")[0]
        others = {"2000-01-01T00-00-00.zrec": '{"elapsed":75}\n{"input":"title"}\n',
                  "2000-01-01T00-00-00-2.zrec": '{"elapsed":3}\n{"input":"title"}\n{"elapsed":4}\n',
                  "1999-12-31T23-59-59.zrec": '{"input":"title"}\n{"input":"step 600000"}\n'}
        browser.driver.get(url + "recordings.html")  # the game's page gone, which keeps only the core's files
        for other, lines in others.items():
            browser.js("localStorage.setItem(arguments[0], arguments[1])", f"zemra6/recordings/{other}",
                       header + "\n" + lines)
        browser.driver.refresh()
        rows = until(lambda: browser.driver.find_elements(By.CSS_SELECTOR, "#recordings tbody tr"), what="the list")
        shown = [(row.get_attribute("data-recording"), row.find_elements(By.TAG_NAME, "td")[2].text) for row in rows]
        self.assertEqual([recording for recording, _ in shown],
                         [name, "2000-01-01T00-00-00-2.zrec", "2000-01-01T00-00-00.zrec", "1999-12-31T23-59-59.zrec"])
        self.assertRegex(shown[0][1], r"^0分0\d秒$")
        self.assertEqual([time for _, time in shown[1:]], ["0分04秒", "1分15秒", "不明"])

    def test_bad_input_is_told_and_the_game_goes_on(self):
        cases = [
            ("missing picture", {"/dat/center.bmp": None}, {}, "box", TEXTS["missing_picture"]),
            ("damaged core", {"/zemra6-web.wasm": b"\0asm garbage"}, {}, "notice", TEXTS["no_core"]),
            ("no WebAssembly", {}, {"before": "delete globalThis.WebAssembly;"}, "notice", TEXTS["no_wasm"]),
            ("storage refused", {}, {"prefs": {"profile.default_content_setting_values.cookies": 2}}, "box",
             TEXTS["no_storage"]),
        ]
        self.allowed_errors = ("Failed to load resource", "zemra6-web.wasm")
        for what, broken, options, where, text in cases:
            with self.subTest(case=what):
                self.serve(broken)
                browser = self.browser(profile=what.replace(" ", "-"), **options)
                shown = browser.open(self.site.url)
                if where == "notice":
                    self.assertEqual(shown, "notice")
                    self.assertIn(text, browser.notice())
                else:
                    self.assertIn(text, until(browser.box_text))
                    browser.close_boxes()
                    browser.driver.find_element(By.ID, "title-button").click()
                    self.assertEqual(browser.state()["page"], "name")
                self.site.close()
                self.site = None
        # Storage that fills up: the player is told once, and the game still has the save.
        browser = self.browser(profile="full")
        browser.open(self.serve())
        browser.js("IDBObjectStore.prototype.put = () => { throw new DOMException('full', 'QuotaExceededError'); }")
        browser.driver.find_element(By.ID, "import-file").send_keys(str(crafted_save(self.folder)))
        browser.answer_box("はい")
        self.assertIn(TEXTS["storage_full"], until(browser.box_text))
        browser.close_boxes()
        self.assertEqual(browser.state()["run"]["depth"], 3)


if __name__ == "__main__":
    SITE, SCRIPTED_RUN, CRAFT_SAVE = (str(pathlib.Path(arg).resolve()) for arg in sys.argv[1:4])
    if not pathlib.Path(SITE, "index.html").exists():
        print(f"FAIL: {SITE} holds no site: bash tools/build.sh builds it")
        sys.exit(1)
    unittest.main(argv=[sys.argv[0], "-v", *sys.argv[4:]])
