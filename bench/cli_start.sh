#!/usr/bin/env bash
# orvantis-cli run with the default values, end to end as a shell sees it (process
# start, the flight, the results file, exit), repeated; prints the median and the
# slowest run in milliseconds. The goal is a median under 20 ms.
# Usage: cli_start.sh <path to orvantis-cli> [runs, default 100]
set -euo pipefail
program="$(realpath "$1")"
runs="${2:-100}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cd "$work"
"$program" run > /dev/null  # warm the page cache
times=()
for _ in $(seq "$runs"); do
  start=$EPOCHREALTIME
  "$program" run > /dev/null
  end=$EPOCHREALTIME
  times+=("$(echo "($end - $start) * 1000" | bc -l)")
done
printf '%s\n' "${times[@]}" | sort -g | awk -v n="$runs" '
  { t[NR] = $1 }
  END { printf "orvantis-cli run, %d runs: median %.2f ms, slowest %.2f ms\n", n, t[int((n + 1) / 2)], t[n] }'
