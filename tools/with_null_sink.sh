#!/usr/bin/env bash
# Runs a command with an audio server up: a private PulseAudio server whose
# default sink is a null sink, started as the sound tests start theirs
# (tests/sound/null_sink_server.sh), so the title music plays as it would on
# a desktop. Usage: tools/with_null_sink.sh COMMAND [ARGUMENT...]
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../tests/sound/null_sink_server.sh"
"$@"
