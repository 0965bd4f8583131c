#!/usr/bin/env bash
# Regenerates all of content/ that the generators own.
# Progress goes to standard output (">/dev/null" quiets it), problems to standard error.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
scripts=(config.py minigames.py labels.py fonts.py ui_art.py puzzle_breakout.py puzzle_piano.py puzzle_photo.py
    puzzle_pieces.py story.py scenes.py freeplay.py flags.py sounds.py music.py animations.py logos.py)
start=$SECONDS
n=0
for script in "${scripts[@]}"; do
    n=$((n + 1))
    echo "== [$n/${#scripts[@]}] $script"
    began=$SECONDS
    # Unbuffered, so the lines show as they happen even through a pipe or into a log.
    if ! /usr/bin/python3 -u "$here/$script"; then
        echo "generate_all.sh: $script failed; the scripts after it did not run" >&2
        exit 1
    fi
    echo "== [$n/${#scripts[@]}] $script: $((SECONDS - began)) s"
done
echo "== all ${#scripts[@]} generators: $((SECONDS - start)) s"
