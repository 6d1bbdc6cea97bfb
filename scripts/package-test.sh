#!/usr/bin/env bash
# The package as a user meets it. Builds the .deb (scripts/package.sh) and checks it with
# lintian, desktop-file-validate and appstreamcli; installs it with apt-get; runs the installed
# program as an ordinary user (nobody), with a home, a temporary folder and a current folder of
# its own, on a desktop of its own (the real-window journey from the splash to the exit, given
# the launcher); checks that nothing of the package changed, then removes it and checks that no
# file of it is left. Run as root; BUILD_DIR and CMAKE_ARGS choose the build, as for
# scripts/build.sh. The screenshots of the installed program are left in the build folder.
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(realpath -m "${BUILD_DIR:-build}")
bash scripts/package.sh
cmake --build "$build" --target test_app_real
deb=$(ls -t "$build"/zentdeck_*.deb | head -n 1)
echo "== $deb: $(du -h "$deb" | cut -f1)"

echo "== lintian, desktop-file-validate, appstreamcli"
lintian --fail-on error,warning "$deb"
test -z "$(desktop-file-validate packaging/*.desktop)"
appstreamcli validate --no-net --strict packaging/*.metainfo.xml

echo "== install"
if dpkg -s zentdeck >/dev/null 2>&1; then
  DEBIAN_FRONTEND=noninteractive apt-get remove -y -q zentdeck
fi
DEBIAN_FRONTEND=noninteractive apt-get install -y -q "$deb"
dpkg -L zentdeck >"$build/zentdeck-files.txt"
# The menu entry's icon, in each size the theme is given.
icon=$(sed -n 's/^Icon=//p' packaging/*.desktop)
for side in 48 128 256; do
  test "$(identify -format %wx%h "/usr/share/icons/hicolor/${side}x$side/apps/$icon.png")" = "${side}x$side"
done
grep -q '<svg' "/usr/share/icons/hicolor/scalable/apps/$icon.svg"

echo "== the installed program, as nobody"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
chmod 755 "$work"
mkdir "$work/tmp" "$work/home" "$work/shots"
chown nobody: "$work/tmp" "$work/home" "$work/shots"
# A copy of the test, in case the user may not enter the build folder.
install -m 755 "$build/tests/app_real/test_app_real" "$work/"
status=0
(cd "$work" && runuser -u nobody -- env -i PATH=/usr/bin:/bin HOME="$work/home" TMPDIR="$work/tmp" \
  ZENT_INSTALLED_LAUNCHER=/usr/bin/zentdeck ZENT_SCREENSHOT_DIR="$work/shots" \
  ./test_app_real --gtest_filter='OnADesktop.FromTheSplashToTheExit*') || status=$?
cp "$work"/shots/*.png "$build"/ 2>/dev/null || true
[ "$status" -eq 0 ]

echo "== nothing of the package changed"
test -z "$(dpkg --verify zentdeck)"

echo "== removed, nothing left"
DEBIAN_FRONTEND=noninteractive apt-get remove -y -q zentdeck
left=0
while read -r path; do
  [ -e "$path" ] || [ -L "$path" ] || continue
  # A folder stays when another package has files in it.
  if [ -d "$path" ] && [ ! -L "$path" ] && dpkg -S "$path" >/dev/null 2>&1; then continue; fi
  echo "left behind: $path"
  left=1
done <"$build/zentdeck-files.txt"
[ "$left" -eq 0 ]
echo "== package test passed"
