#!/usr/bin/env bash
# Installs a build folder into a temporary DESTDIR (prefix /usr) and checks one side
# of the installed tree:
#   files <build> <expected list>  exactly the listed files; programs executable,
#                                  the rest 0644; each PNG icon as large as its folder says
#   man <build>                    every man page renders without a warning
#   desktop <build>                desktop-file-validate accepts the menu entry
#   metainfo <build>               appstreamcli accepts the metainfo, alone and with the tree
set -euo pipefail
mode="$1"
build="$2"
dest="$(mktemp -d)"
trap 'rm -rf "$dest"' EXIT
DESTDIR="$dest" cmake --install "$build" --prefix /usr > /dev/null
share="$dest/usr/share"
fail() { echo "FAIL: $*" >&2; exit 1; }

case "$mode" in
files)
  diff -u "$3" <(cd "$dest" && find . ! -type d | sed 's|^\./||' | LC_ALL=C sort) ||
    fail "the installed files differ from the expected list (- expected, + installed)"
  while IFS= read -r path; do
    mode_bits="$(stat -c %a "$dest/$path")"
    case "$path" in
    usr/bin/*) [ "$mode_bits" = 755 ] || fail "$path has mode $mode_bits, not 755" ;;
    *) [ "$mode_bits" = 644 ] || fail "$path has mode $mode_bits, not 644" ;;
    esac
    if [[ "$path" =~ /([0-9]+)x([0-9]+)/apps/.*\.png$ ]]; then
      size="${BASH_REMATCH[1]} x ${BASH_REMATCH[2]}"
      file -b "$dest/$path" | grep -q "^PNG image data, $size," || fail "$path is not a $size PNG"
    fi
  done < "$3"
  # The installed command line finds its PNG module where it was installed.
  if [ -f "$dest/usr/lib/orvantis/orvantis-cli-png.so" ]; then
    (cd "$dest" && QT_QPA_PLATFORM=offscreen usr/bin/orvantis-cli run --no-file --chart "default=$dest/chart.png" > /dev/null) ||
      fail "the installed orvantis-cli cannot write a PNG chart"
    file -b "$dest/chart.png" | grep -q '^PNG image data, 800 x 600,' || fail "the installed orvantis-cli wrote no 800 x 600 PNG"
  fi
  echo "PASS: $(wc -l < "$3") files, as expected"
  ;;
man)
  shopt -s nullglob
  pages=("$share"/man/man1/*.1.gz)
  for page in "${pages[@]}"; do
    warnings="$(zcat "$page" | LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l - 2>&1 > /dev/null)"
    [ -z "$warnings" ] || fail "$(basename "$page"): $warnings"
  done
  echo "PASS: ${#pages[@]} man pages render cleanly"
  ;;
desktop)
  entries=("$share"/applications/*.desktop)
  [ "${#entries[@]}" -eq 1 ] && [ -f "${entries[0]}" ] || fail "not exactly one menu entry"
  # Warnings too (two main categories put the entry in two menus).
  said="$(desktop-file-validate "${entries[0]}" 2>&1)" || fail "desktop-file-validate rejects $(basename "${entries[0]}"): $said"
  [ -z "$said" ] || fail "desktop-file-validate: $said"
  echo "PASS: desktop-file-validate accepts $(basename "${entries[0]}")"
  ;;
metainfo)
  files=("$share"/metainfo/*.metainfo.xml)
  [ "${#files[@]}" -eq 1 ] && [ -f "${files[0]}" ] || fail "not exactly one metainfo file"
  appstreamcli validate --no-net "${files[0]}" || fail "appstreamcli validate rejects $(basename "${files[0]}")"
  appstreamcli validate-tree --no-net "$dest/usr" || fail "appstreamcli validate-tree rejects the tree"
  echo "PASS: appstreamcli accepts $(basename "${files[0]}") and the installed tree"
  ;;
*)
  fail "unknown check: $mode"
  ;;
esac
