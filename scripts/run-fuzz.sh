#!/bin/bash
# Builds the libFuzzer targets (clang, AddressSanitizer + UBSan) in
# build-fuzz/ and runs them on working copies of their seed corpora.
#   scripts/run-fuzz.sh                      build every target, list them
#   scripts/run-fuzz.sh TARGET [OPTION...]   build and run TARGET; the options
#                                            go to libFuzzer, e.g. -runs=10000000
#                                            or -max_total_time=3600
#   scripts/run-fuzz.sh --all [OPTION...]    run every target for ten million
#                                            executions or an hour, whichever
#                                            comes first (or as the options
#                                            say), one per processor at a time;
#                                            logs in build-fuzz/logs/, a summary
#                                            at the end
# New inputs go to build-fuzz/corpus/TARGET/, findings to
# build-fuzz/findings/TARGET/; a finding, once mended, belongs in
# fuzz/corpus/TARGET/ so that its replay test keeps it mended.
set -euo pipefail
cd "$(dirname "$0")/.."
build=build-fuzz
targets=$(sed -n '/^set(KAVREL_FUZZ_TARGETS/,/^)/{/^ /p}' fuzz/FuzzTargets.cmake)

configure() {
  bash scripts/install-packages.sh --fuzz
  cmake -S . -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DKAVREL_FUZZ=ON -DKAVREL_BENCH=OFF -DKAVREL_TESTS=OFF >/dev/null
}

# Runs one built target on its working corpus with the options given.
run_target() {
  local target=$1
  shift
  local work="$build/corpus/$target" findings="$build/findings/$target"
  mkdir -p "$work" "$findings"
  cp -n fuzz/corpus/"$target"/* "$work"/
  # The whole price book is 432000 bytes; the other inputs stay small.
  local maxlen=4096
  [[ "$target" == price_book_file_fuzz ]] && maxlen=440000
  [[ "$target" == copy_data_frame_fuzz ]] && maxlen=140000
  # Without the allocation stacks a report names the fault and where it is,
  # not where the memory was allocated; recording them halved the rate of
  # the settings readers. Replaying a finding with ASAN_OPTIONS unset gives
  # the whole report.
  ASAN_OPTIONS=detect_leaks=0:malloc_context_size=0:${ASAN_OPTIONS:-} QT_QPA_PLATFORM=minimal \
    "$build/fuzz/$target" -max_len=$maxlen -artifact_prefix="$findings/" -print_final_stats=1 "$@" "$work"
}

if (($# == 0)); then
  configure
  for t in $targets; do cmake --build "$build" -j"$(nproc)" --target "$t"; done
  echo "targets:" $targets
  exit 0
fi

if [[ "$1" == --all ]]; then
  shift
  budget=("$@")
  ((${#budget[@]})) || budget=(-runs=10000000 -max_total_time=3600)
  configure
  for t in $targets; do cmake --build "$build" -j"$(nproc)" --target "$t"; done
  mkdir -p "$build/logs"
  export -f run_target
  export build
  # A target that stops early (a finding) does not stop the others.
  printf '%s\n' $targets | xargs -P "$(nproc)" -I{} bash -c \
    'run_target "$@" >"$build/logs/$1.log" 2>&1 || true' _ {} "${budget[@]}"
  printf '%-24s %12s %8s %s\n' target executions seconds findings
  for t in $targets; do
    log="$build/logs/$t.log"
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    secs=$(sed -n 's/^Done [0-9]* runs in \([0-9]*\) second.*/\1/p' "$log")
    found=$(find "$build/findings/$t" -type f ! -name 'slow-unit-*' | wc -l)
    printf '%-24s %12s %8s %s\n' "$t" "${runs:-?}" "${secs:-?}" "$found"
  done
  exit 0
fi

target=$1
shift
grep -qw -- "$target" <<<"$targets" || { echo "no fuzz target $target; targets:" $targets >&2; exit 2; }
configure
cmake --build "$build" -j"$(nproc)" --target "$target"
run_target "$target" "$@"
