#!/bin/bash
# The Debian package in a clean Debian 12: a minimal root made with
# debootstrap, the package installed into it with apt as a user would (its
# Recommends too), then, inside, the alerts window finds the voice plugin and
# a speech engine, and callwise-report runs. Prints what apt pulled in.
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
packages() { inside dpkg-query -W -f '${Package}\n' | sort; }

packages >"$tmp/before"
used_before=$(du -sxk "$root" | cut -f1)
cp "$deb" "$root/tmp/"
inside apt-get update -qq >/dev/null
# What the Depends alone would take, for comparison.
echo "without the Recommends: $(inside apt-get install --no-install-recommends --assume-no \
    "/tmp/$(basename "$deb")" 2>/dev/null | grep -E '^After this operation' || true)"
inside env DEBIAN_FRONTEND=noninteractive apt-get install -y "/tmp/$(basename "$deb")" \
    >"$tmp/apt.log" 2>&1 || fail "apt install: $(tail -5 "$tmp/apt.log")"
inside apt-get clean
packages >"$tmp/after"
used_after=$(du -sxk "$root" | cut -f1)

# What came with the package, and what each feature needed of it.
pulled=$(comm -13 "$tmp/before" "$tmp/after")
grep -E '^(Need to get|After this operation)' "$tmp/apt.log"
echo "$(wc -l <<<"$pulled") packages, root grew by $(((used_after - used_before) / 1024)) MB; the largest (KB):"
inside dpkg-query -W -f '${Installed-Size} ${Package}\n' $pulled | sort -rn | head -15
for wanted in libqt6texttospeech6 qt6-speech-speechd-plugin speech-dispatcher libqt6multimedia6 \
    libqt6dbus6; do
    grep -qx "$wanted" <<<"$pulled" || fail "$wanted did not come with the package"
done

# The alerts window, run from the installed bin/ as the program is.
cp "${ALERTS_CHECK:?}" "$root/usr/bin/callwise-alerts-check"
said=$(inside env QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=/tmp /usr/bin/callwise-alerts-check 2>/dev/null) \
    || fail "the alerts window check failed: $said"
rm "$root/usr/bin/callwise-alerts-check"
[ "$said" = "voice plugin loaded; speech engine found" ] || fail "alerts window: $said"
inside callwise-report --help >/dev/null || fail "callwise-report --help"
echo "clean Debian 12: $said; callwise-report --help runs"
