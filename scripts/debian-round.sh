#!/usr/bin/env bash
# Runs scripts/release-round.sh in a fresh minimal Debian of another release (Debian 13 by
# default; forky, Debian's testing release, too), made with debootstrap from Debian's archive in
# build-<suite>/, with this checkout (committed or not) copied in. Needs root, or sudo.
# With --prepare it only makes the fresh system, so that CI can fetch it while other work runs;
# the next round of that release then uses it once.
# Usage: debian-round.sh [--prepare] [suite]
set -euo pipefail
cd "$(dirname "$0")/.."
# shellcheck source=lib.sh
. scripts/lib.sh
prepare=false
if [ "${1:-}" = --prepare ]; then
  prepare=true
  shift
fi
suite="${1:-trixie}"
root="$PWD/build-$suite/root"
# Written when a prepared system is complete; taken away when a round starts to use it.
prepared="$PWD/build-$suite/prepared"

# Whatever is mounted under the root, deepest first. Mount points are compared as strings (awk
# reads the root from its environment: -v would take backslashes in it for escapes), and listed
# unescaped, one a line, so that a space in a path stays in it.
unmount_all() {
  local mounts mount
  mapfile -t mounts < <(findmnt -ln -o TARGET |
    under="$root/" awk 'index($0, ENVIRON["under"]) == 1' | sort -r)
  for mount in "${mounts[@]}"; do as_root umount "$mount" || as_root umount -l "$mount"; done
}
trap unmount_all EXIT

install_packages debootstrap
# A release newer than this machine's debootstrap knows is made with the script of Debian's
# unstable release, which testing shares.
debootstrap_script() {
  local scripts=/usr/share/debootstrap/scripts
  if [ -e "$scripts/$1" ]; then
    echo "$scripts/$1"
  else
    echo "$scripts/sid"
  fi
}

make_root() {
  # Fresh each time; a mount left behind by an earlier run goes first, and rm never crosses one.
  unmount_all
  as_root rm -f "$prepared"
  [ -e "$root" ] && as_root rm -rf --one-file-system "$root"
  mkdir -p "$root"
  echo "== debootstrap $suite into $root ($(date +%T))"
  as_root debootstrap --variant=minbase "$suite" "$root" http://deb.debian.org/debian \
    "$(debootstrap_script "$suite")" >"$root.log" 2>&1 || { tail -20 "$root.log"; exit 1; }
  # The archive this machine reaches may be a frozen copy, whose Release files for testing have
  # passed their Valid-Until date.
  echo 'Acquire::Check-Valid-Until "false";' |
    as_root tee "$root/etc/apt/apt.conf.d/99tarvello-archive-copy" >/dev/null
}

if $prepare; then
  make_root
  as_root touch "$prepared"
  echo "== $suite prepared ($(date +%T))"
  exit 0
fi
if [ -e "$prepared" ]; then
  echo "== $suite: the system prepared earlier in $root"
  as_root rm -f "$prepared"
else
  make_root
fi
as_root cp /etc/resolv.conf "$root/etc/resolv.conf"
for mount in proc sys dev dev/pts; do as_root mount --bind "/$mount" "$root/$mount"; done

as_root mkdir "$root/src"
copy_sources "$root/src" as_root
as_root chroot "$root" /usr/bin/env -i HOME=/root LANG=C.UTF-8 TERM=dumb \
  PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
  bash /src/scripts/release-round.sh
echo "== the $suite round passed"
