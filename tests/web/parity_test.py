#!/usr/bin/env python3
"""The core in WebAssembly plays the same game as the desktop build.

A player reads zemra6-text's screens and chooses each action from them (walks,
fights while its life holds and flees when it runs low, takes spoils, starts
swords, looks at them, waits); the actions it took are then played through
the module under node, and every screen must be the same, byte for byte:
the same draws, texts and save. Fresh runs, and runs from a crafted save with
a strong sword that lives through many battles.
Usage: parity_test.py zemra6-text zemra6-core.js craft-save-program
"""
import json
import os
import subprocess
import sys
import tempfile

BENCH_SEEDS = (1, 2, 3, 4)
BENCH_BATTLES = 2000
# (seed, from the crafted save)
STARTS = ((1, False), (7, False), (20261210, False), (3, True), (11, True), (2026, True))
ACTIONS = 1500
ASIDES = ("hover 0", "leave", "tick 300", "hover 2", "leave", "state")


def life(screen):
    text = screen["self"]["life"]
    if "／" in text:
        return int(text.split("／")[0] or 0)
    return text.count("★")


def choose(screen, count):
    page = screen["page"]
    if page == "title":
        return "title"
    if page == "name":
        return "name 剣聖"
    commands = screen["commands"]
    if count % 11 == 0:
        return ASIDES[count // 11 % len(ASIDES)]
    if screen["lines"] and screen["lines"][0] == "どの剣を奪いますか？":
        return "click 0"
    swords = screen["swords"]
    if swords["clickable"] and count % 3 == 0:
        held = [i for i, label in enumerate(swords["labels"]) if label]
        if held:
            return f"click {held[count % len(held)]}"
    alive = life(screen) >= 1
    strong = life(screen) >= 2 or count % 4 != 0
    if "いいえ" in commands and screen["lines"] and screen["lines"][0].startswith("あなたが落としたのは"):
        return "press " + ("はい" if alive else "いいえ")  # a status with no life is declined
    if "戦う" in commands:
        return "press " + ("戦う" if strong else "逃げる")
    if "ファイト" in commands:
        if count % 7 == 0:
            return "press 剣始動"
        return "press " + ("ファイト" if strong else "逃走")
    if "始動" in commands and count % 2 == 0:
        return "press 始動"
    if "徘徊" in commands:
        return "press " + ("剣" if count % 5 == 0 else "徘徊")
    for caption in ("≫", "はい", "終"):
        if caption in commands:
            return "press " + caption
    if commands:
        return "press " + commands[0]
    return ASIDES[count % len(ASIDES)]


def play_native(text, seed, folder):
    """The actions the player took and the screens zemra6-text printed in the folder."""
    game = subprocess.Popen([text, "--lang", "ja", "--seed", str(seed), "--no-record"], cwd=folder, stdin=subprocess.PIPE,
                            stdout=subprocess.PIPE, text=True, encoding="utf-8")
    screens = [game.stdout.readline()]
    actions = []
    for count in range(ACTIONS):
        screen = json.loads(screens[-1])
        if screen["terminated"]:
            break
        action = choose(screen, count)
        actions.append(action)
        game.stdin.write(action + "\n")
        game.stdin.flush()
        screens.append(game.stdout.readline())
    game.stdin.close()
    game.wait(timeout=60)
    return actions, screens


def play_web(module, seed, actions, save):
    here = os.path.dirname(os.path.abspath(__file__))
    env = dict(os.environ, NODE_PATH="/usr/share/nodejs")
    command = ["node", "--no-experimental-fetch", os.path.join(here, "core_cli.js"), module, str(seed)]
    if save:
        command += ["--save", save]
    done = subprocess.run(command,
                          input="".join(a + "\n" for a in actions), capture_output=True, text=True,
                          encoding="utf-8", env=env, timeout=300)
    if done.returncode != 0:
        print(done.stderr)
    return done.stdout.splitlines(keepends=True)


def main():
    text, module, craft = (os.path.abspath(arg) for arg in sys.argv[1:4])
    if not os.path.isfile(module):
        print(f"FAIL: {module} is missing: bash tools/build.sh builds the WebAssembly core")
        return 1
    failed = 0
    for seed, from_save in STARTS:
        with tempfile.TemporaryDirectory() as folder:
            save = None
            if from_save:
                subprocess.run([craft, folder], check=True)
                save = os.path.join(folder, "start.dat")
                with open(os.path.join(folder, "save.dat"), "rb") as f, open(save, "wb") as out:
                    out.write(f.read())
            actions, native = play_native(text, seed, folder)
            web = play_web(module, seed, actions, save)
        kinds = {(json.loads(s)["page"], tuple(json.loads(s)["commands"])) for s in native}
        battles = json.loads(native[-1])["run"]["battleCount"]
        what = f"seed {seed}{' from a save' if from_save else ''}"
        differ = next((i for i, (a, b) in enumerate(zip(native, web)) if a != b), None)
        if differ is None and len(native) == len(web):
            print(f"ok   {what}: {len(native)} screens the same ({len(kinds)} kinds, {battles} battles)")
        else:
            failed += 1
            at = differ if differ is not None else min(len(native), len(web))
            print(f"FAIL {what}: screen {at} differs, after {actions[at - 1] if at else 'the start'!r}")
            print("  native:", native[at][:400] if at < len(native) else "(none)")
            print("  web:   ", web[at][:400] if at < len(web) else "(none)")
    # Many battles' draws at once: the battle benchmark's outcome checksums.
    bench = os.path.join(os.path.dirname(text), "zemra6-battlebench")
    here = os.path.dirname(os.path.abspath(__file__))
    env = dict(os.environ, NODE_PATH="/usr/share/nodejs")
    for seed in BENCH_SEEDS:
        native = subprocess.run([bench, "--seed", str(seed), "--battles", str(BENCH_BATTLES)], capture_output=True,
                                text=True, check=False).stdout.splitlines()[0]
        web = subprocess.run(["node", "--no-experimental-fetch", os.path.join(here, "core_cli.js"), module, str(seed),
                              "--battles", str(BENCH_BATTLES)], capture_output=True, text=True, env=env,
                             check=False).stdout.strip()
        if native == web:
            print(f"ok   {web}")
        else:
            failed += 1
            print(f"FAIL battles: native {native!r}, web {web!r}")
    print(f"{len(STARTS) + len(BENCH_SEEDS) - failed} passed, {failed} failed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
