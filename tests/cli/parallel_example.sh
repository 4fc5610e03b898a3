#!/usr/bin/env bash
# The README's GNU parallel example, run as written with this build's orvantis-cli: its
# shards, concatenated, must be byte for byte the whole sweep of the same grid.
#   parallel_example.sh <orvantis-cli> <README.md>
set -euo pipefail
cli="$(cd "$(dirname "$1")" && pwd)/$(basename "$1")"
fail() { echo "FAIL: $*" >&2; exit 1; }
command="$(sed -n 's/^    \(parallel .*\)$/\1/p' "$2" | head -n 1)"
[ -n "$command" ] || fail "the README shows no GNU parallel example"
output="$(sed -n 's/.*> *\([^ ]*\) *$/\1/p' <<< "$command")"
grid="$(grep -o -- '--vary [^ ]*' <<< "$command" | tr '\n' ' ')"
[ -n "$output" ] && [ -n "$grid" ] || fail "cannot tell the example's grid and output: $command"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cd "$work"
mkdir bin
ln -s "$cli" bin/orvantis-cli
PATH="$work/bin:$PATH" bash -euo pipefail -c "$command"
# shellcheck disable=SC2086 # the grid is words
"$cli" sweep $grid > whole.csv
cmp "$output" whole.csv || fail "the shards of '$command' differ from the whole sweep"
echo "PASS: $(($(wc -l < whole.csv) - 1)) rows in $(grep -o 'seq [0-9]*' <<< "$command") shards, as the whole sweep"
