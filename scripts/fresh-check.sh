#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# Runs a command the way a machine nobody has used before would: in a clean minimal Debian root made by
# debootstrap (no print queue, no spooler running, none of this machine's packages), with a fresh clone
# of this repository's committed HEAD.
#
#   scripts/fresh-check.sh [--user] [--keep] [--file PATH]... RELEASE 'COMMAND'
#
# RELEASE is 12 or bookworm, 13 or trixie. COMMAND runs with bash in the clone's folder, as root, or with
# --user as the user "newcomer", who may use sudo without a password. --file copies a file into the home
# folder first (a Debian package to install, say). --keep leaves the root behind for a look (its path is
# printed). The exit status is the command's.
#
# The packages come from the Debian mirror this machine's apt is configured with (DEBIAN_MIRROR
# overrides it). debootstrap's minimal base is made once per release and kept as a tarball in
# $PRZELEW_FRESH_CACHE (default /var/cache/przelew-fresh), so later runs start in seconds; every run
# unpacks it into a new root. Needs root (or sudo) for debootstrap, chroot and the mounts; the mounts
# live in a private mount namespace and go with it.
set -euo pipefail
# Read whole before it runs (the braces), so that editing the script during a long run cannot change it.
{
repo="$(cd "$(dirname "$0")/.." && pwd)"

as_user=0 keep=0 files=()
while [[ ${1:-} == --* ]]; do
    case $1 in
    --user) as_user=1 ;;
    --keep) keep=1 ;;
    --file)
        [[ -f ${2:-} ]] || { echo "--file needs a file, not \"${2:-}\"" >&2; exit 2; }
        files+=("$(realpath "$2")")
        shift
        ;;
    *) echo "unknown option $1" >&2; exit 2 ;;
    esac
    shift
done
if [[ $# -ne 2 ]]; then
    sed -n '6,16p' "$0" | sed 's/^# \{0,1\}//' >&2
    exit 2
fi
case $1 in
12 | bookworm) release=bookworm ;;
13 | trixie) release=trixie ;;
*) echo "RELEASE is 12 (bookworm) or 13 (trixie), not $1" >&2; exit 2 ;;
esac
command=$2

if [[ $(id -u) -ne 0 ]]; then
    again=()
    ((as_user)) && again+=(--user)
    ((keep)) && again+=(--keep)
    for f in "${files[@]}"; do again+=(--file "$f"); done
    exec sudo --preserve-env=DEBIAN_MIRROR,PRZELEW_FRESH_CACHE,DISPLAY "$0" "${again[@]}" "$release" "$command"
fi

# The Debian mirror apt already uses here: the first source of the main archive (not its security one).
mirror=${DEBIAN_MIRROR:-$(grep -h -o -E '(^deb(-src)? +(\[[^]]*\] +)?|^URIs: *)[a-z]+://[^ ]+' \
    /etc/apt/sources.list /etc/apt/sources.list.d/*.list /etc/apt/sources.list.d/*.sources 2>/dev/null |
    grep -o -E '[a-z]+://[^ ]+' | grep -v -E 'security|nodesource|google' | grep -E '/debian/?$' | head -n 1 || true)}
mirror=${mirror:-http://deb.debian.org/debian}
mirror=${mirror%/}
security=$(dirname "$mirror")/debian-security

command -v debootstrap >/dev/null || {
    apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq debootstrap
}

cache=${PRZELEW_FRESH_CACHE:-/var/cache/przelew-fresh}
base=$cache/$release.tar
mkdir -p "$cache"
if [[ ! -f $base ]]; then
    echo "fresh-check: making a minimal $release root from $mirror (once; kept as $base)"
    made=$(mktemp -d "$cache/debootstrap.XXXXXX")
    # git to clone the repository, sudo for the user with sudo: what a developer's new machine has.
    debootstrap --variant=minbase --include=git,sudo,ca-certificates "$release" "$made" "$mirror" \
        >"$cache/debootstrap-$release.log" 2>&1 ||
        { echo "debootstrap failed; see $cache/debootstrap-$release.log" >&2; rm -rf "$made"; exit 1; }
    tar -C "$made" -cf "$base.part" . && mv "$base.part" "$base"
    rm -rf "$made"
fi

root=$(mktemp -d "${TMPDIR:-/tmp}/fresh-$release.XXXXXX")
cleanup() {
    if ((keep)); then echo "fresh-check: the root is kept at $root"; else rm -rf --one-file-system "$root"; fi
}
trap cleanup EXIT
tar -C "$root" -xf "$base"
# Its / as on any machine: tar gave it the mode of the private folder debootstrap filled, and then
# neither apt's own user, nor the spooler's filters, nor the newcomer could get through it.
chmod 755 "$root"

cat >"$root/etc/apt/sources.list" <<EOF
deb $mirror $release main
deb $mirror $release-updates main
deb $security $release-security main
EOF
cp -L /etc/resolv.conf "$root/etc/resolv.conf" 2>/dev/null || true
echo "fresh-$release" >"$root/etc/hostname"

home=/root
if ((as_user)); then
    chroot "$root" useradd --create-home --shell /bin/bash newcomer
    echo 'newcomer ALL=(ALL) NOPASSWD:ALL' >"$root/etc/sudoers.d/newcomer"
    chmod 440 "$root/etc/sudoers.d/newcomer"
    home=/home/newcomer
fi
# A clone of what is committed, as a new machine gets it; uncommitted changes are not part of it.
git clone --quiet --no-hardlinks "$repo" "$root$home/przelew"
for f in "${files[@]}"; do cp "$f" "$root$home/"; done
((as_user)) && chroot "$root" chown -R newcomer:newcomer "$home"

# Inside: proc, sys, dev and a private /dev/shm, in a mount namespace of its own that ends with the run.
inner=$(
    cat <<'EOF'
set -e
root=$1 as_user=$2 home=$3 command=$4
mount -t proc proc "$root/proc"
mount -t sysfs sys "$root/sys"
mount --rbind /dev "$root/dev"
mount --make-rslave "$root/dev"
mount -t tmpfs -o mode=1777 shm "$root/dev/shm"
env_vars=(HOME="$home" PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin LANG=C.UTF-8
    TERM="${TERM:-dumb}" ${DISPLAY:+DISPLAY=$DISPLAY})
if [ "$as_user" = 1 ]; then
    exec chroot --userspec=newcomer:newcomer "$root" env -i "${env_vars[@]}" USER=newcomer \
        bash -c "cd ~/przelew && $command"
fi
exec chroot "$root" env -i "${env_vars[@]}" USER=root bash -c "cd ~/przelew && $command"
EOF
)
echo "fresh-check: Debian $release, $( ((as_user)) && echo 'user newcomer with sudo' || echo root): $command"
started=$(date +%s)
set +e
unshare --mount --pid --fork --propagation private bash -c "$inner" inner "$root" "$as_user" "$home" "$command"
status=$?
set -e
echo "fresh-check: exit status $status after $(($(date +%s) - started)) s"
exit $status
}
