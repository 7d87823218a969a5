#!/usr/bin/env bash
# Runs every libFuzzer target of a fuzz build for SECONDS each, starting from and growing
# its saved corpus under tests/fuzz/corpus/<name>/ (merged back, minimized), and prints the
# executions and findings of each. Crash inputs land in BUILD/fuzz-findings/<name>/ (copy
# one into the corpus once it is mended, so that the replay test keeps it); the log of each
# run is BUILD/fuzz-work/<name>.log.
#   scripts/run-fuzzers.sh BUILD SECONDS [NAME...]
# FUZZ_PARALLEL=2 runs two fuzzers at a time (the default is one).
set -euo pipefail

build=${1:?usage: run-fuzzers.sh BUILD SECONDS [NAME...]}
seconds=${2:?usage: run-fuzzers.sh BUILD SECONDS [NAME...]}
shift 2
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "$build" && pwd)
parallel=${FUZZ_PARALLEL:-1}
names=("$@")
if [ ${#names[@]} -eq 0 ]; then
  names=(decode_pdu unpack_septets decode_rmc modem_link gps_query)
fi

run_one() {
  local name=$1
  local fuzzer="$build/tests/fuzz/fuzz-$name"
  local corpus="$root/tests/fuzz/corpus/$name"
  local work="$build/fuzz-work/$name"
  local findings="$build/fuzz-findings/$name"
  local log="$build/fuzz-work/$name.log"
  [ -x "$fuzzer" ] || { echo "$name: $fuzzer is missing (make fuzz-build)"; return 1; }
  rm -rf "$work" && mkdir -p "$work" "$findings" "$corpus"
  # Grow a scratch copy of the corpus; a finding ends the run early.
  "$fuzzer" "$work" "$corpus" -max_total_time="$seconds" -print_final_stats=1 \
    -artifact_prefix="$findings/" -timeout=5 -rss_limit_mb=1024 >"$log" 2>&1 || true
  # Keep only inputs that add coverage.
  local merged="$build/fuzz-work/$name.merged"
  rm -rf "$merged" && mkdir -p "$merged"
  "$fuzzer" -merge=1 "$merged" "$corpus" "$work" >>"$log" 2>&1
  rm -rf "$corpus" && mv "$merged" "$corpus"
  local execs crashes
  execs=$(grep -Eo 'stat::number_of_executed_units: *[0-9]+' "$log" |
          awk '{s += $2} END {print s + 0}')
  crashes=$(find "$findings" -type f | wc -l)
  echo "$name: $execs executions in ${seconds}s, $(ls "$corpus" | wc -l) corpus files," \
       "$crashes findings"
}

status=0
running=0
for name in "${names[@]}"; do
  run_one "$name" &
  running=$((running + 1))
  if [ "$running" -ge "$parallel" ]; then
    wait -n || status=1
    running=$((running - 1))
  fi
done
while [ "$running" -gt 0 ]; do
  wait -n || status=1
  running=$((running - 1))
done
if find "$build/fuzz-findings" -type f 2>/dev/null | grep -q .; then
  echo "findings: $(find "$build/fuzz-findings" -type f | tr '\n' ' ')"
  status=1
fi
exit $status
