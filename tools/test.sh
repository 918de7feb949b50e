#!/bin/sh
# Builds both flavours and runs every test: the logic tests natively with
# sanitizers, then the logic, adapter and end-to-end tests under Wine.
set -eu
cd "$(dirname "$0")/.."
tools/deps.sh
jobs=$(nproc)
cmake --preset host
cmake --build --preset host -j "$jobs"
ctest --preset host -j "$jobs"
cmake --preset win32
cmake --build --preset win32 -j "$jobs"
ctest --preset win32
