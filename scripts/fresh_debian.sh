# Sourced by the scripts that need a fresh minimal Debian 12: make_fresh_debian FOLDER
# bootstraps it there (debootstrap --variant=minbase, from the mirror apt uses here or
# ORVANTIS_MIRROR) and mounts /proc, /dev/pts and /dev/shm; in_fresh_debian FOLDER
# COMMANDS runs bash in it with a clean environment; leave_fresh_debian FOLDER unmounts
# and removes it. Needs root.
apt_mirror() {  # the first Debian archive in apt's sources, if any
  { cat /etc/apt/sources.list /etc/apt/sources.list.d/*.list /etc/apt/sources.list.d/*.sources \
    2> /dev/null || true; } | grep -v '^ *#' | grep -o 'https\?://[^ ]*/debian/\?\( \|$\)' |
    head -n 1 | tr -d ' ' || true
}

make_fresh_debian() {
  local root="$1" mirror
  command -v debootstrap > /dev/null ||
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends debootstrap > /dev/null
  mirror="${ORVANTIS_MIRROR:-$(apt_mirror)}"
  mirror="${mirror:-http://deb.debian.org/debian}"
  chmod 755 "$root"  # apt downloads as the user _apt, who must reach its folders
  echo "== debootstrap --variant=minbase bookworm from $mirror"
  debootstrap --variant=minbase bookworm "$root" "$mirror" > "$root.log" 2>&1 ||
    { tail -n 20 "$root.log" >&2; return 1; }
  rm -f "$root.log"
  mount -t proc proc "$root/proc"
  mount -t devpts -o newinstance,ptmxmode=0666 devpts "$root/dev/pts"
  mount -t tmpfs tmpfs "$root/dev/shm"
}

in_fresh_debian() {
  chroot "$1" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8 \
    DEBIAN_FRONTEND=noninteractive bash -euo pipefail -c "$2"
}

leave_fresh_debian() {
  local root="$1" m
  for m in "$root/dev/shm" "$root/dev/pts" "$root/proc"; do
    mountpoint -q "$m" && umount "$m"
  done
  # Only an unmounted tree is removed: a live mount inside would take the host's files along.
  if grep -q " $root/" /proc/mounts; then
    echo "left $root in place: something is still mounted in it" >&2
  else
    rm -rf "$root"
  fi
}
