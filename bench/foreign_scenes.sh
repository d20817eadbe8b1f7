#!/usr/bin/env bash
# Reads POV-Ray's example scenes (Debian package povray-examples) with `orvanta-cli check` and
# counts what the reader makes of foreign scenes: files read without problems, objects read,
# problems by kind, files that could not be read, crashes and time-outs. Crashes and time-outs
# must be zero; the script exits with 1 when there are any. The other numbers only measure:
# scenes written for POV-Ray itself use far more of its language than the modeller reads.
#
# usage: bench/foreign_scenes.sh [ORVANTA_CLI] [EXAMPLES_FOLDER] [SECONDS_PER_FILE]
# Exits with 77 (skipped) when the examples are not installed.
set -uo pipefail
cd "$(dirname "$0")/.."

cli=${1:-build/release/cli/orvanta-cli}
folder=${2:-/usr/share/doc/povray/examples}
limit=${3:-20}

if [ ! -x "$cli" ]; then
  echo "foreign_scenes: no batch tool at $cli (build it first)" >&2
  exit 2
fi
cli=$(realpath "$cli")
if [ ! -d "$folder" ]; then
  echo "foreign_scenes: no example scenes in $folder (Debian package povray-examples)"
  exit 77
fi

out=$(mktemp)
err=$(mktemp)
problems=$(mktemp)
trap 'rm -f "$out" "$err" "$problems"' EXIT

files=0 clean=0 unreadable=0 crashes=0 timeouts=0 objects=0 empty=0
start=$(date +%s)
while IFS= read -r -d '' file; do
  files=$((files + 1))
  timeout "$limit" "$cli" check --stats "$file" >"$out" 2>"$err"
  status=$?
  case $status in
    0 | 1)
      read_objects=$(sed -n 's/^objects read: //p' "$out")
      if [ -z "$read_objects" ]; then
        unreadable=$((unreadable + 1))
        echo "unreadable: $file: $(head -c 200 "$err")"
        continue
      fi
      objects=$((objects + read_objects))
      [ "$read_objects" -eq 0 ] && empty=$((empty + 1))
      [ $status -eq 0 ] && clean=$((clean + 1))
      # "LINE: Kind: ..." -> Kind
      grep -v '^objects read: ' "$out" | sed -E 's/^[0-9]+: //; s/^([^:(;]*).*/\1/' >>"$problems"
      ;;
    124)
      timeouts=$((timeouts + 1))
      echo "time-out after ${limit}s: $file"
      ;;
    *)
      crashes=$((crashes + 1))
      echo "crash (exit status $status): $file"
      tail -n 5 "$err"
      ;;
  esac
done < <(find "$folder" -name '*.pov' -print0 | sort -z)
seconds=$(($(date +%s) - start))

echo
echo "example scenes:            $files (in $folder)"
echo "read without problems:     $clean"
echo "read with problems:        $((files - clean - unreadable - crashes - timeouts))"
echo "not readable:              $unreadable"
echo "objects read:              $objects"
echo "files without any object:  $empty"
echo "crashes:                   $crashes"
echo "time-outs (${limit}s):          $timeouts"
echo "time:                      ${seconds}s"
echo "problems by kind:"
sort "$problems" | uniq -c | sort -rn | sed 's/^/  /'

[ $crashes -eq 0 ] && [ $timeouts -eq 0 ]
