#!/bin/bash
# The Debian package in a clean Debian 12: a minimal root made with
# debootstrap that already holds what a bare Qt Widgets program needs, the
# package installed into it with apt as a user would, first without its
# Recommends, then, after a purge, with them. Without them it must add at
# most 10 MB, and every program and plugin of it finds its libraries; with
# them, inside, the alerts window finds the voice plugin and a speech engine,
# and callwise-report runs. Prints what apt pulled in each time.
#
# It downloads a few hundred MB, so it runs only when asked:
#   CALLWISE_CLEAN_ROOT=1 ctest --test-dir build -R install.clean_root -V
# Needs root and debootstrap. CALLWISE_DEBIAN_MIRROR picks the mirror.
# From ctest: BUILD_DIR, CPACK_COMMAND, ALERTS_CHECK. Exit 77 is a skip,
# whose reason is printed first.
set -euo pipefail

fail() { echo "FAIL: $*" >&2; exit 1; }
skip() { echo "SKIP: $*"; exit 77; }
[ "${CALLWISE_CLEAN_ROOT:-}" = 1 ] \
    || skip "downloads a Debian system; set CALLWISE_CLEAN_ROOT=1 to run it"
[ "$(id -u)" -eq 0 ] || skip "debootstrap and chroot need root"
command -v debootstrap >/dev/null || skip "debootstrap is not installed (scripts/install-deps --test)"

# What the package may add without its Recommends, in KB.
limit_kb=$((10 * 1024))
# A bare Qt Widgets program's libraries, which any Qt desktop already has.
qt_widgets="libqt6widgets6 libqt6dbus6 libqt6svg6 qt6-qpa-plugins"

tmp=$(mktemp -d "${TMPDIR:-/tmp}/callwise-clean-root.XXXXXX")
root=$tmp/root
cleanup() {
    umount "$root/proc" 2>/dev/null || true
    rm -rf "$tmp"
}
trap cleanup EXIT

(cd "${BUILD_DIR:?}" && "${CPACK_COMMAND:?}" -G DEB -B "$tmp/package" >/dev/null) || fail "cpack"
deb=$(echo "$tmp"/package/callwise_*.deb)
[ -f "$deb" ] || fail "cpack made no .deb"

debootstrap --variant=minbase bookworm "$root" "${CALLWISE_DEBIAN_MIRROR:-http://deb.debian.org/debian}" \
    >"$tmp/debootstrap.log" 2>&1 || fail "debootstrap: $(tail -5 "$tmp/debootstrap.log")"
cp /etc/resolv.conf "$root/etc/resolv.conf"
mount -t proc proc "$root/proc"
inside() { chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8 "$@"; }
apt_get() { inside env DEBIAN_FRONTEND=noninteractive apt-get -y "$@" >"$tmp/apt.log" 2>&1 \
    || fail "apt-get $*: $(tail -5 "$tmp/apt.log")"; }
packages() { inside dpkg-query -W -f '${Package}\n' | sort; }
used_kb() { du -sxk "$root" | cut -f1; }
mb() { awk -v kb="$1" 'BEGIN { printf "%.1f", kb / 1024 }'; }
installed() { inside dpkg-query -W -f '${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }

cp "$deb" "$root/tmp/"
deb=/tmp/$(basename "$deb")
inside apt-get update -qq >/dev/null
# shellcheck disable=SC2086
apt_get install --no-install-recommends $qt_widgets
inside apt-get clean
packages >"$tmp/before"
used_before=$(used_kb)
echo "a bare Qt Widgets program: $(wc -l <"$tmp/before") packages, $(mb "$used_before") MB"

# add_package [APT OPTION]: installs the package, prints what came with it,
# and sets pulled and added_kb.
add_package() {
    apt_get install "$@" "$deb"
    inside apt-get clean
    grep -E '^(Need to get|After this operation)' "$tmp/apt.log" || true
    pulled=$(comm -13 "$tmp/before" <(packages))
    added_kb=$(($(used_kb) - used_before))
    echo "$(wc -l <<<"$pulled") packages, root grew by $(mb "$added_kb") MB; the largest (KB):"
    # shellcheck disable=SC2086
    inside dpkg-query -W -f '${Installed-Size} ${Package}\n' $pulled | sort -rn | head -15
    ! installed libqt6multimedia6 || fail "Qt Multimedia came with the package"
}

echo "--- without the Recommends"
add_package --no-install-recommends
without="$(wc -l <<<"$pulled") packages, $(mb "$added_kb") MB"
for wanted in callwise libqt6texttospeech6 libpulse0; do
    installed "$wanted" || fail "$wanted did not come with the package"
done
# The Depends are complete: the programs and every plugin find their
# libraries (a plugin that did not would be skipped in silence).
files=$(inside dpkg -L callwise | grep -E '/bin/callwise(-report)?$|\.so$') || true
[ "$(wc -l <<<"$files")" -ge 3 ] || fail "the package holds no programs and plugins: $files"
for file in $files; do
    missing=$(inside ldd "$file" | grep 'not found') && fail "$file: $missing"
done
((added_kb <= limit_kb)) || fail "without its Recommends the package added $(mb "$added_kb") MB, over $(mb "$limit_kb")"

echo "--- with the Recommends"
apt_get purge --autoremove callwise
add_package
with="$(wc -l <<<"$pulled") packages, $(mb "$added_kb") MB"
for wanted in qt6-speech-speechd-plugin speech-dispatcher; do
    installed "$wanted" || fail "$wanted did not come with the package's Recommends"
done

# The alerts window, run from the installed bin/ as the program is.
cp "${ALERTS_CHECK:?}" "$root/usr/bin/callwise-alerts-check"
said=$(inside env QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=/tmp /usr/bin/callwise-alerts-check 2>/dev/null) \
    || fail "the alerts window check failed: $said"
rm "$root/usr/bin/callwise-alerts-check"
[ "$said" = "voice plugin loaded; speech engine found" ] || fail "alerts window: $said"
inside callwise-report --help >/dev/null || fail "callwise-report --help"
echo "clean Debian 12 with a bare Qt Widgets program: the package added $without without its"
echo "Recommends, $with with them; $said; callwise-report --help runs"
