#!/bin/bash
# Builds the programs and starts the price book manager from the demo program
# folder build/demo/, which holds the programs, their installation data and
# sample price books (written only where no book is yet).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-packages.sh
cmake -S . -B build >/dev/null
cmake --build build -j"$(nproc)" --target demo
# The program finds its data files beside itself.
cd build/demo
exec ./kavrel "$@"
