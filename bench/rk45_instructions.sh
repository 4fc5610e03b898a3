#!/usr/bin/env bash
# Instructions per rk45 flight of the default harpoon, counted by callgrind: a sweep
# of N + 1 flights on one thread less a sweep of one flight (the process's start-up,
# the heading, the first flight's warm-up), over N. The time step, which the rk45
# run does not use, is the varied input, so every flight is the default one. The
# goal is at most 130,000.
# Usage: rk45_instructions.sh <path to orvantis-cli> [N, default 1000]
set -euo pipefail
program="$(realpath "$1")"
flights="${2:-1000}"
count() {  # instructions of a sweep over dt = 1e-4, 2e-4, ... ($1 values)
  valgrind --tool=callgrind --callgrind-out-file=/dev/null "$program" sweep --method rk45 --jobs 1 \
    --vary "dt=0.0001:$(echo "$1 * 0.0001" | bc -l):0.0001" 2>&1 >/dev/null |
    sed -n 's/.*Collected : \([0-9]*\).*/\1/p'
}
one="$(count 1)"
many="$(count $((flights + 1)))"
echo "rk45 flight of the default harpoon: $(((many - one) / flights)) instructions" \
  "(callgrind, $flights flights less one; start-up $one)"
