#!/bin/sh
# Fuzzes one target of fuzz/ (fuzz-script, fuzz-record, fuzz-web-record,
# fuzz-user-dirs, fuzz-wrap, fuzz-unpack) with libFuzzer under ASan and UBSan.
#
#   tools/fuzz.sh TARGET SECONDS            builds build-fuzz-long (clang, optimised) and fuzzes that long
#   tools/fuzz.sh --runs N --build DIR TARGET   N runs of a target DIR built (the tests)
#
# The seeds in fuzz/corpus/TARGET are only read. A long run keeps the inputs
# it found in build-fuzz-long/corpus/TARGET for the next; the tests start afresh
# each time with a fixed random seed, so that they run the same every time.
# An input that breaks the target is written as DIR/crash-... (or leak-,
# timeout-...); once the fault is fixed, copy it to fuzz/corpus/TARGET/ under
# a name that says what it found, and every later run tries it again.
set -eu
cd "$(dirname "$0")/.."
runs="" build=""
while [ $# -gt 0 ]; do
  case $1 in
    --runs) runs=$2; shift 2 ;;
    --build) build=$2; shift 2 ;;
    *) break ;;
  esac
done
[ $# -ge 1 ] || { echo "usage: tools/fuzz.sh TARGET SECONDS | --runs N --build DIR TARGET" >&2; exit 2; }
target=$1
seeds=$PWD/fuzz/corpus/$target
[ -d "$seeds" ] || { echo "fuzz.sh: no target $target (no $seeds)" >&2; exit 2; }
# A target may have a dictionary of the words its input is made of.
dictionary=""
[ ! -f "fuzz/$target.dict" ] || dictionary=-dict=$PWD/fuzz/$target.dict

if [ -z "$runs" ]; then
  [ $# -eq 2 ] || { echo "usage: tools/fuzz.sh TARGET SECONDS" >&2; exit 2; }
  build=$PWD/build-fuzz-long
  CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DSTELLARION_SANITIZE=ON -DSTELLARION_FUZZ=ON -DSTELLARION_TESTS=OFF -DSTELLARION_BENCH=OFF >/dev/null
  cmake --build "$build" --target "$target"
  mkdir -p "$build/corpus/$target"
  cd "$build"
  exec "./fuzz/$target" -max_total_time="$2" -print_final_stats=1 $dictionary "corpus/$target" "$seeds"
fi

found=$(mktemp -d)
trap 'rm -rf "$found"' EXIT
cd "$build"
# The leak checker follows each input; the fuzzer's own report names a
# finding, and the exit status fails the test.
"./fuzz/$target" -runs="$runs" -seed=1 -print_final_stats=1 $dictionary "$found" "$seeds" || {
  status=$?
  echo "fuzz.sh: $target found a fault; its input is in $build (crash-*, leak-*, timeout-*)." >&2
  echo "fuzz.sh: once fixed, copy it to fuzz/corpus/$target/ to try it in every later run." >&2
  exit "$status"
}
