#!/bin/bash
# Builds everything and runs the whole test suite.
#   scripts/run-tests.sh             plain build in build/
#   scripts/run-tests.sh --sanitize  AddressSanitizer + UBSan build in build-asan/
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-packages.sh
build=build
flags=()
if [[ "${1:-}" == "--sanitize" ]]; then
  build=build-asan
  flags=(-DKAVREL_SANITIZE=ON -DKAVREL_BENCH=OFF -DCMAKE_BUILD_TYPE=Debug)
  export ASAN_OPTIONS=detect_leaks=0
  export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
fi
cmake -S . -B "$build" "${flags[@]}" >/dev/null
cmake --build "$build" -j"$(nproc)"
ctest --test-dir "$build" --output-on-failure -j"$(nproc)"
