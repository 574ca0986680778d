#!/usr/bin/python3
"""The core's speed, side by side in one run: battles a second of the native
benchmark, of an older commit's benchmark and of the WebAssembly core under
node; inputs a second of a whole run's recording replayed, native
(zemra6-text --replay, proving only and printing every screen) and in the
module (watched as the page watches it); and, repeatable on a busy machine,
the instructions per battle and per replayed input counted by callgrind, with
the five functions that execute most of them.

Every rate is per second of CPU time of the programs' own, and each is a
difference of two runs, the measured one less the same program doing none of
the work, so start-up (node compiling the module, the story loaded) is left
out.

usage: core_figures.py [--rounds N] [--battles N] [--old-commit C | --old-bench PATH]
                       [--recording FILE] [--no-callgrind] BUILD BUILD_WEB
BUILD holds zemra6-battlebench, zemra6-text and zemra_scripted_run, BUILD_WEB
zemra6-core.js. The older commit's benchmark is built once into
BUILD/old-COMMIT/ from `git archive`; the recording, unless given, is the
lucky whole run of seed 7 that the recording tests play.
"""
import argparse
import os
import pathlib
import resource
import statistics
import subprocess
import sys
import tempfile

ROOT = pathlib.Path(__file__).resolve().parents[2]
CORE_CLI = ROOT / "tests" / "web" / "core_cli.js"
NODE_ENV = dict(os.environ, NODE_PATH="/usr/share/nodejs")


def cpu_seconds(command, cwd):
    """CPU time, user and system, of one run of the command and its children."""
    before = resource.getrusage(resource.RUSAGE_CHILDREN)
    subprocess.run(command, check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, cwd=cwd, env=NODE_ENV)
    after = resource.getrusage(resource.RUSAGE_CHILDREN)
    return (after.ru_utime - before.ru_utime) + (after.ru_stime - before.ru_stime)


def rate(work, command_for, units, rounds, cwd):
    """Median units a second of CPU time: the run with the work less the run without it."""
    rates = []
    for _ in range(rounds):
        spent = cpu_seconds(command_for(work), cwd) - cpu_seconds(command_for(0), cwd)
        rates.append(units(work) / spent if spent > 0 else float("inf"))
    return statistics.median(rates), min(rates), max(rates)


def shown(figure):
    median, low, high = figure
    return f"{median:,.0f} ({low:,.0f}..{high:,.0f})"


def old_bench(commit, build):
    folder = build / f"old-{commit}"
    bench = folder / "build" / "zemra6-battlebench"
    if bench.exists():
        return bench
    source = folder / "src"
    source.mkdir(parents=True, exist_ok=True)
    archive = subprocess.run(["git", "-C", str(ROOT), "archive", commit], check=True, capture_output=True).stdout
    subprocess.run(["tar", "-x", "-C", str(source)], input=archive, check=True)
    subprocess.run(["cmake", "-S", str(source), "-B", str(folder / "build"), "-DCMAKE_BUILD_TYPE=RelWithDebInfo"],
                   check=True, stdout=subprocess.DEVNULL)
    subprocess.run(["cmake", "--build", str(folder / "build"), "--target", "zemra6-battlebench", "-j2"], check=True,
                   stdout=subprocess.DEVNULL)
    subprocess.run(["cp", "-r", str(ROOT / "dat"), str(folder / "build")], check=True)
    return bench


def whole_run_recording(build, folder):
    run = folder / "run"
    run.mkdir()
    subprocess.run([str(build / "zemra_scripted_run"), str(run), "7", "lucky", "3000"], check=True,
                   stdout=subprocess.DEVNULL)
    return next((run / "recordings").glob("*.zrec"))


def input_count(recording):
    return sum(1 for line in recording.read_text(encoding="utf-8").splitlines() if line.startswith('{"input"'))


def callgrind_run(command, folder, name, cwd):
    out = folder / f"callgrind.{name}"
    subprocess.run(["valgrind", "--tool=callgrind", f"--callgrind-out-file={out}", *command], check=True,
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, cwd=cwd)
    for line in out.read_text(errors="replace").splitlines():
        if line.startswith(("summary:", "totals:")):
            return int(line.split()[1]), out
    raise RuntimeError(f"no totals in {out}")


def top_five(profile):
    text = subprocess.run(["callgrind_annotate", str(profile)], check=True, capture_output=True, text=True).stdout
    rows = []
    for line in text.splitlines():
        if "(" in line and "%)" in line and "PROGRAM TOTALS" not in line:
            share, _, where = line.partition(")")
            function = where.strip().split(":", 1)[-1].split(" [")[0]
            rows.append(f"{share.split('(')[1]:>7}  {function[:110]}")
        if len(rows) == 5:
            break
    return rows


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--rounds", type=int, default=5)
    parser.add_argument("--battles", type=int, default=20000)
    parser.add_argument("--old-commit", default="2aa6f6e")
    parser.add_argument("--old-bench", type=pathlib.Path)
    parser.add_argument("--recording", type=pathlib.Path)
    parser.add_argument("--replays", type=int, default=20, help="times the recording is replayed a round")
    parser.add_argument("--no-callgrind", action="store_true")
    parser.add_argument("build", type=pathlib.Path)
    parser.add_argument("build_web", type=pathlib.Path)
    args = parser.parse_args()
    build, core = args.build.resolve(), (args.build_web / "zemra6-core.js").resolve()
    bench, text = build / "zemra6-battlebench", build / "zemra6-text"
    old = args.old_bench.resolve() if args.old_bench else old_bench(args.old_commit, build)

    with tempfile.TemporaryDirectory() as scratch:
        folder = pathlib.Path(scratch)
        recording = args.recording.resolve() if args.recording else whole_run_recording(build, folder)
        inputs = input_count(recording)
        # The same recording cut after its first screen: the replay's start-up and nothing else.
        opening = folder / "opening.zrec"
        opening.write_text("".join(line + "\n" for line in recording.read_text(encoding="utf-8").splitlines()[:2]),
                           encoding="utf-8")
        work = folder / "cwd"  # an empty working folder: each program finds its content beside itself
        work.mkdir()

        def battles_of(program):
            return lambda n: [str(program), "--seed", "1", "--battles", str(n)]

        def wasm_battles(n):
            return ["node", "--no-experimental-fetch", str(CORE_CLI), str(core), "1", "--battles", str(n)]

        def replays_of(last):
            def command(n):
                # n rounds of the whole recording, as a shell loop of separate replays
                file = recording if n else opening
                times = n if n else args.replays
                tail = " --last" if last else ""
                return ["sh", "-c", f'for i in $(seq {times}); do "{text}" --replay "{file}"{tail}; done']
            return command

        def wasm_replays(n):
            return ["node", "--no-experimental-fetch", str(CORE_CLI), str(core), "-", "--replay", str(recording),
                    "--rounds", str(n)]

        battles = lambda n: n  # noqa: E731
        native = rate(args.battles, battles_of(bench), battles, args.rounds, work)
        older = rate(args.battles, battles_of(old), battles, args.rounds, work)
        wasm = rate(args.battles, wasm_battles, battles, args.rounds, work)
        print(f"battles a second of CPU time (seed 1, {args.battles} a run, median of {args.rounds} and range):")
        print(f"  native {shown(native)}; {args.old_commit} {shown(older)}; WebAssembly under node {shown(wasm)}")
        print(f"  native / {args.old_commit}: {native[0] / older[0]:.2f}; WebAssembly / native: {wasm[0] / native[0]:.2f}")

        replayed = lambda n: n * inputs  # noqa: E731
        proving = rate(args.replays, replays_of(True), replayed, args.rounds, work)
        screens = rate(args.replays, replays_of(False), replayed, args.rounds, work)
        watched = rate(args.replays, wasm_replays, replayed, args.rounds, work)
        print(f"inputs a second of CPU time, {recording.name} ({inputs} inputs) replayed {args.replays} times a round:")
        print(f"  zemra6-text --replay --last {shown(proving)}; zemra6-text --replay {shown(screens)}; "
              f"WebAssembly watched {shown(watched)}")

        if args.no_callgrind:
            return
        counted = 1000
        print("instructions (callgrind):")
        for name, program in (("native", bench), (args.old_commit, old)):
            full, profile = callgrind_run(battles_of(program)(counted), folder, f"battles-{name}", work)
            empty, _ = callgrind_run(battles_of(program)(0), folder, f"none-{name}", work)
            print(f"  per battle, {name}: {(full - empty) / counted:,.0f}")
            if name == "native":
                for row in top_five(profile):
                    print(f"    {row}")
        full, profile = callgrind_run([str(text), "--replay", str(recording), "--last"], folder, "replay", work)
        empty, _ = callgrind_run([str(text), "--replay", str(opening), "--last"], folder, "opening", work)
        print(f"  per replayed input (--last): {(full - empty) / inputs:,.0f}")
        for row in top_five(profile):
            print(f"    {row}")


if __name__ == "__main__":
    sys.exit(main())
