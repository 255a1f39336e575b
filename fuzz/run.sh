#!/usr/bin/env bash
# Builds a fuzz target with clang, replays its seed inputs, then fuzzes for
# a bounded time on a scratch copy of them (the committed seeds never grow).
#
#   fuzz/run.sh [BUILD_FOLDER] [SECONDS] [TARGET]
#
# BUILD_FOLDER defaults to build-fuzz in the source tree, SECONDS to 60.
# TARGET is circuitfile (the circuit file reader, seeded from fuzz/corpus)
# or rtfreader (the rich-text reader, seeded from the help pages).
# Exits non-zero when the build fails or the fuzzer finds a crash; the
# crashing input is then kept in the scratch folder it prints.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
root=$(dirname "$here")
build=${1:-$root/build-fuzz}
seconds=${2:-60}
target=${3:-circuitfile}
case "$target" in
  circuitfile) seeds=("$here"/corpus/*) ;;
  rtfreader) seeds=("$root"/help/*.rtf) ;;
  *) echo "unknown fuzz target: $target" >&2; exit 2 ;;
esac

cmake -S "$root" -B "$build" \
  -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DVORN_BUILD_FUZZERS=ON \
  -DVORN_BUILD_TESTS=OFF \
  -DVORN_BUILD_BENCHMARKS=OFF \
  -DVORN_BUILD_UI=OFF
cmake --build "$build" --target "${target}_fuzz" -j2

fuzzer="$build/fuzz/${target}_fuzz"

# The target's own files go to a memory-backed folder when there is one:
# every valid input is saved with fsync.
if [[ -z "${TMPDIR:-}" && -d /dev/shm && -w /dev/shm ]]; then
  export TMPDIR=/dev/shm
fi

work=$(mktemp -d "$build/fuzz-run.XXXXXX")
echo "scratch folder: $work"

echo "== replaying the seed corpus"
"$fuzzer" -artifact_prefix="$work/" "${seeds[@]}"

echo "== fuzzing for $seconds s"
mkdir "$work/corpus"
cp "${seeds[@]}" "$work/corpus/"
status=0
"$fuzzer" -max_len=4096 -max_total_time="$seconds" -print_final_stats=1 \
  -artifact_prefix="$work/" "$work/corpus" || status=$?

if [[ $status -ne 0 ]]; then
  echo "the fuzzer stopped with status $status; inputs kept in $work:" >&2
  ls "$work" >&2
  exit "$status"
fi
echo "no crash in $seconds s; corpus grew to $(ls "$work/corpus" | wc -l) inputs"
rm -rf "$work"
