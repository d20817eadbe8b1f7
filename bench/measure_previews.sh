#!/usr/bin/env bash
# Measures rendering the whole preview set (119 predefined textures, the unknown texture, five
# skies, two fog types) with POV-Ray: wall-clock time for several numbers of POV-Ray
# processes at once and POV-Ray threads per process. Each run starts from an empty folder.
#
#   bash bench/measure_previews.sh [ORVANTA_CLI] [SIZE]
set -euo pipefail
cli=${1:-}
size=${2:-128}
if [ -z "$cli" ]; then
  for candidate in build/release/cli/orvanta-cli build/bench/cli/orvanta-cli build/asan/cli/orvanta-cli; do
    if [ -x "$candidate" ]; then cli=$candidate; break; fi
  done
fi
[ -x "$cli" ] || { echo "measure_previews: build orvanta-cli first" >&2; exit 1; }
echo "cores: $(nproc), load before: $(cut -d' ' -f1-3 /proc/loadavg), picture size ${size}x${size}"
for setting in "1 1" "2 1" "3 1" "4 1" "1 2"; do
  set -- $setting
  out=$(mktemp -d /tmp/orvanta-previews-XXXXXX)
  # CPU seconds of POV-Ray and the tool together: what the set costs whatever the load
  /usr/bin/time -o "$out.time" -f "%U %S" "$cli" previews -o "$out" --processes "$1" \
    --threads "$2" --size "$size" 2>/dev/null | tail -1
  awk '{ printf "  CPU: %.1f s\n", $1 + $2 }' "$out.time"
  rm -f "$out.time"
  rm -rf "$out"
done
