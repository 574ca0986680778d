#!/usr/bin/env bash
# Starts Xvfb, a D-Bus session (which starts the AT-SPI bus on demand) and the
# game on a saved run, lets the pyatspi client read it, then stops them all.
set -uo pipefail
game=$1 craft=$2 client=$3
for tool in Xvfb dbus-daemon /usr/libexec/at-spi-bus-launcher; do
  if ! command -v "$tool" >/dev/null; then echo "SKIP: $tool is missing (bash tools/build.sh installs it)"; exit 0; fi
done
if ! /usr/bin/python3 -c 'import pyatspi' 2>/dev/null; then echo "SKIP: python3-pyatspi is missing"; exit 0; fi

work=$(mktemp -d)
pids=()
cleanup() {
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do kill "${pids[i]}" 2>/dev/null; wait "${pids[i]}" 2>/dev/null; done
  rm -rf "$work"
}
trap cleanup EXIT

# Xvfb picks a free display and writes its number once it takes connections:
# a fixed number could meet another server's, or a socket left before it was ready.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
pids+=($!)
for _ in $(seq 150); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { echo "Xvfb did not start"; cat "$work/xvfb.log"; exit 1; }
export DISPLAY=":$(head -n1 "$work/display")"

eval "$(dbus-daemon --session --fork --print-address=1 --print-pid=1 | { read -r a; read -r p; echo "export DBUS_SESSION_BUS_ADDRESS='$a'; bus_pid=$p"; })"
pids+=("$bus_pid")
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 XDG_CONFIG_HOME="$work/config" NO_AT_BRIDGE=0
mkdir -p "$work/run" && "$craft" "$work/run" || { echo "could not write the save"; exit 1; }

(cd "$work/run" && exec "$game" --lang ja) >"$work/game.log" 2>&1 &
pids+=($!)
/usr/bin/python3 "$client" | tee "$work/read.txt"
status=${PIPESTATUS[0]}
[ "$status" -eq 0 ] || { cat "$work/game.log"; exit 1; }

fail=0
expect() { grep -qF -- "$1" "$work/read.txt" || { echo "not read: $1"; fail=1; }; }
expect $'push button\t徘徊'
expect $'push button\t剣'
expect '深さ3の野'
expect 'ダブルクロス'
expect '命 '
# The console's lines: the field's text as the label shows it.
grep -qP '^label\t\S' "$work/read.txt" || { echo "no console line read"; fail=1; }

# A second start on the same save says the game is open, in a box a screen
# reader reads, and ends with status 3; the first window plays on.
(cd "$work/run" && exec "$game" --lang ja) >"$work/second.log" 2>&1 &
second=$!
pids+=("$second")
/usr/bin/python3 "$client" second-start || { cat "$work/second.log"; fail=1; }
wait "$second"
status=$?
[ "$status" -eq 3 ] || { echo "the second start ended with $status, not 3"; cat "$work/second.log"; fail=1; }
kill -0 "${pids[2]}" 2>/dev/null || { echo "the first window did not play on"; fail=1; }
exit $fail
