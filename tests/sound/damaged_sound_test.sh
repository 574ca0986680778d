#!/usr/bin/env bash
# Damaged sound files with an audio server up: each damage in place of
# dat/popon.wav (the title music damaged too), the window starts and quits,
# and the sound check playing the file ends, silent. A quit that waits on a
# sound loader forever is caught by the time limit. The window also quits
# with whole files, while the title music streams.
# Usage: damaged_sound_test.sh WINDOW_QUIT SOUNDCHECK DAT_FOLDER
set -uo pipefail

window=${1:?usage: damaged_sound_test.sh WINDOW_QUIT SOUNDCHECK DAT_FOLDER}
check=${2:?}
dat=${3:?}
source "$(dirname "${BASH_SOURCE[0]}")/null_sink_server.sh"

# Writes one kind of damage over a wave file.
damage() {  # damage KIND FILE
    python3 - "$1" "$2" "$dat/popon.wav" <<'PY'
import random, struct, sys
kind, target, good = sys.argv[1], sys.argv[2], open(sys.argv[3], "rb").read()
if kind == "whole":
    sys.exit(0)
elif kind == "empty":
    data = b""
elif kind == "cut_to_20_bytes":
    data = good[:20]
elif kind == "random_bytes":
    data = random.Random(9).randbytes(30000)
else:  # data_past_the_end: the data chunk claims far more than the file holds
    data = bytearray(good[:64])
    at = data.find(b"data")
    data[at + 4:at + 8] = struct.pack("<I", 10_000_000)
open(target, "wb").write(bytes(data))
PY
}

passed=0
failed=0
for name in whole empty cut_to_20_bytes random_bytes data_past_the_end; do
    game=$work/$name
    mkdir -p "$game" && cp -r "$dat" "$game/dat"
    damage "$name" "$game/dat/popon.wav"
    damage "$name" "$game/dat/04b.wav"
    out=$(cd "$game" && QT_QPA_PLATFORM=offscreen timeout 30 "$window" 2>&1)
    rc=$?
    if [ "$rc" = 0 ] && grep -q '^CLOSED$' <<<"$out"; then
        passed=$((passed + 1)); echo "ok   the window quits with $name sounds"
    else
        failed=$((failed + 1)); echo "FAIL the window quits with $name sounds: exit $rc"; echo "$out" | tail -5
    fi
    [ "$name" = whole ] && continue
    (cd "$game" && timeout 30 "$check" play dat/popon.wav >/dev/null 2>&1)
    rc=$?
    if [ "$rc" = 1 ]; then
        passed=$((passed + 1)); echo "ok   the sound check ends silent on $name sounds"
    else
        failed=$((failed + 1)); echo "FAIL the sound check ends silent on $name sounds: exit $rc (1 expected)"
    fi
done

echo "$passed passed, $failed failed"
[ "$failed" = 0 ]
