#!/usr/bin/env bash
# Regenerates all of content/ that the generators own.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
for script in config.py minigames.py labels.py fonts.py ui_art.py puzzle_breakout.py puzzle_piano.py puzzle_photo.py puzzle_pieces.py story.py scenes.py freeplay.py flags.py sounds.py music.py animations.py logos.py; do
    echo "== $script"
    /usr/bin/python3 "$here/$script"
done
