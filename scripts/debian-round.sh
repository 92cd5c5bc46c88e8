#!/usr/bin/env bash
# Runs scripts/release-round.sh in a fresh minimal Debian of another release (Debian 13 by
# default), made with debootstrap from Debian's archive in build-<suite>/, with this checkout
# (committed or not) copied in. Needs root, or sudo.
# Usage: debian-round.sh [suite]
set -euo pipefail
cd "$(dirname "$0")/.."
# shellcheck source=lib.sh
. scripts/lib.sh
suite="${1:-trixie}"
root="$PWD/build-$suite/root"

# Whatever is mounted under the root, deepest first.
unmount_all() {
  local mounts
  mounts="$(findmnt -rn -o TARGET | grep "^$root/" | sort -r || true)"
  for mount in $mounts; do as_root umount "$mount" || as_root umount -l "$mount"; done
}
trap unmount_all EXIT

command -v debootstrap >/dev/null || {
  as_root apt-get update -qq
  DEBIAN_FRONTEND=noninteractive as_root apt-get install -y -qq debootstrap
}
# Fresh each run; a mount left behind by an earlier run goes first, and rm never crosses one.
unmount_all
[ -e "$root" ] && as_root rm -rf --one-file-system "$root"
mkdir -p "$root"
echo "== debootstrap $suite into $root"
as_root debootstrap --variant=minbase "$suite" "$root" http://deb.debian.org/debian >"$root.log" ||
  { tail -20 "$root.log"; exit 1; }
as_root cp /etc/resolv.conf "$root/etc/resolv.conf"
for mount in proc sys dev dev/pts; do as_root mount --bind "/$mount" "$root/$mount"; done

as_root mkdir "$root/src"
copy_sources "$root/src" as_root
as_root chroot "$root" /usr/bin/env -i HOME=/root LANG=C.UTF-8 TERM=dumb \
  PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
  bash /src/scripts/release-round.sh
echo "== the $suite round passed"
