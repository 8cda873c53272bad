#!/bin/bash
# Times the start of kavrel and of kanzai_input, each from exec to the first
# paint of the table (the list) the user looks at, against bench/bare_window,
# a bare Qt Widgets window with one table. The three run in turn, round after
# round, on a copy of the demo folder with its sample books; the timer prints
# each one's minimum and median and the medians' ratio to the bare window's.
#   scripts/startup-ratio.sh [ROUNDS]   (20 rounds unless given)
# Runs on Qt's offscreen platform unless QT_QPA_PLATFORM says otherwise
# (e.g. QT_QPA_PLATFORM=xcb with a display).
set -euo pipefail
cd "$(dirname "$0")/.."
rounds=${1:-20}
cmake -S . -B build >/dev/null
cmake --build build -j"$(nproc)" --target demo bare_window startup_timer >/dev/null
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
cp -a build/demo/. "$folder"/
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} KAVREL_EXIT_AFTER_FIRST_PAINT=1
build/bench/startup_timer "$rounds" "bare_window=build/bench/bare_window" \
  "kavrel=$folder/kavrel 1;1;" "kanzai_input=$folder/kanzai_input 0;2;3;系統A;"
