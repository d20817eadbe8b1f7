#!/usr/bin/env bash
# Opens generated scenes of 10,000 and 100,000 primitives and a mesh of 100,000 triangles in
# the desktop application under xvfb-run, several times each, and prints the medians of the
# time to a complete window, the worst event-loop delay while opening and, for the mixed
# scenes, of a drag in the top view.
#
#   bash bench/open_scenes.sh [--runs N] BUILD_DIR [BUILD_DIR ...]
#
# Each BUILD_DIR is a build of the "bench" preset (build/bench); give an older version's build
# as well to compare both in one run. The machine should be otherwise quiet; other work on it
# shows as noise, which the medians damp.
set -euo pipefail

runs=5
if [[ "${1:-}" == "--runs" ]]; then
    runs=$2
    shift 2
fi
if [[ $# -lt 1 ]]; then
    echo "usage: bash bench/open_scenes.sh [--runs N] BUILD_DIR [BUILD_DIR ...]" >&2
    exit 2
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export ORVANTA_CONFIG_DIR="$work/config"
mkdir -p "$ORVANTA_CONFIG_DIR"

make_scene="$1/bench/orvanta_make_scene"
"$make_scene" mixed 10000 "$work/mixed-10000.om"
"$make_scene" mixed 100000 "$work/mixed-100000.om"
"$make_scene" mesh 100000 "$work/mesh-100000.om"

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR ? v[int((NR + 1) / 2)] : "-") }'; }
# the number after a word in the probe's output
field() { grep -o "$1 [0-9.]*" | head -1 | awk '{ print $NF }'; }

printf '%-28s %-16s %10s %12s %10s %10s\n' build scene "window ms" "worst delay" "move ms" \
    "worst move"
for build in "$@"; do
    probe="$build/bench/orvanta_open_probe"
    for scene in mixed-10000 mixed-100000 mesh-100000; do
        : >"$work/out"
        for ((i = 0; i < runs; i++)); do
            drag=()
            [[ $scene == mixed-* ]] && drag=(--drag)
            xvfb-run -a -s "-screen 0 1600x1200x24" "$probe" "$work/$scene.om" "${drag[@]}" \
                >>"$work/out" 2>/dev/null || echo "run failed" >>"$work/out"
        done
        window=$(grep '^open' "$work/out" | field 'complete window' | median)
        delay=$(grep '^open' "$work/out" | field 'delay' | median)
        move=$(grep '^drag' "$work/out" | field 'median' | median)
        worst=$(grep '^drag' "$work/out" | field 'worst' | median)
        printf '%-28s %-16s %10s %12s %10s %10s\n' "$(basename "$(dirname "$build")")/$(basename "$build")" \
            "$scene" "$window" "$delay" "${move:--}" "${worst:--}"
    done
done
