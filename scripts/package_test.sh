#!/usr/bin/env bash
# The slow package test, kept out of the default test command: it needs root and the
# network. Builds the Debian package, shows its control data, checks it with lintian
# (no error allowed), installs it with apt
# (without recommended packages, so its Depends must be enough) into a fresh Debian
# 12 made by debootstrap, then runs orvantis-cli --version and a PNG chart when the
# package has it,
# and starts the menu entry's command under xvfb-run: the start window must appear,
# with the program's icon, and the program must run in the home folder.
# The mirror is the one apt uses here; ORVANTIS_MIRROR overrides it.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
[ "$(id -u)" -eq 0 ] || { echo "package_test.sh needs root (debootstrap, chroot, mount)" >&2; exit 1; }

echo "== building the package"
bash "$here/scripts/package.sh" > /dev/null
deb="$(ls "$here"/build/package/orvantis_*.deb)"
echo "== dpkg-deb --info $(basename "$deb")"
dpkg-deb --info "$deb"
echo "== lintian $(basename "$deb")"
command -v lintian > /dev/null ||
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends lintian > /dev/null
lintian --fail-on error "$deb" || { echo "FAIL: lintian reports errors"; exit 1; }

source "$here/scripts/fresh_debian.sh"
root="$(mktemp -d /var/tmp/orvantis-chroot.XXXXXX)"
trap 'leave_fresh_debian "$root"' EXIT
make_fresh_debian "$root"
cp "$deb" "$root/tmp/"

in_chroot() { in_fresh_debian "$root" "$1"; }

echo "== apt-get install --no-install-recommends ./$(basename "$deb")"
in_chroot "apt-get update -qq
  apt-get install -y -qq --no-install-recommends /tmp/$(basename "$deb") > /tmp/apt.log 2>&1 ||
    { tail -n 20 /tmp/apt.log; exit 1; }
  grep -c '^Setting up' /tmp/apt.log | sed 's/^/packages set up: /'
  dpkg-query -W -f='\${Package} \${Version}: \${db:Status-Status}\n' orvantis"

echo "== orvantis-cli --version"
in_chroot "if command -v orvantis-cli > /dev/null; then orvantis-cli --version; \
  else echo 'this package has no orvantis-cli'; fi"
echo "== orvantis-cli run with a PNG chart (its Qt module, without a display)"
in_chroot "cd /tmp && QT_QPA_PLATFORM=offscreen orvantis-cli run --no-file --chart default=chart.png > /dev/null && \
  head -c 24 chart.png | od -An -tu1 | awk 'NR == 2 {print \"chart.png: \" \$3*256+\$4 \" x \" \$7*256+\$8}'"

echo "== the menu entry's command under xvfb-run"
in_chroot "apt-get install -y -qq --no-install-recommends xvfb xauth xdotool x11-utils > /dev/null 2>&1"
in_chroot '
  command="$(sed -n "s/^Exec=//p" /usr/share/applications/*.desktop)"
  echo "Exec=$command"
  cd /tmp
  xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" bash -euo pipefail -c "
    ($command) > /tmp/orvantis.log 2>&1 &
    window=
    for _ in \$(seq 300); do
      window=\$(xdotool search --onlyvisible --name \"ORVANTIS vers.1.1\" 2> /dev/null | head -n 1) || true
      [ -n \"\$window\" ] && break
      sleep 0.2
    done
    [ -n \"\$window\" ] || { echo \"FAIL: no start window\"; cat /tmp/orvantis.log; exit 1; }
    pid=\$(xdotool getwindowpid \$window)
    echo \"window: \$(xdotool getwindowname \$window)\"
    xdotool getwindowgeometry \$window | sed -n \"s/^ *Geometry: /size: /p\"
    echo \"icon: \$(xprop -id \$window _NET_WM_ICON | grep -o \"Icon ([0-9]* x [0-9]*)\" | tr \"\\n\" \" \")\"
    echo \"working folder: \$(readlink /proc/\$pid/cwd)\"
    [ \"\$(readlink /proc/\$pid/cwd)\" = /root ] || { echo \"FAIL: not started in the home folder\"; exit 1; }
    kill \$pid
    echo PASS
  "'
