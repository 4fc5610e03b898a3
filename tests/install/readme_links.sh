#!/usr/bin/env bash
# Every link of the README to a file of the project leads to one that a fresh checkout
# has: tracked by git (when this is a git checkout), not made by a build.
#   readme_links.sh <source folder>
set -euo pipefail
cd "$1"
in_checkout() {
  if git rev-parse --git-dir > /dev/null 2>&1; then
    git ls-files --error-unmatch -- "$1" > /dev/null 2>&1
  else
    [ -e "$1" ]
  fi
}
missing=0
links=0
while IFS= read -r target; do
  target="${target%%#*}"
  [ -n "$target" ] || continue
  links=$((links + 1))
  in_checkout "$target" || { echo "FAIL: README.md links $target, which a fresh checkout does not have" >&2; missing=1; }
done < <(grep -o '](\([^)]*\))' README.md | sed 's/^](\(.*\))$/\1/' | grep -v '^[a-z]*:' || true)
[ "$missing" -eq 0 ] && echo "PASS: the $links files the README links are in the checkout"
