#!/usr/bin/env bash
# Pictures of imported POV-Ray scenes to look at: for each scene, POV-Ray's render of the
# original, the modeller's camera view of the imported scene, and POV-Ray's render of the
# imported scene as the modeller saved it, side by side on one sheet.
#
#   bash bench/import_pictures.sh OUT.png [SCENE.pov ...]
#
# Without scenes it takes a few of POV-Ray's examples of the objects, csg, templates and
# textures folders. Build first: cmake --preset bench && cmake --build --preset bench --target
# orvanta-cli orvanta_picture_sheet (ORVANTA_BUILD overrides build/bench).
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${ORVANTA_BUILD:-$root/build/bench}
cli=$build/cli/orvanta-cli
sheet=$build/bench/orvanta_picture_sheet
if [[ $# -lt 1 ]]; then
    echo "usage: bash bench/import_pictures.sh OUT.png [SCENE.pov ...]" >&2
    exit 2
fi
if [ ! -x "$cli" ] || [ ! -x "$sheet" ]; then
    echo "build the bench preset first (orvanta-cli, orvanta_picture_sheet)" >&2
    exit 2
fi
out=$(realpath -m "$1")
shift
examples=${ORVANTA_SCENES:-/usr/share/doc/povray/examples}
scenes=("$@")
if [[ ${#scenes[@]} -eq 0 ]]; then
    for s in objects/primitiv.pov objects/blob.pov objects/lathe1a.pov objects/torus1.pov \
        objects/ttf1.pov objects/csg/intee1.pov templates/Basic_Scenes/Checkered_plane.pov \
        templates/Basic_Scenes/DarkBlueSky_Axes.pov textures/patterns/brick.pov \
        textures/finishes/cluster.pov; do
        [ -f "$examples/$s" ] && scenes+=("$examples/$s")
    done
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export ORVANTA_CONFIG_DIR="$work/config"
mkdir -p "$ORVANTA_CONFIG_DIR"

render() {  # scene picture: include files are looked for beside the original scene as well
    (cd "$(dirname "$1")" && timeout 120 povray +W320 +H240 -D -GR -GS +FN +A0.3 "+I$1" "+O$2" \
        "+L$(dirname "$scene")" >/dev/null 2>&1)
}
cells=()
for scene in "${scenes[@]}"; do
    name=$(basename "${scene%.pov}")
    mkdir -p "$work/$name"
    render "$scene" "$work/$name/original.png"
    timeout 120 "$cli" import "$scene" "$work/$name/imported.pov" >/dev/null 2>&1
    timeout 120 "$cli" render "$work/$name/imported.pov" --view camera --size 320x240 \
        -o "$work/$name/camera.png" >/dev/null 2>&1
    render "$work/$name/imported.pov" "$work/$name/saved.png"
    cells+=("$name: POV-Ray, original" "$work/$name/original.png"
        "$name: the modeller's camera view" "$work/$name/camera.png"
        "$name: POV-Ray, imported and saved" "$work/$name/saved.png")
done
QT_QPA_PLATFORM=offscreen "$sheet" "$out" 3 "${cells[@]}"
echo "$out"
