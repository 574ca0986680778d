# Sourced by the sound tests: a private PulseAudio server with a null sink
# "zsink" as the default, in a fresh folder $work that goes at exit. Works as
# root without a desktop session. Callers may set $recorder and $keepalive to
# processes that must end with it.
for tool in pulseaudio pactl; do
    command -v "$tool" >/dev/null || { echo "sound test: $tool is missing (apt-get install -y pulseaudio pulseaudio-utils)"; exit 1; }
done

work=$(mktemp -d)
export HOME=$work/home XDG_RUNTIME_DIR=$work/run PULSE_RUNTIME_PATH=$work/run/pulse
unset PULSE_SERVER PULSE_SINK DBUS_SESSION_BUS_ADDRESS
mkdir -p "$HOME" "$PULSE_RUNTIME_PATH"
chmod 700 "$XDG_RUNTIME_DIR" "$PULSE_RUNTIME_PATH"

server=
recorder=
keepalive=
cleanup() {
    [ -n "$recorder" ] && kill "$recorder" 2>/dev/null
    [ -n "$keepalive" ] && kill "$keepalive" 2>/dev/null
    [ -n "$server" ] && kill "$server" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

# --system=false and --disallow-exit let root run a per-test server; -n skips
# the default modules. Stream restore remembers volumes, as on a desktop.
pulseaudio --daemonize=no --system=false --disallow-exit --exit-idle-time=-1 -n --use-pid-file=false \
    --load="module-null-sink sink_name=zsink" --load="module-native-protocol-unix" --load="module-stream-restore" \
    --log-target=file:"$work/pulse.log" &
server=$!
for _ in $(seq 100); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
if ! pactl set-default-sink zsink; then
    echo "sound test: the PulseAudio server did not start"; cat "$work/pulse.log"; exit 1
fi

