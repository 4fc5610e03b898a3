#!/usr/bin/env bash
# The folders form layers: a file includes only its own folder and folders below it,
# and the Qt-free core (base, physics, files, charts, flight) never includes a Qt
# header or a folder of the Qt side. Prints every include that breaks this.
set -euo pipefail
cd "$(dirname "$0")/.."
rank() {
  case "$1" in
    base) echo 0 ;; physics) echo 1 ;; files) echo 2 ;; charts) echo 3 ;; flight) echo 4 ;;
    toolkit) echo 5 ;; gui) echo 6 ;; cli | app) echo 7 ;; *) echo 9 ;;
  esac
}
bad=0
for file in base/* physics/* files/* charts/* flight/* toolkit/* gui/* app/* cli/*; do
  case "$file" in *.h | *.cpp) ;; *) continue ;; esac
  folder=${file%%/*}
  core=0
  [ "$(rank "$folder")" -le 4 ] && core=1
  while IFS= read -r target; do
    to=${target%%/*}
    if [ "$(rank "$to")" -gt "$(rank "$folder")" ]; then
      echo "$file includes $target, a folder above its own"; bad=1
    fi
    if [ $core = 1 ] && [ "$(rank "$to")" -gt 4 ]; then
      echo "$file (Qt-free) includes $target"; bad=1
    fi
  done < <(sed -n 's/^#include "\([a-z0-9_]*\/[^"]*\)".*/\1/p' "$file")
  if [ $core = 1 ] && grep -q '^#include <Q' "$file"; then
    echo "$file (Qt-free) includes a Qt header"; bad=1
  fi
done
[ $bad = 0 ] && echo "include graph: no include against the layers"
exit $bad
