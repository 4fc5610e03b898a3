#!/usr/bin/env bash
# The README's Slurm job array and its gathering job, run as written with this build's
# orvantis-cli, each task as Slurm would start it (its array variables set): the
# gathered study.csv must be byte for byte the whole sweep, a task run again must
# leave its complete shard as it is, and an incomplete shard must stop the gathering
# before study.csv is written. scripts/slurm_test.sh runs the same under Slurm.
#   slurm_example.sh <orvantis-cli> <README.md>
set -euo pipefail
cli="$(cd "$(dirname "$1")" && pwd)/$(basename "$1")"
fail() { echo "FAIL: $*" >&2; exit 1; }
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
# The indented blocks that begin with #!/bin/bash: the job array's, then the gathering's.
awk -v out="$work/script" '
  /^    #!\/bin\/bash$/ { n++; inside = 1 }
  inside && !/^    / { inside = 0 }
  inside { sub(/^    /, ""); print > (out n ".sh") }' "$2"
[ -f "$work/script1.sh" ] && [ -f "$work/script2.sh" ] || fail "the README shows no job array and gathering job"
mv "$work/script1.sh" "$work/study.sh"
mv "$work/script2.sh" "$work/gather.sh"
n="$(sed -n 's/^#SBATCH --array=1-\([0-9]*\)$/\1/p' "$work/study.sh")"
grid="$(grep -o -- '--vary [^ ]*' "$work/study.sh" | tr '\n' ' ')"
[ -n "$n" ] && [ -n "$grid" ] || fail "cannot tell the job array's size and grid"
cd "$work"
mkdir bin
ln -s "$cli" bin/orvantis-cli
export PATH="$work/bin:$PATH"
task() { SLURM_ARRAY_TASK_ID=$1 SLURM_ARRAY_TASK_COUNT=$n bash study.sh; }
for k in $(seq "$n"); do task "$k"; done
bash gather.sh "$n"
# shellcheck disable=SC2086 # the grid is words
"$cli" sweep $grid > whole.csv
cmp study.csv whole.csv || fail "the gathered shards differ from the whole sweep"
cp shard-2.csv complete.csv
task 2
cmp shard-2.csv complete.csv || fail "a task run again changed its complete shard"
rm study.csv
head -c -1 complete.csv > shard-2.csv
if bash gather.sh "$n" 2> said.txt; then fail "the gathering took an incomplete shard"; fi
[ ! -e study.csv ] || fail "the gathering wrote study.csv from an incomplete shard"
grep -q "shard-2.csv is not complete" said.txt || fail "the gathering did not name the incomplete shard"
task 2
bash gather.sh "$n"
cmp study.csv whole.csv || fail "the shard continued with --resume differs"
echo "PASS: $(($(wc -l < whole.csv) - 1)) rows in $n shards, gathered as the whole sweep"
