#!/usr/bin/env bash
# Installs the Debian packages that are missing for what is asked:
#   deps.sh program   building and running the program
#   deps.sh package   building the program's Debian package
#   deps.sh tests     all that, and everything the tests, benchmarks and fuzzing use
set -euo pipefail

program=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev libgl-dev libsqlite3-dev
  # The build draws the program's scalable icon with Qt SVG.
  qt6-svg-dev
  # zentcat reads Access-format catalogues with libmdb.
  libmdb3 mdbtools-dev
  # The program's windows name Arial and Comic Sans MS; these stand in for them.
  fonts-liberation fonts-comic-neue
)
# CPack's Debian packages take their dependencies from dpkg-shlibdeps, which needs file.
package=(dpkg-dev file)
tests=(
  libgtest-dev libbenchmark-dev sqlite3 mdbtools
  clang libclang-rt-14-dev
  xvfb xauth xdotool x11-utils openbox imagemagick at-spi2-core dbus-daemon
  fonts-dejavu-core libreoffice-writer-nogui poppler-utils
  # The package's checks.
  lintian desktop-file-utils appstream
)

case "${1:-}" in
  program) packages=("${program[@]}") ;;
  package) packages=("${program[@]}" "${package[@]}") ;;
  tests) packages=("${program[@]}" "${package[@]}" "${tests[@]}") ;;
  *) echo "usage: deps.sh program|package|tests" >&2; exit 2 ;;
esac

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -ne 0 ]; then
  echo "Missing packages: ${missing[*]}" >&2
  echo "Run as root, or install them with: sudo apt-get install -y ${missing[*]}" >&2
  exit 1
fi
echo "Installing: ${missing[*]}"
apt-get update -q
DEBIAN_FRONTEND=noninteractive apt-get install -y -q "${missing[@]}"
