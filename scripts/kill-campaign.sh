#!/usr/bin/env bash
# Kills the real program at random moments while it adds cards and sets, many times over, and
# checks the catalogue and the temporary folder after each kill.
#   kill-campaign.sh [TRIALS]   30 trials unless told; about half a minute each
# ZENT_KILL_SEED=N runs a campaign again with the seed a failing one printed. BUILD_DIR as for
# build.sh (default: build).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh --target test_app_real
cd "${BUILD_DIR:-build}"
ZENT_KILL_TRIALS=${1:-30} ctest -L xvfb -R 'OnADesktop\.Killed' --output-on-failure -V
