#!/bin/bash
# Builds everything and runs the whole test suite, first in the plain build,
# then in the AddressSanitizer + UndefinedBehaviorSanitizer build.
#   scripts/run-tests.sh             both builds: build/ and build-asan/
#   scripts/run-tests.sh --plain     the plain build in build/ only
#   scripts/run-tests.sh --sanitize  the sanitizer build in build-asan/ only
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-packages.sh --tests

# The plain build leaves out debug information, which made it nearly twice as
# long when last measured; the sanitizer build keeps line tables for its reports.
plain_flags=(-DCMAKE_BUILD_TYPE=Release)
# A debug build compiles fastest, and with only line tables (-g1) it links
# faster still while the reports keep their file and line; the benchmarks
# and the widget galleries are run by no test, so the sanitizer build
# leaves them out (the plain build still compiles them). clang builds it in
# half the time GCC takes, and gives the code a second compiler's warnings;
# the plain build stays with GCC, as the Debian package is built.
sanitize_flags=(-DKAVREL_SANITIZE=ON -DKAVREL_BENCH=OFF -DKAVREL_GALLERY=OFF -DCMAKE_BUILD_TYPE=Debug
  -DCMAKE_CXX_FLAGS_DEBUG=-g1 -DCMAKE_CXX_COMPILER=clang++)
export ASAN_OPTIONS=detect_leaks=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

# lld links the test programs in under half the default linker's time; gold
# comes close with GCC but buries a clang sanitizer build's log in warnings.
link_flags=(-DCMAKE_EXE_LINKER_FLAGS=-fuse-ld=lld)

# Given a folder built with another compiler, CMake would start it afresh
# and drop every other setting (the sanitizers among them), so the folder
# goes and is built again from the start.
drop_if_other_compiler() {
  local dir=$1 arg want="" had
  shift
  for arg in "$@"; do
    [[ "$arg" == -DCMAKE_CXX_COMPILER=* ]] && want=$(command -v "${arg#*=}")
  done
  [[ -n "$want" && -f "$dir/CMakeCache.txt" ]] || return 0
  had=$(sed -n 's/^CMAKE_CXX_COMPILER:[A-Z]*=//p' "$dir/CMakeCache.txt")
  [[ "$had" == "$want" ]] || rm -rf "$dir"
}

build() {
  local dir=$1
  shift
  drop_if_other_compiler "$dir" "$@"
  cmake -S . -B "$dir" "${link_flags[@]}" "$@" >/dev/null
  cmake --build "$dir" -j"$(nproc)"
}

suite() {
  ctest --test-dir "$1" --output-on-failure -j"$(nproc)"
}

both() {
  build build "${plain_flags[@]}"
  # The plain suite spends most of its time waiting for the crash test's
  # saves to reach the disk, so the sanitizer build goes on beside it; the
  # suite's report follows the build's.
  suite build >build/suite.log 2>&1 &
  local plain=$!
  local status=0
  build build-asan "${sanitize_flags[@]}" || status=$?
  local plain_status=0
  wait "$plain" || plain_status=$?
  cat build/suite.log
  ((plain_status == 0)) || exit "$plain_status"
  ((status == 0)) || exit "$status"
  suite build-asan
}

case "${1:-}" in
  --plain) build build "${plain_flags[@]}" && suite build ;;
  --sanitize) build build-asan "${sanitize_flags[@]}" && suite build-asan ;;
  "") both ;;
  *) echo "usage: $0 [--plain|--sanitize]" >&2; exit 2 ;;
esac
