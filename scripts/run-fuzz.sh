#!/usr/bin/env bash
# Builds the libFuzzer targets with clang into build-fuzz and runs each one for a while on a
# working copy of its seed corpus (the committed seeds in fuzz/corpus are never changed).
#   scripts/run-fuzz.sh [SECONDS] [extra libFuzzer options...]   (default 30 s per target)
# Set CW_FUZZ_TARGETS to a blank-separated list to run only some targets.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-30}
shift || true

targets=${CW_FUZZ_TARGETS:-$(cd fuzz && ls fuzz_*.cpp | sed 's/\.cpp$//')}
if [ ! -f build-fuzz/build.ninja ]; then
  CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCW_FUZZ=ON -DCW_GUI=OFF \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
# shellcheck disable=SC2086  # one word per target
cmake --build build-fuzz --target $targets -- -j"$(nproc)"

work=build-fuzz/corpus-work
mkdir -p build-fuzz/findings

# One target for its time; its log in build-fuzz/TARGET.log. A finding leaves its input as
# build-fuzz/findings/crash-* and fails the target.
fuzz_one() {
  local target=$1
  shift
  rm -rf "$work/$target" && mkdir -p "$work/$target"
  cp fuzz/corpus/"$target"/* "$work/$target"/
  local dict=()
  [ -f "fuzz/$target.dict" ] && dict=(-dict="fuzz/$target.dict")
  ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    "build-fuzz/fuzz/$target" -max_total_time="$seconds" -rss_limit_mb=2048 -timeout=20 \
    -print_final_stats=1 -artifact_prefix=build-fuzz/findings/ "${dict[@]}" "$@" \
    "$work/$target" 2>"build-fuzz/$target.log"
}

# As many targets at a time as there are processors: each target runs on one.
declare -A pids=()
for target in $targets; do
  while [ "$(jobs -rp | wc -l)" -ge "$(nproc)" ]; do wait -n || true; done
  echo "== $target: ${seconds} s"
  fuzz_one "$target" "$@" &
  pids[$target]=$!
done
status=0
for target in $targets; do
  if ! wait "${pids[$target]}"; then
    echo "== $target found a fault:"
    tail -n 60 "build-fuzz/$target.log"
    status=1
  fi
  echo "== $target"
  grep -E '^(stat::number_of_executed_units|stat::peak_rss_mb)' "build-fuzz/$target.log" || true
done
exit $status
