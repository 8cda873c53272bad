#!/bin/bash
# Builds everything and runs the whole test suite, first in the plain build,
# then in the AddressSanitizer + UndefinedBehaviorSanitizer build.
#   scripts/run-tests.sh             both builds: build/ and build-asan/
#   scripts/run-tests.sh --plain     the plain build in build/ only
#   scripts/run-tests.sh --sanitize  the sanitizer build in build-asan/ only
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-packages.sh

run_suite() {
  local build=$1
  shift
  cmake -S . -B "$build" "$@" >/dev/null
  cmake --build "$build" -j"$(nproc)"
  ctest --test-dir "$build" --output-on-failure -j"$(nproc)"
}

plain() {
  # Without debug information the build takes 5 minutes instead of 9 on two
  # cores; the sanitizer build below keeps line tables for its reports.
  run_suite build -DCMAKE_BUILD_TYPE=Release
}

sanitized() (
  # A debug build compiles fastest, and with only line tables (-g1) it links
  # faster still while the reports keep their file and line; the benchmarks
  # and the widget galleries are run by no test, so the sanitizer build
  # leaves them out (the plain build still compiles them).
  export ASAN_OPTIONS=detect_leaks=0
  export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
  run_suite build-asan -DKAVREL_SANITIZE=ON -DKAVREL_BENCH=OFF -DKAVREL_GALLERY=OFF -DCMAKE_BUILD_TYPE=Debug \
    -DCMAKE_CXX_FLAGS_DEBUG=-g1
)

case "${1:-}" in
  --plain) plain ;;
  --sanitize) sanitized ;;
  "") plain && sanitized ;;
  *) echo "usage: $0 [--plain|--sanitize]" >&2; exit 2 ;;
esac
