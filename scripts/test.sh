#!/usr/bin/env bash
# Builds everything and runs every test. BUILD_DIR and CMAKE_ARGS choose the build (see .ci/run).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
cd "${BUILD_DIR:-build}"
ctest --output-on-failure -j "$(nproc)" --timeout 300
