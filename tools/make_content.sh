#!/usr/bin/env bash
# Regenerates all of dat/: the sounds, the pictures, then the story script.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
"$here/make_sounds.sh"
python3 "$here/make_pictures.py"
python3 "$here/make_chapter_pictures.py"
python3 "$here/make_story.py"
