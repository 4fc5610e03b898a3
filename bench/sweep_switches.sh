#!/usr/bin/env bash
# How a sweep hands its rows on, seen from outside:
# - context switches of `orvantis-cli sweep --jobs 1` of 1,000 flights written to a
#   file, voluntary and involuntary (the kernel's counts for the process and its
#   threads, as /proc/PID/status keeps them; read through wait4). The goal is
#   fewer than 50.
# - a pipe gets each row at once: `sweep | head -n 2` of a grid that would take
#   seconds ends in about the time of its first rows, on one thread and on two.
# Usage: sweep_switches.sh <path to orvantis-cli>
set -euo pipefail
program="$(realpath "$1")"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
for method in rk45 euler; do
  python3 - "$program" "$method" "$work/rows.csv" <<'PY'
import os, sys
program, method, out = sys.argv[1:4]
args = [program, "sweep", "--jobs", "1", "--method", method, "--vary", "angle=-45:44.91:0.09"]
with open(out, "wb") as f:
    pid = os.fork()
    if pid == 0:
        os.dup2(f.fileno(), 1)
        os.execv(program, args)
    _, status, usage = os.wait4(pid, 0)
rows = sum(1 for _ in open(out, "rb")) - 1
print(f"sweep --jobs 1 --method {method}, {rows} flights to a file: "
      f"{usage.ru_nvcsw + usage.ru_nivcsw} context switches "
      f"({usage.ru_nvcsw} voluntary, {usage.ru_nivcsw} involuntary), exit {os.waitstatus_to_exitcode(status)}")
PY
done
for jobs in 1 2; do
  start=$EPOCHREALTIME
  "$program" sweep --jobs "$jobs" --vary angle=0:89.99:0.01 | head -n 2 > "$work/head.csv" || true
  end=$EPOCHREALTIME
  echo "sweep --jobs $jobs of 9,000 flights | head -n 2: $(wc -l < "$work/head.csv") lines in" \
    "$(echo "($end - $start) * 1000" | bc -l | xargs printf '%.0f') ms"
done
