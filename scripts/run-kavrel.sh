#!/bin/bash
# Builds the programs and starts the price book manager from its program folder.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-packages.sh
cmake -S . -B build >/dev/null
cmake --build build -j"$(nproc)"
# The program finds its data files beside itself.
cd build/bin
exec ./kavrel "$@"
