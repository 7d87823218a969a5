#!/usr/bin/env bash
# Runs one golden scenario through shortmsg-replay and compares the output with the .out
# beside it.
#   check_scenario.sh REPLAY SCENARIO.scn           compare (exit 1 and a diff on mismatch)
#   check_scenario.sh --regen REPLAY SCENARIO.scn   write SCENARIO.out from the output
set -euo pipefail

regen=false
if [[ "${1:-}" == --regen ]]; then
    regen=true
    shift
fi
replay=$1
scenario=$2
expected=${scenario%.scn}.out
seed=${scenario%.scn}.root

work=$(mktemp -d "${TMPDIR:-/tmp}/shortmsg-scenario-XXXXXX")
trap 'rm -rf "$work"' EXIT

# Extra options from a "# options: ..." line.
options=()
if line=$(grep -m1 '^# options:' "$scenario"); then
    read -r -a options <<<"${line#\# options:}"
fi
mkdir "$work/root"
if [[ -d "$seed" ]]; then
    cp -R "$seed/." "$work/root/"
    find "$work/root" -name .keep -delete
fi

status=0
"$replay" "${options[@]}" --data-root "$work/root" "$scenario" >"$work/actual" || status=$?
if [[ $status -ne 0 ]]; then
    echo "shortmsg-replay exited with status $status" >&2
    exit 1
fi
if $regen; then
    cp "$work/actual" "$expected"
    exit 0
fi
if [[ ! -f "$expected" ]]; then
    echo "no expected output $expected (scripts/regen-goldens.sh writes it)" >&2
    exit 1
fi
diff -u --label expected --label actual "$expected" "$work/actual"
