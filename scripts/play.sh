#!/usr/bin/env bash
# Installs what is missing, builds the game and starts it from the repository root.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
source scripts/deps.sh
quill_install_packages "${QUILL_BUILD_PACKAGES[@]}"

cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DQUILL_BUILD_TESTS=OFF > /dev/null
cmake --build build -j"$(nproc)" --target quill-game
exec ./build/quill-game "$@"
