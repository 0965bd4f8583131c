#!/bin/sh
# Builds the fuzz targets with clang's libFuzzer (AddressSanitizer and
# UndefinedBehaviorSanitizer on) and runs each one for SECONDS (default 60).
#   tools/fuzz/run.sh [SECONDS] [TARGET...]
# Targets: save_file scene_file config parameters labels font animation
# scene_index rules game_flow sound_effects music_list slides (default: all).
# Needs clang-14 and libclang-rt-14-dev (apt-get install -y clang-14 libclang-rt-14-dev).
# Inputs that fail land in build-fuzz/crashes/TARGET/; copy each one into
# tests/persist/fuzz_regressions/TARGET/ so the tests replay it from then on.
set -eu

root=$(cd "$(dirname "$0")/../.." && pwd)
seconds=${1:-60}
[ $# -gt 0 ] && shift
targets=${*:-save_file scene_file config parameters labels font animation scene_index rules
    game_flow sound_effects music_list slides}
build=${QUILL_FUZZ_BUILD:-$root/build-fuzz}

if ! command -v clang++-14 >/dev/null 2>&1; then
    echo "clang++-14 is missing: apt-get install -y clang-14 libclang-rt-14-dev" >&2
    exit 1
fi

CC=clang-14 CXX=clang++-14 cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DQUILL_BUILD_TESTS=OFF -DQUILL_SANITIZE=ON -DQUILL_FUZZ=ON \
    -DCMAKE_CXX_FLAGS=-fsanitize=fuzzer-no-link >/dev/null
for target in $targets; do
    cmake --build "$build" -j2 --target "fuzz_$target"
done

status=0
for target in $targets; do
    corpus=$build/corpus/$target
    crashes=$build/crashes/$target
    mkdir -p "$corpus" "$crashes"
    echo "fuzz_$target: $seconds s"
    # The regression inputs seed the corpus; new finds go to the corpus only.
    if ! "$build/fuzz_$target" -max_total_time="$seconds" -max_len=8192 -timeout=10 \
        -rss_limit_mb=2048 -malloc_limit_mb=64 -print_final_stats=1 -artifact_prefix="$crashes/" \
        "$corpus" "$root/tests/persist/fuzz_regressions/$target"; then
        echo "fuzz_$target: failed, see $crashes" >&2
        status=1
    fi
done
exit $status
