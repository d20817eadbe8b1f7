#!/usr/bin/env bash
# Measures the importer of POV-Ray scenes against the modeller's own reader in one run (build
# first: cmake --preset bench && cmake --build --preset bench --target orvanta-cli ppm_difference):
#  - every example scene of POV-Ray: does it read without problems, does it give objects, with
#    the importer and with the modeller's own reader;
#  - fidelity: the scenes of the objects, objects/csg, templates and textures folders that
#    POV-Ray renders alone are rendered at 160x120 as they are, after importing and saving, and
#    after reading and saving with the modeller's own reader; a scene renders like the original
#    when under 2 % of its pixels differ by more than 12 %; with the share of shapes that came
#    in as editable objects;
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
scenes=${ORVANTA_SCENES:-/usr/share/doc/povray/examples/}
mkdir -p "$out"
if [ ! -x "$cli" ] || [ ! -x "$diff" ]; then
  echo "build the bench preset first: cmake --preset bench && cmake --build --preset bench" >&2
  exit 2
fi
if [ ! -d "$scenes" ]; then
  echo "POV-Ray's example scenes are missing (Debian package povray-examples)" >&2
  exit 2
fi
export LC_ALL=C

render() {  # scene picture
  (cd "$(dirname "$1")" && timeout 120 povray +W160 +H120 -D -GR -GS +FP +A0.3 "+I$1" "+O$2" \
    >/dev/null 2>&1)
}
objects() {  # the number of objects of a modeller scene, 0 when it does not read
  timeout 60 "$cli" dump "$1" 2>/dev/null | jq '.objects | length' 2>/dev/null || echo 0
}
faithful() {  # original picture: prints 1 when the picture renders like the original
  if [ -f "$2" ] && awk "BEGIN { exit !($("$diff" "$1" "$2") < 0.02) }"; then echo 1; else echo 0; fi
}

now() { date +%s.%N; }
pct() { awk "BEGIN { printf \"%.1f\", 100 * $1 / ($2 ? $2 : 1) }"; }
import_time=0; reader_time=0; all_editable=0; all_shapes=0; all_raw=0
n=0; import_clean=0; import_objects=0; reader_clean=0; reader_objects=0
crashes=0; timeouts=0
total=0; skipped=0; import_faithful=0; reader_faithful=0; shapes=0; editable=0
printf '# import: clean objects faithful | reader: clean objects faithful | shapes | scene\n' \
  > "$out/scenes.txt"
while IFS= read -r scene; do
  n=$((n + 1))
  name=$(echo "${scene#$scenes}" | tr '/' '_'); name=${name%.pov}

  # the importer
  t0=$(now)
  timeout 120 "$cli" import "$scene" "$out/$name.import.pov" > "$out/$name.report" 2>&1
  status=$?
  import_time=$(awk "BEGIN { print $import_time + $(now) - $t0 }")
  if [ $status -eq 124 ]; then timeouts=$((timeouts + 1)); fi
  if [ $status -gt 1 ] && [ $status -ne 124 ]; then crashes=$((crashes + 1)); fi
  # "E von S Formen als bearbeitbare Objekte, A angenähert, R als POV-Ray-Text, P Probleme"
  read -r e s _ r p <<< "$(grep -E '^[0-9]+ (von|of) [0-9]+' "$out/$name.report" | tail -1 |
    grep -oE '[0-9]+' | tr '\n' ' ')"
  ic=0; [ $status -le 1 ] && [ "${p:-1}" -eq 0 ] && ! grep -qE 'abgebrochen|stopped' \
    "$out/$name.report" && ic=1
  io=$(objects "$out/$name.import.pov"); [ "$io" -gt 0 ] && import_objects=$((import_objects + 1))
  import_clean=$((import_clean + ic))
  all_editable=$((all_editable + ${e:-0})); all_shapes=$((all_shapes + ${s:-0}))
  all_raw=$((all_raw + ${r:-0}))

  # the modeller's own reader
  t0=$(now)
  rc=0; timeout 60 "$cli" convert "$scene" "$out/$name.reader.pov" > /dev/null 2>&1 && rc=1
  reader_time=$(awk "BEGIN { print $reader_time + $(now) - $t0 }")
  ro=$(objects "$out/$name.reader.pov"); [ "$ro" -gt 0 ] && reader_objects=$((reader_objects + 1))
  reader_clean=$((reader_clean + rc))

  # fidelity over the four folders
  iff=-; rf=-
  case "$scene" in
    "$scenes"objects/*|"$scenes"templates/*|"$scenes"textures/*)
      if render "$scene" "$out/$name.orig.ppm"; then
        total=$((total + 1))
        shapes=$((shapes + ${s:-0})); editable=$((editable + ${e:-0}))
        render "$out/$name.import.pov" "$out/$name.import.ppm"
        render "$out/$name.reader.pov" "$out/$name.reader.ppm"
        iff=$(faithful "$out/$name.orig.ppm" "$out/$name.import.ppm")
        rf=$(faithful "$out/$name.orig.ppm" "$out/$name.reader.ppm")
        import_faithful=$((import_faithful + iff)); reader_faithful=$((reader_faithful + rf))
      else
        skipped=$((skipped + 1))  # animations and scenes needing files the package lacks
      fi ;;
  esac
  echo "$ic $io $iff | $rc $ro $rf | ${e:-0}/${s:-0} | ${scene#$scenes}" >> "$out/scenes.txt"
done < <(find "$scenes" -name '*.pov' | sort)

echo "example scenes: $n"
echo "  read without problems: importer $import_clean, the modeller's reader $reader_clean"
echo "  give objects:          importer $import_objects, the modeller's reader $reader_objects"
echo "  importer over all: $all_editable of $all_shapes shapes editable" \
     "($(pct $all_editable $all_shapes) %), $all_raw statements kept as POV-Ray text"
echo "  time, read and save all: importer $(printf %.1f "$import_time") s," \
     "the modeller's reader $(printf %.1f "$reader_time") s"
echo "fidelity over objects, objects/csg, templates, textures: $total scenes ($skipped skipped)"
echo "  render like the original: importer $import_faithful ($(pct $import_faithful $total) %)," \
     "the modeller's reader $reader_faithful ($(pct $reader_faithful $total) %)"
echo "  editable: $editable of $shapes shapes ($(pct $editable $shapes) %)"
echo "robustness: $crashes crashes, $timeouts time-outs of the importer"

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
