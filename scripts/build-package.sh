#!/bin/bash
# Builds the Debian package build-deb/kavrel_<version>_amd64.deb: a release
# build in build-deb/ laid out as the package installs (/opt/kavrel, /usr/bin,
# /usr/share), without the tests, packed by CPack.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-packages.sh --package
cmake -S . -B build-deb -DCMAKE_BUILD_TYPE=Release -DKAVREL_PACKAGE_LAYOUT=ON -DKAVREL_TESTS=OFF -DKAVREL_BENCH=OFF >/dev/null
cmake --build build-deb -j"$(nproc)"
(cd build-deb && cpack -G DEB)
ls build-deb/kavrel_*.deb
