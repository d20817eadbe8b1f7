#!/bin/bash
# Times a live render of the example scene (the render window's way: bands of rows through
# standard output) next to POV-Ray rendering it alone, in the same run. Optimised build.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset bench >/dev/null
cmake --build --preset bench --target orvanta_render_timing >/dev/null
for size in 640x480 1920x1080; do
    ./build/bench/bench/orvanta_render_timing examples/beispiel.om "$size" "${1:-3}"
done
