#!/bin/bash
# Builds the libFuzzer targets (clang, AddressSanitizer + UBSan) in
# build-fuzz/ and runs one of them on a working copy of its seed corpus.
#   scripts/run-fuzz.sh                      build every target, list them
#   scripts/run-fuzz.sh TARGET [OPTION...]   build and run TARGET; the options
#                                            go to libFuzzer, e.g. -runs=10000000
#                                            or -max_total_time=3600
# New inputs go to build-fuzz/corpus/TARGET/, findings to
# build-fuzz/findings/TARGET/; a finding, once mended, belongs in
# fuzz/corpus/TARGET/ so that its replay test keeps it mended.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-packages.sh --fuzz
build=build-fuzz
cmake -S . -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DKAVREL_FUZZ=ON -DKAVREL_BENCH=OFF -DKAVREL_TESTS=OFF >/dev/null
targets=$(sed -n '/^set(KAVREL_FUZZ_TARGETS/,/^)/{/^ /p}' fuzz/FuzzTargets.cmake)
if (($# == 0)); then
  for t in $targets; do cmake --build "$build" -j"$(nproc)" --target "$t"; done
  echo "targets:" $targets
  exit 0
fi
target=$1
shift
grep -qw -- "$target" <<<"$targets" || { echo "no fuzz target $target; targets:" $targets >&2; exit 2; }
cmake --build "$build" -j"$(nproc)" --target "$target"
work="$build/corpus/$target"
findings="$build/findings/$target"
mkdir -p "$work" "$findings"
cp -n fuzz/corpus/"$target"/* "$work"/
# The whole price book is 432000 bytes; the other inputs stay small.
maxlen=4096
[[ "$target" == price_book_file_fuzz ]] && maxlen=440000
[[ "$target" == copy_data_frame_fuzz ]] && maxlen=140000
export ASAN_OPTIONS=detect_leaks=0:${ASAN_OPTIONS:-}
export QT_QPA_PLATFORM=minimal
exec "$build/fuzz/$target" -max_len=$maxlen -artifact_prefix="$findings/" -print_final_stats=1 "$@" "$work"
