#!/usr/bin/env bash
# Configures and builds into BUILD_DIR (default: build). Extra CMake options come from CMAKE_ARGS;
# DEPS says which packages to make sure of first (program or tests; default: tests).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh "${DEPS:-tests}"
build_dir=${BUILD_DIR:-build}
cmake -S . -B "$build_dir" -G Ninja ${CMAKE_ARGS:-} >/dev/null
cmake --build "$build_dir" "$@"
