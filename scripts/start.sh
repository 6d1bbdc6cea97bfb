#!/usr/bin/env bash
# Builds when needed, then starts ZentDeckBuilder from its program folder on the bundled catalogue.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh --target zentdeck_program
cd build/zentdeck
exec ./zentdeck "$@"
