#!/usr/bin/env bash
# A malformed scenario is refused before anything runs: exit status 2, nothing on standard
# output, and the line number on standard error.
#   check_refused.sh REPLAY SCENARIO LINE
set -uo pipefail
replay=$1
scenario=$2
line=$3
work=$(mktemp -d "${TMPDIR:-/tmp}/shortmsg-refused-XXXXXX")
trap 'rm -rf "$work"' EXIT
"$replay" "$scenario" >"$work/out" 2>"$work/err"
status=$?
cat "$work/err"
[[ $status -eq 2 ]] || { echo "exit status $status, expected 2" >&2; exit 1; }
[[ ! -s "$work/out" ]] || { echo "something was run:" >&2; cat "$work/out" >&2; exit 1; }
grep -q -- "$scenario:$line: " "$work/err" || { echo "no line $line in the message" >&2; exit 1; }
