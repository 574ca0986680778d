#!/usr/bin/env bash
# A bounded fuzzing run: the fuzzer works in a fresh folder (with the game's
# content beside it) on a copy of the committed seeds, so neither the sources
# nor the build folder change. Prints the fuzzer's closing figures.
# Usage: run_fuzzer.sh FUZZER SEED_FOLDER DAT_FOLDER SECONDS
set -euo pipefail
fuzzer=${1:?usage: run_fuzzer.sh FUZZER SEED_FOLDER DAT_FOLDER SECONDS}
seeds=${2:?}
dat=${3:?}
seconds=${4:?}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/corpus"
cp "$seeds"/* "$work/corpus/"
ln -s "$dat" "$work/dat"
cd "$work"
rc=0
"$fuzzer" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 corpus >fuzz.log 2>&1 || rc=$?
if [ "$rc" = 0 ]; then
    grep -E "^(Done |stat::number_of_executed_units|stat::average_exec_per_sec|stat::new_units_added)" fuzz.log
else
    tail -60 fuzz.log
fi
exit "$rc"
