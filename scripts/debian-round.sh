#!/usr/bin/env bash
# Runs scripts/release-round.sh in a fresh minimal Debian of another release (Debian 13 by
# default), made with debootstrap from Debian's archive in build-<suite>/, with this checkout
# (committed or not) copied in. Needs root, or sudo.
# Usage: debian-round.sh [suite]
set -euo pipefail
cd "$(dirname "$0")/.."
suite="${1:-trixie}"
root="$PWD/build-$suite/root"
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"

# Whatever is mounted under the root, deepest first.
unmount_all() {
  local mounts
  mounts="$(findmnt -rn -o TARGET | grep "^$root/" | sort -r || true)"
  for mount in $mounts; do $sudo umount "$mount" || $sudo umount -l "$mount"; done
}
trap unmount_all EXIT

command -v debootstrap >/dev/null || {
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq debootstrap
}
# Fresh each run; a mount left behind by an earlier run goes first, and rm never crosses one.
unmount_all
[ -e "$root" ] && $sudo rm -rf --one-file-system "$root"
mkdir -p "$root"
echo "== debootstrap $suite into $root"
$sudo debootstrap --variant=minbase "$suite" "$root" http://deb.debian.org/debian >"$root.log" ||
  { tail -20 "$root.log"; exit 1; }
$sudo cp /etc/resolv.conf "$root/etc/resolv.conf"
for mount in proc sys dev dev/pts; do $sudo mount --bind "/$mount" "$root/$mount"; done

$sudo mkdir "$root/src"
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  git ls-files -z --cached --others --exclude-standard | $sudo xargs -0 cp --parents -t "$root/src"
else
  find . -mindepth 1 -maxdepth 1 ! -name 'build*' ! -name .git -print0 |
    $sudo xargs -0 cp -a -t "$root/src"
fi
$sudo chroot "$root" /usr/bin/env -i HOME=/root LANG=C.UTF-8 TERM=dumb \
  PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
  bash /src/scripts/release-round.sh
echo "== the $suite round passed"
