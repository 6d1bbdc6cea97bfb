#!/usr/bin/env bash
# Builds when needed, then starts ZentDeckBuilder from its program folder on the bundled catalogue.
set -euo pipefail
cd "$(dirname "$0")/.."
DEPS=program bash scripts/build.sh --target zentdeck_program
cd "${BUILD_DIR:-build}/zentdeck"
exec ./zentdeck
