#!/usr/bin/python3
"""How many English console lines still hold a fighter's name in a form a
sentence does not take: random sittings of zemra6-text in English, each from
its own seed with random inputs (commands, swords, answers, typed names, and
now and then small random draws, which lead to bosses and the depths), and
every console line each new screen shows read against the faults below.

With --craft (the tests' zemra_craft_save), most sittings start from a run
in the field at a random depth with random swords, among them swords that
name their bearer (bosses', "Toro's", the Unknowable King's), so the names of
every depth are met.

usage: english_names.py [--sittings N] [--inputs N] [--first-seed N] [--craft ZEMRA_CRAFT_SAVE] ZEMRA6_TEXT
Prints the figure and every faulty line once; exits 1 when there is one, 2
when a sitting could not be played.
"""
import argparse
import json
import os
import random
import re
import subprocess
import sys
import tempfile
import threading

# A name where an article or a case belongs: the panel's label inside a line,
# "You" or a title without its article inside a sentence, a sentence opened
# in lower case, an owner form made twice, or a Japanese name left in.
FAULTS = [
    ("panel label", re.compile(r"\bEnemy\b")),
    ("'You' inside a sentence", re.compile(r"(?<!^)(?<![.!?] )(?<![.!?]\n)\bYou\b")),
    ("title without its article", re.compile(r"(?<!the )(?<!The )(?<!\")\bUnknowable King\b(?!\")")),
    ("owner form made twice", re.compile(r"'s's\b|\b[Yy]ou(?:r)?'s\b")),
    ("sentence opened in lower case", re.compile(r"(?:^|[.!?] )(?:the enemy|you|your|the Unknowable)\b")),
    ("name of a mind, not its owner", re.compile(r"\b(?:mind|cards|life|swords|body|arm) of (?:you|the enemy)\b")),
    ("Japanese name left in", re.compile(r"敵|あなた")),
]
DAT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "dat")
# Swords a crafted run carries: plain ones, drives of every kind, and swords that name their bearer.
SWORDS = ["剣", "刀", "ロングソード", "クロス", "薬草剣", "階段剣", "煙幕剣", "ピストル", "バイヨネット2.0", "マリリン",
          "リドローブレード", "レッドソード", "紅椿", "吸血剣", "ヒント剣", "縛鎖刀", "テレポーター", "教会剣", "決闘剣",
          "ラーダ", "テネシー", "灯籠の", "不可知の王", "草薙"]
# Names a player may type: Latin and Japanese, with and without a final s.
TYPED = ["Zanko", "sable", "Iris", "ゆき", "Mk2"]


def faults(line):
    return [name for name, pattern in FAULTS if pattern.search(line)]


def choose(rng, screen):
    """The next input of a random player who only uses what the screen offers."""
    if screen["page"] == "title":
        return "title"
    if screen["page"] == "name":
        return "name " + rng.choice(TYPED)
    choices = [f"press {caption}" for caption in screen["commands"] if caption]
    swords = screen["swords"]
    if swords["clickable"]:
        choices += [f"click {i}" for i, label in enumerate(swords["labels"]) if label]
    if not choices:
        return "tick 1000"
    action = rng.choice(choices)
    if rng.random() < 0.2:
        action = "answer no\n" + action
    # Small draws now and then lead to what plain luck seldom shows: bosses, stairs, the depths.
    if rng.random() < 0.3:
        action = "rolls " + " ".join(str(rng.randrange(10)) for _ in range(8)) + "\n" + action
    return action


def craft(tool, folder, rng):
    swords = rng.sample(SWORDS, rng.randint(1, 7))
    swords.insert(rng.randrange(len(swords) + 1), "クロス")  # a life, so the run is alive at its start
    subprocess.run([tool, folder, str(rng.randrange(10)), *swords], check=True)


def play(binary, seed, inputs, found, fighters, tool=None):
    """One sitting; counts each (fault, line) in found, adds the fighters met
    to fighters and returns the lines read."""
    rng = random.Random(seed)
    read = 0
    left = inputs
    with tempfile.TemporaryDirectory() as folder:
        os.symlink(DAT, os.path.join(folder, "dat"))
        if tool is not None and rng.random() < 0.7:
            craft(tool, folder, rng)
        # A game that ends starts again in the same folder, from its save if it made one.
        for start in range(inputs):
            if left <= 0:
                break
            process = subprocess.Popen([binary, "--seed", str(seed * 1000 + start), "--lang", "en", "--no-record"],
                                       cwd=folder, stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                                       stderr=subprocess.DEVNULL, text=True, encoding="utf-8")
            # A program that stops answering is ended, and the sitting reported as not played.
            watchdog = threading.Timer(120, process.kill)
            watchdog.start()
            shown = []

            def read_screen():
                nonlocal read, shown
                screen = json.loads(process.stdout.readline())
                fighters.update(name for name in (screen["self"]["name"], screen["enemy"]["name"]) if name)
                if screen["lines"] != shown:
                    shown = screen["lines"]
                    for line in shown:
                        read += 1
                        for fault in faults(line):
                            found.setdefault((fault, line), [seed, 0])[1] += 1
                return screen

            try:
                screen = read_screen()
                while left > 0 and not screen.get("terminated"):
                    left -= 1
                    action = choose(rng, screen)
                    process.stdin.write(action + "\n")
                    process.stdin.flush()
                    for _ in action.split("\n"):
                        screen = read_screen()
            finally:
                watchdog.cancel()
                process.stdin.close()
                process.wait()
    return read


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--sittings", type=int, default=300)
    parser.add_argument("--inputs", type=int, default=400)
    parser.add_argument("--first-seed", type=int, default=1)
    parser.add_argument("--craft")
    parser.add_argument("binary")
    args = parser.parse_args()
    args.binary = os.path.abspath(args.binary)
    found = {}
    fighters = set()
    lines = 0
    for seed in range(args.first_seed, args.first_seed + args.sittings):
        try:
            lines += play(args.binary, seed, args.inputs, found, fighters, args.craft and os.path.abspath(args.craft))
        except (OSError, ValueError, KeyError, subprocess.CalledProcessError) as error:
            print(f"sitting {seed} could not be played: {error}", file=sys.stderr)
            return 2
    for (fault, line), (seed, times) in sorted(found.items()):
        print(f"seed {seed}, {times} times: {fault}: {line}")
    print("fighters met:", ", ".join(sorted(fighters)))
    print(f"{args.sittings} English sittings, {lines} console lines read: "
          f"{sum(times for _, times in found.values())} lines ({len(found)} distinct) "
          "with a fighter's name in a form no sentence takes")
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main())
