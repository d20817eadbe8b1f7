#!/usr/bin/env bash
# Measures the importer of POV-Ray scenes (run after "cmake --preset bench && cmake --build
# --preset bench"):
#  - fidelity: every example scene of POV-Ray's objects, objects/csg, templates and textures
#    folders is imported and saved; the original and the saved scene are rendered at 160x120
#    and the share of scenes with under 2 % of the pixels differing by more than 12 % is
#    printed, with the share of shapes that came in as editable objects;
#  - robustness: every import ends (time limit per file), crashes and time-outs are counted;
#  - speed: a scene of 100,000 primitives written as plain POV-Ray is imported, the saved file
#    is read by the modeller's own reader, and POV-Ray parses the original.
# Usage: bash bench/measure_import.sh [OUTPUT_FOLDER]   (ORVANTA_BUILD overrides build/bench)
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${ORVANTA_BUILD:-$root/build/bench}
cli=$build/cli/orvanta-cli
diff=${ORVANTA_PPM_DIFFERENCE:-$build/bench/ppm_difference}
out=${1:-$(mktemp -d /tmp/orvanta-import-XXXXXX)}
scenes=/usr/share/povray-3.7/scenes
mkdir -p "$out"
if [ ! -x "$cli" ] || [ ! -x "$diff" ]; then
  echo "build the bench preset first: cmake --preset bench && cmake --build --preset bench" >&2
  exit 2
fi
if [ ! -d "$scenes" ]; then
  echo "POV-Ray's example scenes are missing (Debian package povray-examples)" >&2
  exit 2
fi

render() {  # scene picture
  (cd "$(dirname "$1")" && timeout 300 povray +W160 +H120 -D -GR -GS +FP +A0.3 "+I$1" "+O$2" \
    >/dev/null 2>&1)
}

total=0; faithful=0; skipped=0; crashes=0; timeouts=0; shapes=0; editable=0
: > "$out/fidelity.txt"
while IFS= read -r scene; do
  # animations and scenes that need files the package lacks render nothing alone
  name=$(echo "${scene#$scenes/}" | tr '/' '_'); name=${name%.pov}
  if ! render "$scene" "$out/$name.orig.ppm"; then
    skipped=$((skipped + 1)); echo "skipped (POV-Ray cannot render it) $scene" >> "$out/fidelity.txt"
    continue
  fi
  total=$((total + 1))
  timeout 120 "$cli" import "$scene" "$out/$name.pov" > "$out/$name.report" 2>&1
  status=$?
  if [ $status -eq 124 ]; then timeouts=$((timeouts + 1)); fi
  if [ $status -gt 1 ] && [ $status -ne 124 ]; then crashes=$((crashes + 1)); fi
  summary=$(tail -n 2 "$out/$name.report" | grep -E '^[0-9]+ (von|of) [0-9]+' | head -1)
  shapes=$((shapes + $(echo "$summary" | awk '{print $3+0}')))
  editable=$((editable + $(echo "$summary" | awk '{print $1+0}')))
  render "$out/$name.pov" "$out/$name.imported.ppm"
  share=$("$diff" "$out/$name.orig.ppm" "$out/$name.imported.ppm")
  if awk "BEGIN { exit !($share < 0.02) }"; then faithful=$((faithful + 1)); fi
  echo "$share $summary $scene" >> "$out/fidelity.txt"
done < <(find "$scenes/objects" "$scenes/templates" "$scenes/textures" -name '*.pov' | sort)

echo "fidelity: $faithful of $total scenes under 2 % differing pixels" \
     "($(awk "BEGIN { printf \"%.1f\", 100 * $faithful / ($total ? $total : 1) }") %);" \
     "$skipped skipped"
echo "editable: $editable of $shapes shapes" \
     "($(awk "BEGIN { printf \"%.1f\", 100 * $editable / ($shapes ? $shapes : 1) }") %)"
echo "robustness: $crashes crashes, $timeouts time-outs"

# speed: 100,000 primitives
big=$out/primitives.pov
awk 'BEGIN { srand(1); print "#version 3.7;";
  for (i = 0; i < 100000; i++) {
    x = rand() * 100; y = rand() * 100; z = rand() * 100;
    if (i % 2) printf "sphere { <%.3f, %.3f, %.3f>, %.3f }\n", x, y, z, 0.1 + rand();
    else printf "box { <%.3f, %.3f, %.3f>, <%.3f, %.3f, %.3f> }\n", x, y, z, x + 1, y + 1, z + 1 } }' > "$big"
seconds() { local s e; s=$(date +%s.%N); "$@" > /dev/null 2>&1; e=$(date +%s.%N); awk "BEGIN { printf \"%.2f\", $e - $s }"; }
import=$(seconds "$cli" import "$big" "$out/primitives.om")
reader=$(seconds "$cli" check "$out/primitives.om")
povray=$(cd "$out" && seconds povray -D +W1 +H1 -GA "+I$big" "+O$out/primitives.ppm")
echo "speed: import $import s, the modeller's reader $reader s (same objects), POV-Ray $povray s"
