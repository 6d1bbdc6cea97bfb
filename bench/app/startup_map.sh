#!/usr/bin/env bash
# The real program, timed from outside on a virtual X display: from the end of the splash's
# seven seconds to the main window mapped, its load of a synthetic catalogue included. Watches
# the display's map events; the program is run as a player runs it, from its own folder.
#   bench/app/startup_map.sh BUILD_DIR [ROWS (100000)] [RUNS (5)]
set -euo pipefail
build=$(cd "$1" && pwd)
rows=${2:-100000}
runs=${3:-5}
work=$(mktemp -d)
display=:$((200 + $$ % 500))
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT

cp "$build/zentdeck/zentdeck" "$work/"
cp -r "$build/bench/synthetic-$rows/pictures" "$build/bench/synthetic-$rows/zentdeck.znt" "$work/"
Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
sleep 1

# The time of each map: the splash first, then the main window.
maps() { awk '$2 == "MapNotify" {t = $1} t && $2 == "event" {print t, $5; t = ""}' "$work/events" | tr -d ,; }

for run in $(seq "$runs"); do
  : >"$work/events"
  DISPLAY=$display stdbuf -oL xev -root -event substructure \
    | while IFS= read -r line; do echo "$EPOCHREALTIME $line"; done >"$work/events" &
  watcher=$!
  sleep 0.5
  (cd "$work" && exec env DISPLAY="$display" NO_AT_BRIDGE=1 ./zentdeck >/dev/null 2>&1) &
  program=$!
  pids+=("$program")
  for _ in $(seq 300); do
    [ "$(maps | wc -l)" -ge 2 ] && break
    sleep 0.1
  done
  read -r splash _ < <(maps | sed -n 1p)
  read -r main mainWindow < <(maps | sed -n 2p)
  name() { DISPLAY=$display xprop -id "$1" WM_NAME | cut -d'"' -f2; }
  # The splash is gone by now; the second window mapped is the main window.
  awk -v s="$splash" -v m="$main" -v mn="$(name "$mainWindow")" \
    'BEGIN { printf "\"%s\" mapped %.1f ms after the splash'"'"'s 7000 ms\n", mn, (m - s) * 1000 - 7000 }'
  kill "$program" 2>/dev/null || true
  wait "$program" 2>/dev/null || true
  pkill -P "$watcher" 2>/dev/null || true
  kill "$watcher" 2>/dev/null || true
done
