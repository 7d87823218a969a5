#!/usr/bin/env bash
# The terminal's figures against the simulated modem, under Xvfb:
#
#   scripts/measure-terminal.sh [BUILD_DIR]       (IDLE_SECONDS, default 60)
#
#   start-up   milliseconds from starting the program to the first command the modem
#              receives (the simulator logs each command as it arrives)
#   idle CPU   the share of one core the terminal uses over IDLE_SECONDS once started, with
#              no message arriving and nobody at the keyboard
#   memory     its resident set size at the end
#
# The terminal starts from the default settings, in folders of its own.
set -euo pipefail

build=$(cd "${1:-build}" && pwd)
app=$build/src/app/shortmsg
sim=$build/tools/modemsim/shortmsg-modemsim
idle=${IDLE_SECONDS:-60}
settle=5
for program in "$app" "$sim" Xvfb; do
  command -v "$program" >/dev/null || { echo "measure: $program is missing" >&2; exit 1; }
done

work=$(mktemp -d "${TMPDIR:-/tmp}/shortmsg-measure.XXXXXX")
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# Waits up to $1 seconds for the command after it to succeed.
wait_for() {
  local deadline=$((SECONDS + $1))
  shift
  until "$@"; do
    [ "$SECONDS" -lt "$deadline" ] || return 1
    sleep 0.005
  done
}

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
pids+=($!)
wait_for 10 test -s "$work/display" || { echo "measure: Xvfb did not start" >&2; exit 1; }
export DISPLAY=:$(head -n1 "$work/display")

ports=$work/config/shortmsg/ports
"$sim" --ports "$ports" --first 86400 --every 86400 >"$work/modemsim.log" 2>&1 </dev/null &
pids+=($!)
wait_for 10 test -L "$ports/COM1" || { echo "measure: the simulator made no ports" >&2; exit 1; }

mkdir -m 700 "$work/runtime"
start=$(date +%s%N)
XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data XDG_RUNTIME_DIR=$work/runtime \
  QT_QPA_PLATFORM=xcb "$app" --reset-settings >"$work/shortmsg.log" 2>&1 </dev/null &
app_pid=$!
pids+=("$app_pid")
wait_for 30 grep -q '^modem <- ' "$work/modemsim.log" ||
  { echo "measure: the modem received nothing" >&2; exit 1; }
first=$(date +%s%N)
echo "start-up to the first command: $(((first - start) / 1000000)) ms"

# utime + stime of the process, in clock ticks.
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$app_pid/stat"; }
sleep "$settle"
before=$(cpu_ticks)
sleep "$idle"
after=$(cpu_ticks)
ticks=$(getconf CLK_TCK)
awk -v t=$((after - before)) -v hz="$ticks" -v s="$idle" \
  'BEGIN { printf "idle CPU over %d s: %.3f%% of one core\n", s, 100 * t / hz / s }'
awk '/^VmRSS/ { printf "resident memory: %.1f MB\n", $2 / 1024 }' "/proc/$app_pid/status"
