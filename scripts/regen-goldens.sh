#!/usr/bin/env bash
# Rewrites the expected output (.out) of golden scenarios from what shortmsg-replay prints
# now. Read every changed .out before committing it, and say in the commit why it changed.
#   scripts/regen-goldens.sh [-B BUILD_DIR] [SCENARIO.scn ...]
# Without scenarios, all of tests/scenarios/**/*.scn. BUILD_DIR defaults to build/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build
if [[ "${1:-}" == -B ]]; then
    build=$2
    shift 2
fi
replay=$build/tools/replay/shortmsg-replay
if [[ ! -x "$replay" ]]; then
    echo "no $replay: build first (cmake --build $build --target shortmsg-replay)" >&2
    exit 1
fi
if [[ $# -eq 0 ]]; then
    mapfile -t scenarios < <(find "$root/tests/scenarios" -name '*.scn' | sort)
else
    scenarios=("$@")
fi
for scenario in "${scenarios[@]}"; do
    bash "$root/tests/scenarios/check_scenario.sh" --regen "$replay" "$scenario"
    echo "wrote ${scenario%.scn}.out"
done
git -C "$root" status --short -- tests/scenarios
