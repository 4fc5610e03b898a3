#!/usr/bin/env bash
# The folders form layers: a file includes only its own folder and folders below it,
# and the Qt-free core (base, subrout, metka1 and haupt's computation) never
# includes a Qt header or a Qt-side folder. Prints every include that breaks this.
set -euo pipefail
cd "$(dirname "$0")/.."
rank() {
  case "$1" in
    base) echo 0 ;; subrout) echo 1 ;; metka1) echo 2 ;; toolkit) echo 3 ;; haupt) echo 4 ;;
    sprache) echo 5 ;; cli | tavin) echo 6 ;; *) echo 9 ;;
  esac
}
# haupt's window side; every other haupt file belongs to the core.
qt_side_haupt='^haupt/(form2|form2_handlers|form2_tools|interface_texts|haupt_state)\.'
bad=0
for file in base/* subrout/* metka1/* toolkit/* haupt/* sprache/* tavin/* $(ls cli/* 2>/dev/null); do
  case "$file" in *.h | *.cpp) ;; *) continue ;; esac
  folder=${file%%/*}
  core=0
  case "$folder" in base | subrout | metka1) core=1 ;; haupt) [[ $file =~ $qt_side_haupt ]] || core=1 ;; esac
  while IFS= read -r target; do
    to=${target%%/*}
    if [ "$(rank "$to")" -gt "$(rank "$folder")" ]; then
      echo "$file includes $target, a folder above its own"; bad=1
    fi
    if [ $core = 1 ] && [[ $to =~ ^(toolkit|sprache|tavin|cli)$ ]]; then
      echo "$file (Qt-free) includes $target"; bad=1
    fi
  done < <(sed -n 's/^#include "\([a-z0-9_]*\/[^"]*\)".*/\1/p' "$file")
  if [ $core = 1 ] && grep -q '^#include <Q' "$file"; then
    echo "$file (Qt-free) includes a Qt header"; bad=1
  fi
done
[ $bad = 0 ] && echo "include graph: no include against the layers"
exit $bad
