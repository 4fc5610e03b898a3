#!/usr/bin/env bash
# The Slurm test, kept out of the default test command: it needs root, and the network
# when Debian's slurm-wlm and munge are not installed yet (their own services are kept
# from starting). It starts a one-node Slurm cluster of its own under a temporary
# folder (its own munge key and socket, ports, state and logs; nothing of /etc/slurm
# or /etc/munge is used) and runs with this build's orvantis-cli:
#  - the README's job array (study.sh) and its gathering job (gather.sh), submitted
#    to start once the array has ended: study.csv must be byte for byte the whole
#    sweep, and Slurm must record exit status 0:0 for every task and the gathering;
#  - the README's job script with a grid too long for its one-minute time limit: Slurm
#    must record TIMEOUT and exit status 143:0, no orvantis-cli may run on, the file
#    must hold whole rows, and the job's standard error must say how many rows of how
#    many it wrote; requeued with a longer limit, the task must finish its shard, whose
#    rows must equal the same rows flown on their own.
# It stops exactly the daemons it started (by their pid files) and removes the folder.
#   scripts/slurm_test.sh [ORVANTIS-CLI]   (default: a Qt-free build in build/slurm)
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
[ "$(id -u)" -eq 0 ] || { echo "slurm_test.sh needs root (slurmd, munged)" >&2; exit 1; }
fail() { echo "FAIL: $*" >&2; exit 1; }

cli="${1:-}"
if [ -z "$cli" ]; then
  echo "== building orvantis-cli (build/slurm)"
  cmake -S "$here" -B "$here/build/slurm" -G Ninja -DCMAKE_BUILD_TYPE=Release -DORVANTIS_BUILD_UI=OFF \
    -DORVANTIS_BUILD_BENCH=OFF -DCMAKE_DISABLE_FIND_PACKAGE_Qt6=TRUE > /dev/null
  cmake --build "$here/build/slurm" --target orvantis-cli -j2 > /dev/null
  cli="$here/build/slurm/orvantis-cli"
fi
[ -x "$cli" ] || fail "no orvantis-cli at $cli"

if ! command -v slurmctld > /dev/null || ! command -v munged > /dev/null; then
  echo "== apt-get install slurm-wlm munge"
  # A policy that keeps the packages' own services from starting, unless one is there.
  policy=/usr/sbin/policy-rc.d
  added=
  if [ ! -e "$policy" ]; then
    printf '#!/bin/sh\nexit 101\n' > "$policy"
    chmod 755 "$policy"
    added=1
  fi
  export DEBIAN_FRONTEND=noninteractive
  status=0
  apt-get install -y -qq --no-install-recommends slurm-wlm munge > /dev/null 2>&1 ||
    { apt-get update -qq && apt-get install -y -qq --no-install-recommends slurm-wlm munge > /dev/null; } ||
    status=$?
  [ -z "$added" ] || rm -f "$policy"
  [ "$status" = 0 ] || fail "cannot install slurm-wlm and munge"
fi
echo "slurm $(slurmctld -V | awk '{print $2}'), munge $(munged -V | awk '{print $1}' | cut -d- -f2)"

tmp="$(mktemp -d /tmp/orvantis-slurm.XXXXXX)"
started=()  # pid files of the daemons this script started, last started first
stop_cluster() {
  set +e
  # shellcheck disable=SC2046 # job numbers are words
  [ -f "$tmp/slurm.conf" ] && SLURM_CONF="$tmp/slurm.conf" scancel --quiet --full --signal=KILL \
    $(SLURM_CONF="$tmp/slurm.conf" squeue -h -o %A 2> /dev/null) 2> /dev/null
  for pidfile in "${started[@]}"; do
    pid="$(cat "$pidfile" 2> /dev/null)" || continue
    [ -n "$pid" ] && kill "$pid" 2> /dev/null || continue
    for _ in $(seq 100); do kill -0 "$pid" 2> /dev/null || break; sleep 0.1; done
    kill -0 "$pid" 2> /dev/null && kill -KILL "$pid"
  done
  rm -rf "$tmp"
}
trap stop_cluster EXIT

echo "== a one-node cluster in $tmp"
mkdir -p "$tmp/munge" "$tmp/state" "$tmp/spool" "$tmp/bin" "$tmp/study" "$tmp/timed"
chmod 700 "$tmp/munge"
mungekey --create --keyfile="$tmp/munge/munge.key"
munged --force --key-file="$tmp/munge/munge.key" --socket="$tmp/munge/socket" \
  --pid-file="$tmp/munge/munged.pid" --log-file="$tmp/munge/munged.log" --seed-file="$tmp/munge/munged.seed"
started=("$tmp/munge/munged.pid" "${started[@]}")
host="$(hostname -s)"
cat > "$tmp/slurm.conf" << EOF
ClusterName=orvantis
SlurmctldHost=$host(127.0.0.1)
SlurmUser=root
SlurmctldPort=26817
SlurmdPort=26818
AuthType=auth/munge
AuthInfo=socket=$tmp/munge/socket
CredType=cred/munge
StateSaveLocation=$tmp/state
SlurmdSpoolDir=$tmp/spool
SlurmctldPidFile=$tmp/slurmctld.pid
SlurmdPidFile=$tmp/slurmd.pid
SlurmctldLogFile=$tmp/slurmctld.log
SlurmdLogFile=$tmp/slurmd.log
ProctrackType=proctrack/linuxproc
TaskPlugin=task/none
SelectType=select/cons_tres
SelectTypeParameters=CR_Core
JobAcctGatherType=jobacct_gather/none
AccountingStorageType=accounting_storage/none
MpiDefault=none
SwitchType=switch/none
ReturnToService=2
MinJobAge=3600
KillWait=10
NodeName=$host NodeAddr=127.0.0.1 CPUs=$(nproc) State=UNKNOWN
PartitionName=test Nodes=ALL Default=YES MaxTime=INFINITE State=UP
EOF
export SLURM_CONF="$tmp/slurm.conf"
slurmctld -i
started=("$tmp/slurmctld.pid" "${started[@]}")
slurmd -N "$host"
started=("$tmp/slurmd.pid" "${started[@]}")
for _ in $(seq 300); do
  [ "$(sinfo -h -o %T 2> /dev/null)" = idle ] && break
  sleep 0.2
done
[ "$(sinfo -h -o %T)" = idle ] || { tail -n 5 "$tmp/slurmctld.log" "$tmp/slurmd.log"; fail "the node is not idle"; }
echo "node $host idle, $(nproc) processors"

cp "$cli" "$tmp/bin/orvantis-cli"
export PATH="$tmp/bin:$PATH"
# The README's scripts: its indented blocks that begin with #!/bin/bash.
awk -v out="$tmp/script" '
  /^    #!\/bin\/bash$/ { n++; inside = 1 }
  inside && !/^    / { inside = 0 }
  inside { sub(/^    /, ""); print > (out n ".sh") }' "$here/README.md"
[ -f "$tmp/script1.sh" ] && [ -f "$tmp/script2.sh" ] || fail "the README shows no job array and gathering job"
n="$(sed -n 's/^#SBATCH --array=1-\([0-9]*\)$/\1/p' "$tmp/script1.sh")"
grid="$(grep -o -- '--vary [^ ]*' "$tmp/script1.sh" | tr '\n' ' ')"

# Waits until the jobs have left the queue (at most `seconds`).
wait_jobs() {
  local seconds=$1
  shift
  for _ in $(seq $((seconds * 2))); do
    [ -z "$(squeue -h -j "$(IFS=,; echo "$*")" 2> /dev/null)" ] && return 0
    sleep 0.5
  done
  fail "jobs $* still queued after $seconds s: $(squeue -h -j "$(IFS=,; echo "$*")")"
}
field() { scontrol -o show job "$1" | tr ' ' '\n' | sed -n "s/^$2=//p"; }
ours_running() {
  for p in /proc/[0-9]*; do
    [ "$(readlink "$p/exe" 2> /dev/null)" = "$tmp/bin/orvantis-cli" ] && echo "${p#/proc/}"
  done
  return 0
}

echo "== the README's job array and its gathering job"
cd "$tmp/study"
cp "$tmp/script1.sh" study.sh
cp "$tmp/script2.sh" gather.sh
job="$(sbatch --parsable study.sh)"
gather="$(sbatch --parsable --dependency="afterany:$job" gather.sh "$n")"
echo "array $job (1-$n), gathering $gather"
wait_jobs 600 "$job" "$gather"
codes="$(field "$job" ExitCode | sort | uniq -c | xargs)"
[ "$codes" = "$n 0:0" ] || fail "the array's exit status: $codes"
[ "$(field "$gather" JobState)/$(field "$gather" ExitCode)" = "COMPLETED/0:0" ] ||
  fail "the gathering: $(field "$gather" JobState) $(field "$gather" ExitCode); $(cat slurm-"$gather".out)"
# shellcheck disable=SC2086 # the grid is words
orvantis-cli sweep $grid > whole.csv
cmp study.csv whole.csv || fail "the gathered study differs from the whole sweep"
echo "study.csv: $(($(wc -l < study.csv) - 1)) rows from $n shards, byte for byte the whole sweep; exit status 0:0 each"

echo "== the README's job script under a time limit of one minute"
cd "$tmp/timed"
# Runs of about half a second and more each; 3 minutes of one processor's work.
fine="--dt 1e-6 --vary angle=20:20.009:0.001"
start=$(date +%s%N)
# shellcheck disable=SC2086
orvantis-cli sweep --jobs 1 $fine > /dev/null
each=$(( ($(date +%s%N) - start) / 10 ))
runs=$(( 180000000000 / each + 1 ))
tgrid="--dt 1e-6 --vary angle=20:$(awk -v r="$runs" 'BEGIN { printf "%.3f", 20 + (r - 1) / 1000 }'):0.001"
sed -e "s/^#SBATCH --array=.*/#SBATCH --array=1-1\n#SBATCH --time=1\n#SBATCH --cpus-per-task=1\n#SBATCH --open-mode=append/" \
  -e "s|--vary angle=-10:45:5 --vary mass=0.1:0.3:0.1|$tgrid|" "$tmp/script1.sh" > timed.sh
grep -q -- "$tgrid" timed.sh || fail "cannot put the long grid into the README's script"
tjob="$(sbatch --parsable -o timed.out timed.sh)"
echo "job $tjob: $runs runs of about $((each / 1000000)) ms on one processor"
wait_jobs 300 "$tjob"
state="$(field "$tjob" JobState)/$(field "$tjob" ExitCode)"
echo "recorded: $state"
[ "$state" = "TIMEOUT/143:0" ] || fail "recorded $state, not TIMEOUT/143:0; $(cat timed.out)"
[ -z "$(ours_running)" ] || fail "orvantis-cli runs on after its job: $(ours_running)"
rows=$(($(wc -l < shard-1.csv) - 1))
said="$(grep '^orvantis-cli' timed.out)"
echo "$said"
[ "$said" = "orvantis-cli: sweep stopped with $rows of $runs rows written" ] || fail "the job said: $(cat timed.out)"
[ "$rows" -gt 0 ] && [ "$rows" -lt "$runs" ] || fail "$rows of $runs rows before the time limit"
[ "$(grep -c $'\r$' shard-1.csv)" = "$((rows + 1))" ] && [ "$(tail -c 2 shard-1.csv | od -An -tx1 | tr -d ' \n')" = 0d0a ] ||
  fail "shard-1.csv does not hold whole rows"
cp shard-1.csv stopped.csv

echo "== requeued with a longer time limit"
scontrol requeuehold "$tjob"
scontrol update JobId="$tjob" TimeLimit=60
scontrol release "$tjob"
sleep 1
wait_jobs 1800 "$tjob"
state="$(field "$tjob" JobState)/$(field "$tjob" ExitCode)"
echo "recorded: $state"
[ "$state" = "COMPLETED/0:0" ] || fail "the requeued task: $state; $(cat timed.out)"
[ "$(wc -l < shard-1.csv)" = "$((runs + 1))" ] || fail "the requeued shard has $(wc -l < shard-1.csv) lines"
cmp -n "$(stat -c %s stopped.csv)" stopped.csv shard-1.csv || fail "the requeued task changed the rows it had"
# The rows on either side of the stop, the first and the last, each flown on its own
# as a shard of one run.
for row in 1 "$rows" $((rows + 1)) "$runs"; do
  # shellcheck disable=SC2086
  own="$(orvantis-cli sweep $tgrid --shard "$row/$runs" --no-header)"
  [ "$own" = "$(sed -n "$((row + 1))p" shard-1.csv)" ] || fail "row $row differs from its own run"
done
echo "shard-1.csv: $runs rows, continued after row $rows; rows 1, $rows, $((rows + 1)), $runs as flown on their own"
echo "PASS"
