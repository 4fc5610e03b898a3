#!/usr/bin/env bash
# The README's test command on a freshly bootstrapped minimal Debian 12: clones the
# committed tree (HEAD, or the commit given) into a new debootstrap chroot and runs
# ./scripts/test.sh there as root, so scripts/deps.sh must install everything the
# build, the program and the tests call. Slow (every configuration is built from
# nothing) and needs root and the network, so it is not part of the test command.
# The chroot goes under ORVANTIS_CHROOT_DIR (default /var/tmp) and is removed at the
# end; ORVANTIS_KEEP_CHROOT=1 keeps it for a look.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
[ "$(id -u)" -eq 0 ] || { echo "fresh_test.sh needs root (debootstrap, chroot, mount)" >&2; exit 1; }
source "$here/scripts/fresh_debian.sh"
commit="$(git -C "$here" rev-parse --verify "${1:-HEAD}^{commit}")"

parent="${ORVANTIS_CHROOT_DIR:-/var/tmp}"
mkdir -p "$parent"
root="$(mktemp -d "$parent/orvantis-fresh.XXXXXX")"
finish() {
  if [ "${ORVANTIS_KEEP_CHROOT:-0}" = 1 ]; then
    for m in "$root/dev/shm" "$root/dev/pts" "$root/proc"; do mountpoint -q "$m" && umount "$m"; done
    echo "kept $root"
  else
    leave_fresh_debian "$root"
  fi
}
trap finish EXIT
start=$SECONDS
make_fresh_debian "$root"
echo "== clone of $commit"
git clone -q --no-hardlinks "$here" "$root/root/orvantis"
git -C "$root/root/orvantis" checkout -q --detach "$commit"
echo "== ./scripts/test.sh"
in_fresh_debian "$root" "cd /root/orvantis && ./scripts/test.sh"
echo "PASS: ./scripts/test.sh on a fresh Debian 12 in $(((SECONDS - start) / 60)) min $(((SECONDS - start) % 60)) s"
