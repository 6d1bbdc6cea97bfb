#!/usr/bin/env bash
# Configures and builds into BUILD_DIR (default: build). Extra CMake options come from CMAKE_ARGS.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
build_dir=${BUILD_DIR:-build}
cmake -S . -B "$build_dir" -G Ninja ${CMAKE_ARGS:-} >/dev/null
cmake --build "$build_dir" "$@"
