#!/usr/bin/env bash
# make run: the terminal wired to the simulated modem (COM1) and GPS receiver (COM3).
#
#   scripts/run-demo.sh BUILD_DIR
#
# A temporary port map points COM1 and COM3 at the simulator's pseudo-terminals, and the
# terminal finds it through XDG_CONFIG_HOME. With a display the terminal runs until you
# quit it. Without one ($DISPLAY unset) it runs under Xvfb for DEMO_SECONDS (default 14),
# saves screenshots of both windows into SCREENSHOT_DIR (default BUILD_DIR/screenshots)
# and stops. The simulator's log is kept in BUILD_DIR/modemsim.log either way.
set -euo pipefail

build=$(cd "${1:-build}" && pwd)
app=$build/src/app/shortmsg
sim=$build/tools/modemsim/shortmsg-modemsim
for program in "$app" "$sim"; do
  [ -x "$program" ] || { echo "run-demo: $program is missing; build first" >&2; exit 1; }
done

work=$(mktemp -d "${TMPDIR:-/tmp}/shortmsg-demo.XXXXXX")
ports=$work/config/shortmsg/ports
sim_log=$build/modemsim.log
sim_pid=""

cleanup() {
  if [ -n "$sim_pid" ] && kill -0 "$sim_pid" 2>/dev/null; then
    kill "$sim_pid" 2>/dev/null || true
    wait "$sim_pid" 2>/dev/null || true
  fi
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# The simulator's messages come soon and close together ("Hello from the simulator" about a
# second after the initialisation, "GPSquery:1" three seconds later), so that the query is
# answered before the headless run's screenshots are taken, half-way through.
"$sim" --ports "$ports" --first 1 --every 3 >"$sim_log" 2>&1 </dev/null &
sim_pid=$!
for _ in $(seq 50); do
  [ -L "$ports/COM1" ] && [ -L "$ports/COM3" ] && break
  kill -0 "$sim_pid" 2>/dev/null || { cat "$sim_log" >&2; exit 1; }
  sleep 0.1
done
[ -L "$ports/COM1" ] || { echo "run-demo: the simulator made no ports" >&2; exit 1; }

# The demo's settings and modem log stay in the temporary folder, away from yours.
export XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data
# The demo checks "GPS Enable" for you, so the GPS box fills and "GPSquery:1" is answered.
demo=(--demo-check-gps)

if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  echo "shortmsg: the simulated modem is on COM1, the GPS receiver on COM3 ($ports)."
  echo "Quit the terminal to end the demo; the simulator's log is in $sim_log."
  "$app" "${demo[@]}"
else
  shots=${SCREENSHOT_DIR:-$build/screenshots}
  seconds=${DEMO_SECONDS:-14}
  mkdir -p "$shots"
  rm -f "$shots/main-window.png" "$shots/options-window.png"
  echo "shortmsg: no display; running under Xvfb for $seconds seconds."
  mkdir -m 700 "$work/runtime"
  XDG_RUNTIME_DIR=$work/runtime QT_QPA_PLATFORM=xcb \
    xvfb-run -a -s "-screen 0 1280x1024x24" \
    "$app" "${demo[@]}" --quit-after "$seconds" --screenshots "$shots" </dev/null
  echo "Screenshots: $shots/main-window.png $shots/options-window.png"
  echo "The simulator's log: $sim_log"
fi
