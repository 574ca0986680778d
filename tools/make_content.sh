#!/usr/bin/env bash
# Regenerates all of dat/: the sounds, then the pictures.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
"$here/make_sounds.sh"
python3 "$here/make_pictures.py"
