#!/usr/bin/env bash
# Measures reading, dumping and converting groups nested in the modeller's own format: each
# level a union whose one member is the level before. Prints, per batch tool given and per
# depth, the seconds of `check`, `dump` and `convert` and the size of the JSON dump. Give two
# batch tools (the previous version and this one) to compare them in one run.
#
#   bash bench/nesting_depth.sh CLI [CLI...]      (depths: NESTING_LEVELS, default 1000 2000 4000)
set -uo pipefail
[ $# -ge 1 ] || { echo "usage: bench/nesting_depth.sh ORVANTA_CLI [ORVANTA_CLI...]" >&2; exit 2; }
limit=${NESTING_TIME_LIMIT:-120}
work=$(mktemp -d /tmp/orvanta-nesting-XXXXXX)
trap 'rm -rf "$work"' EXIT

scene() {
  local levels=$1 file=$2
  {
    printf '#declare G0 = sphere {\r\n  <0.0,0.0,0.0>,1.0\r\n}\r\n\r\n'
    for ((i = 1; i <= levels; i++)); do
      printf '#declare G%d = union {\r\n  object { G%d }\r\n  translate <0.001,0.0,0.0>\r\n}\r\n\r\n' "$i" $((i - 1))
    done
    printf 'object {\r\n  G%d\r\n}\r\n' "$levels"
  } >"$file"
}

# seconds of one command, or "time-out"/"exit N"
timed() {
  local start end status
  start=$(date +%s.%N)
  timeout "$limit" "$@" >"$work/out" 2>"$work/err"
  status=$?
  end=$(date +%s.%N)
  case $status in
    0 | 1) printf '%.2f' "$(echo "$end - $start" | bc)" ;;
    124) printf 'time-out' ;;
    *) printf 'exit %d' "$status" ;;
  esac
}

echo "cores: $(nproc), load before: $(cut -d' ' -f1-3 /proc/loadavg), time limit ${limit}s"
printf '%-40s %7s %9s %9s %9s %12s\n' "batch tool" levels "check s" "dump s" "convert s" "dump bytes"
for levels in ${NESTING_LEVELS:-1000 2000 4000}; do
  scene "$levels" "$work/nested.pov"
  for cli in "$@"; do
    check=$(timed "$cli" check "$work/nested.pov")
    dump=$(timed "$cli" dump "$work/nested.pov")
    bytes=$(stat -c %s "$work/out")
    [[ $dump =~ ^[0-9] ]] || bytes=-
    convert=$(timed "$cli" convert "$work/nested.pov" "$work/converted.pov")
    printf '%-40s %7d %9s %9s %9s %12s\n' "$cli" "$levels" "$check" "$dump" "$convert" "$bytes"
  done
done
