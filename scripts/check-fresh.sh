#!/usr/bin/env bash
# The quick start on a fresh Debian 12, as a new user meets it.
#
#   scripts/check-fresh.sh [TARGET...]      (default: demo check)
#
# Makes a minimal Debian bookworm with debootstrap, adds what a new machine
# brings with it (make, cmake, g++, git, python3, postgresql) and nothing
# else, copies a clone of the committed HEAD into it (uncommitted changes
# are not in it) and runs `make TARGET` there as root for each TARGET in
# turn, each installing what it needs from the package mirror as the README
# says. Ends with the result and the duration of each step; fails when one
# of them did. Needs root, debootstrap (installed when missing) and the
# package mirror.
#
# The fresh system uses the mirrors this machine's apt uses (in /etc/apt):
# the one it takes bookworm (or else bookworm-updates) from and the one of
# bookworm-security (scripts/apt-mirror.sh). The variables below name
# others; where apt has none, they must.
#
# The base system with those packages is kept as a tarball in the cache
# directory, so that the next run downloads nothing for it; a tarball older
# than SKARVIK_FRESH_CACHE_DAYS is made anew, so that the fresh system does
# not fall behind the mirror.
#
#   SKARVIK_FRESH_CACHE       the cache directory (/var/cache/skarvik-fresh)
#   SKARVIK_FRESH_CACHE_DAYS  how long a cached base system is used (7)
#   SKARVIK_FRESH_DIR         where the fresh system is laid out, in a folder
#                             of its own that is removed afterwards (/var/tmp)
#   SKARVIK_FRESH_KEEP=1      keeps that folder (its mounts are removed all
#                             the same)
#   SKARVIK_FRESH_LOGS        the log of each step (build/check-fresh)
#   SKARVIK_FRESH_MIRROR      the Debian mirror (apt's, for bookworm)
#   SKARVIK_FRESH_SECURITY    its security updates (apt's, for
#                             bookworm-security)
#   SKARVIK_FRESH_IMAGE       what the new machine brings, instead of the
#                             packages above (say "make git", the least)
#   SKARVIK_FRESH_LANG        the login's locale (C.UTF-8, as Debian's cloud
#                             images and CI's machine have it; empty: none,
#                             which psqlODBC takes for plain ASCII)
#
# The servers and Wine need /proc, /sys, /dev, /dev/pts and /dev/shm, which
# are mounted into the fresh system while it runs. However the script ends
# (a failed step, an error of its own, Ctrl-C or a TERM), it first ends
# every process still running in there, then removes those mounts, and
# removes the folder only once no mount is left in it.
set -euo pipefail

top=$(cd "$(dirname "$0")/.." && pwd)
suite=bookworm
arch=amd64
cache=${SKARVIK_FRESH_CACHE:-/var/cache/skarvik-fresh}
cache_days=${SKARVIK_FRESH_CACHE_DAYS:-7}
base_dir=${SKARVIK_FRESH_DIR:-/var/tmp}
logs=${SKARVIK_FRESH_LOGS:-$top/build/check-fresh}
lang=${SKARVIK_FRESH_LANG-C.UTF-8}
# What the machine of a new user brings before the first command.
read -r -a image_packages <<<"${SKARVIK_FRESH_IMAGE:-make cmake g++ git python3 postgresql}"
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(demo check)

say() { echo "check-fresh: $*"; }
die() {
  echo "check-fresh: $*" >&2
  exit 1
}

# The value of VARIABLE, or else the mirror this machine's apt takes the
# first SUITE from that it has.
apt_mirror() {
  local variable=$1
  shift
  if [ -n "${!variable:-}" ]; then
    echo "${!variable}"
  elif ! "$top/scripts/apt-mirror.sh" /etc/apt "$@"; then
    die "no http(s) mirror for $* in the apt sources of this machine (/etc/apt); name one in $variable"
  fi
}
mirror=$(apt_mirror SKARVIK_FRESH_MIRROR "$suite" "$suite-updates")
security=$(apt_mirror SKARVIK_FRESH_SECURITY "$suite-security")

[ "$(id -u)" -eq 0 ] || die "needs root (debootstrap, chroot and mount)"
head=$(git -C "$top" rev-parse HEAD) || die "$top is no git clone"
if [ -n "$(git -C "$top" status --porcelain --untracked-files=no)" ]; then
  say "uncommitted changes in $top are not tested, only the commit ${head:0:12}"
fi

"$top/scripts/install-deps.sh" debootstrap debian-archive-keyring zstd

mkdir -p "$cache" "$base_dir" "$logs"
logs=$(cd "$logs" && pwd)
base_dir=$(cd "$base_dir" && pwd -P)
case $base_dir in
  *[[:space:]]*) die "SKARVIK_FRESH_DIR must be a path without blanks: $base_dir" ;;
esac

# --- The fresh system's folder, its mounts and its processes ---------------

root=
child=
partial=

# The processes whose root directory is the fresh system, or inside it.
processes_inside() {
  local link pid target
  for link in /proc/[0-9]*/root; do
    target=$(readlink "$link" 2>/dev/null) || continue
    if [ "$target" = "$root" ] || [ "${target#"$root"/}" != "$target" ]; then
      pid=${link#/proc/}
      echo "${pid%/root}"
    fi
  done
}

# Ends every process inside, politely first: a server left running keeps
# its mounts busy.
stop_processes() {
  local pids signal
  for signal in TERM KILL; do
    pids=$(processes_inside)
    [ -n "$pids" ] || return 0
    say "ending what still runs in the fresh system ($signal): ${pids//$'\n'/ }"
    # shellcheck disable=SC2086
    kill -s "$signal" $pids 2>/dev/null || true
    for _ in $(seq 1 20); do
      [ -n "$(processes_inside)" ] || return 0
      sleep 0.5
    done
  done
  [ -z "$(processes_inside)" ]
}

# The mount points inside the fresh system, the deepest first.
mounts_inside() {
  awk -v r="$root" '$2 == r || index($2, r "/") == 1 { print $2 }' /proc/mounts | sort -r
}

mount_system() {
  mount -t proc proc "$root/proc"
  mount -t sysfs -o ro sysfs "$root/sys"
  mount --bind /dev "$root/dev"
  mount --bind /dev/pts "$root/dev/pts"
  mount -t tmpfs -o mode=1777,nosuid,nodev shm "$root/dev/shm"
  # Nothing mounted in here may reach the host's own /dev, nor the other way.
  local point
  for point in proc sys dev dev/pts dev/shm; do mount --make-private "$root/$point"; done
}

unmount_system() {
  local point
  for _ in 1 2 3; do
    for point in $(mounts_inside); do umount "$point" 2>/dev/null || true; done
    [ -n "$(mounts_inside)" ] || return 0
    stop_processes || true
    sleep 1
  done
  # Whatever still holds on is detached all the same, so that nothing below
  # the folder leads into the host's /dev any longer.
  for point in $(mounts_inside); do umount --lazy "$point" || true; done
  [ -z "$(mounts_inside)" ]
}

cleanup() {
  local status=$?
  set +e
  trap '' INT TERM HUP
  if [ -n "$child" ]; then kill -TERM "$child" 2>/dev/null; fi
  if [ -n "$partial" ]; then rm -f "$partial"; fi
  if [ -n "$root" ] && [ -d "$root" ]; then
    stop_processes || say "some processes in $root could not be ended"
    if ! unmount_system; then
      echo "check-fresh: mounts are left in $root, which is therefore kept:" >&2
      mounts_inside >&2
      status=1
    elif [ "${SKARVIK_FRESH_KEEP:-}" = 1 ]; then
      say "kept $root (nothing is mounted in it)"
    else
      # --one-file-system: never into a mount, should one have appeared.
      rm -rf --one-file-system "$root"
    fi
  fi
  exit "$status"
}
trap cleanup EXIT
trap 'exit 129' HUP
trap 'exit 130' INT
trap 'exit 143' TERM

# Runs a command in the background and waits for it: a signal then reaches
# this script at once, not only once the command is done.
waited() {
  "$@" &
  child=$!
  local status=0
  wait "$child" || status=$?
  child=
  return "$status"
}

# Runs a shell command in the fresh system as root, logged in afresh.
in_root() {
  chroot "$root" /usr/bin/env -i HOME=/root USER=root LOGNAME=root SHELL=/bin/bash \
    TERM="${TERM:-dumb}" PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
    ${lang:+LANG="$lang"} /bin/bash -lc "$1" </dev/null
}

# The same, its output shown and kept in LOG.
in_root_shown() {
  in_root "$1" 2>&1 | tee "$2"
}

# The host's name service for the fresh system; never written through a
# link, which would lead outside it.
copy_network_files() {
  rm -f "$root/etc/resolv.conf" "$root/etc/hosts"
  cp -L /etc/resolv.conf /etc/hosts "$root/etc/"
}

# "12 min 05 s"
duration() { printf '%d min %02d s' $(($1 / 60)) $(($1 % 60)); }

# --- The base system ---------------------------------------------------------

key=$(printf '%s\n' "$suite" "$arch" "$mirror" "$security" "${image_packages[*]}" | sha256sum | cut -c 1-12)
image=$cache/$suite-$arch-minbase-$key.tar.zst

make_base() {
  say "making a minimal Debian $suite from $mirror (log: $logs/debootstrap.log)"
  if ! waited debootstrap --variant=minbase --arch="$arch" \
    --keyring=/usr/share/keyrings/debian-archive-keyring.gpg \
    "$suite" "$root" "$mirror" >"$logs/debootstrap.log" 2>&1; then
    tail -n 15 "$logs/debootstrap.log" >&2
    if grep -qiE "failed getting release|couldn.t download|couldn.t retrieve|failed to download|retrying failed download|invalid release|could not resolve|connection failed" \
      "$logs/debootstrap.log"; then
      die "the download of the Debian base system from $mirror failed; is the mirror reachable?"
    fi
    die "debootstrap could not make the Debian base system; see $logs/debootstrap.log"
  fi

  # The package sources of an installed Debian 12.
  cat >"$root/etc/apt/sources.list" <<EOF
deb $mirror $suite main
deb $mirror $suite-updates main
deb $security $suite-security main
EOF
  # Package scripts start no services here; the tests start their own.
  printf '#!/bin/sh\nexit 101\n' >"$root/usr/sbin/policy-rc.d"
  chmod 755 "$root/usr/sbin/policy-rc.d"
  copy_network_files

  say "adding what a new machine brings: ${image_packages[*]} (log: $logs/image.log)"
  mount_system
  if ! waited in_root "export DEBIAN_FRONTEND=noninteractive; apt-get update &&
      apt-get install -y --no-install-recommends ${image_packages[*]} &&
      apt-get clean && rm -rf /var/lib/apt/lists/*" >"$logs/image.log" 2>&1; then
    tail -n 15 "$logs/image.log" >&2
    die "${image_packages[*]} could not be installed from $mirror; see $logs/image.log"
  fi
  stop_processes
  unmount_system || die "could not unmount what the package installation needed"

  say "keeping the base system in $image"
  partial=$(mktemp "$cache/.partial.XXXXXX")
  waited tar --numeric-owner --one-file-system -C "$root" -I 'zstd -T0 -3 -q' -cf "$partial" .
  mv "$partial" "$image"
  partial=
}

root=$(mktemp -d "$base_dir/skarvik-fresh.XXXXXX")
chmod 755 "$root"
say "a fresh Debian $suite in $root, commit ${head:0:12}"

base_start=$SECONDS
# One run at a time makes or reads the cached base system.
exec 9>"$cache/lock"
flock 9
find "$cache" -maxdepth 1 -name "$suite-$arch-minbase-*.tar.zst" -mtime +"$cache_days" -delete
if [ -f "$image" ]; then
  say "the base system from the cache ($image)"
  waited tar --numeric-owner -C "$root" -I 'zstd -d -T0 -q' -xpf "$image"
  base_how="from the cache"
else
  make_base
  base_how="downloaded"
fi
exec 9>&-
base_seconds=$((SECONDS - base_start))

# --- The project, as a new user clones it ------------------------------------

copy_network_files
git clone -q --no-local "$top" "$root/root/skarvik"
git -C "$root/root/skarvik" checkout -q --detach "$head"

mount_system

results=()
failed=0
for target in "${targets[@]}"; do
  say "make $target (log: $logs/make-$target.log)"
  start=$SECONDS
  status=0
  waited in_root_shown "cd /root/skarvik && make $target" "$logs/make-$target.log" || status=$?
  seconds=$((SECONDS - start))
  if [ "$status" -eq 0 ]; then
    results+=("$(printf '  %-22s %-20s %s' "make $target" passed "$(duration "$seconds")")")
  else
    results+=("$(printf '  %-22s %-20s %s' "make $target" "FAILED (exit $status)" "$(duration "$seconds")")")
    failed=1
  fi
done

echo
say "Debian $suite (minbase) with ${image_packages[*]}, commit ${head:0:12}"
printf '  %-22s %-20s %s\n' "base system" "$base_how" "$(duration "$base_seconds")"
printf '%s\n' "${results[@]}"
exit "$failed"
