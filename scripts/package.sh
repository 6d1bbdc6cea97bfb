#!/usr/bin/env bash
# Builds the Debian package of the program: build/zentdeck_VERSION_ARCH.deb (BUILD_DIR and
# CMAKE_ARGS choose another build, as for scripts/build.sh). Install it with
#   apt-get install ./build/zentdeck_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
DEPS=package bash scripts/build.sh --target zentdeck_package_contents
cd "${BUILD_DIR:-build}"
cpack -G DEB
