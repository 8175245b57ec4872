#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it. Arguments go to the program.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DDW_TESTS=OFF
cmake --build build/release
if [ -x build/release/bin/dialwright ]; then
    exec build/release/bin/dialwright "$@"
else
    exec build/release/bin/dwtool "${@:-help}"
fi
