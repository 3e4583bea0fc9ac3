#!/bin/bash
# Installs the build into a temporary prefix and checks what a desktop sees:
# the layout, the voice plugin found from the installed program's directory,
# the desktop entry and the AppStream metadata, and the installed
# callwise-report reading its data from ~/.local/share/callwise because it
# cannot write its own directory. Then, where the Debian tools are present,
# the package and lintian's verdict on it.
#
# From ctest: BUILD_DIR, CMAKE_COMMAND, CPACK_COMMAND. Exit 77 is a skip,
# whose reason is printed first.
set -euo pipefail

fail() { echo "FAIL: $*" >&2; exit 1; }
# A missing tool skips, except in CI, where scripts/install-deps must have
# installed it.
have() {
    command -v "$1" >/dev/null 2>&1 && return 0
    [ "${CI:-}" = true ] && fail "$1 is not installed (scripts/install-deps --test)"
    echo "SKIP: $1 is not installed (scripts/install-deps --test installs it)"
    return 1
}

tmp=$(mktemp -d "${TMPDIR:-/tmp}/callwise-install.XXXXXX")
trap 'chmod -R u+w "$tmp"; rm -rf "$tmp"' EXIT
chmod 755 "$tmp"
prefix=$tmp/prefix
"${CMAKE_COMMAND:?}" --install "${BUILD_DIR:?}" --prefix "$prefix" >/dev/null

app=org.callwise.callwise
for file in bin/callwise bin/callwise-report share/applications/$app.desktop \
    share/metainfo/$app.metainfo.xml share/man/man1/callwise-report.1.gz \
    share/icons/hicolor/{16x16,32x32,48x48,128x128}/apps/$app.png \
    "${PLUGIN_DIR:?}"/libcallwise_{voice,print}.so; do
    [ -s "$prefix/$file" ] || fail "$file is not installed"
done

# The alerts window, from the installed bin/, finds the installed voice
# plugin, and tells of no engine once the plugin is gone.
alerts_window() {
    cp "${ALERTS_CHECK:?}" "$prefix/bin/"
    QT_QPA_PLATFORM=offscreen "$prefix/bin/$(basename "$ALERTS_CHECK")" 2>/dev/null
    rm "$prefix/bin/$(basename "$ALERTS_CHECK")"
}
said=$(alerts_window)
[[ $said == "voice plugin loaded; "* ]] || fail "alerts window: $said"
mv "$prefix/$PLUGIN_DIR/libcallwise_voice.so" "$tmp/"
said=$(alerts_window)
[ "$said" = "voice plugin missing; No speech engine is installed." ] || fail "without the plugin: $said"
mv "$tmp/libcallwise_voice.so" "$prefix/$PLUGIN_DIR/"
have desktop-file-validate || exit 77
desktop-file-validate "$prefix/share/applications/$app.desktop" || fail "desktop entry"
have appstreamcli || exit 77
appstreamcli validate --no-net --pedantic "$prefix/share/metainfo/$app.metainfo.xml" \
    || fail "metainfo"

# The report as a user who cannot write the program directory: as root that
# is nobody, otherwise the prefix is made read-only.
home=$tmp/home
data=$home/.local/share/callwise
mkdir -p "$data"
printf '%s\r\n' "05:12:2026  ,  " "21:14:03  ,  " "00:05:01  ,  " "02.00#" >"$data/netcosts.ini"
printf 'not this one\r\n' >"$prefix/bin/netcosts.ini"
as_user=(env)
if [ "$(id -u)" -eq 0 ]; then
    chmod -R a+rX "$tmp"
    as_user=(runuser -u nobody -- env)
else
    chmod a-w "$prefix/bin"
fi
report=$("${as_user[@]}" -u XDG_DATA_HOME HOME="$home" \
    "$prefix/bin/callwise-report" --today 06/12/2026 "7 Days") || fail "callwise-report: $report"
grep -q '^05:12:2026  ,  21:14:03  ,  00:05:01  ,  02.00  =' <<<"$report" \
    || fail "the report does not list the call in $data:"$'\n'"$report"
# A chart drawn where the session has no runtime directory (cron, ssh) warns of nothing.
chart_err=$("${as_user[@]}" -u XDG_DATA_HOME -u XDG_RUNTIME_DIR HOME="$home" TMPDIR=/tmp \
    "$prefix/bin/callwise-report" --today 06/12/2026 --chart /tmp/callwise-chart-$$.svg "7 Days" 2>&1 >/dev/null) \
    || fail "callwise-report --chart: $chart_err"
rm -f /tmp/callwise-chart-$$.svg
[ -z "$chart_err" ] || fail "callwise-report --chart warns: $chart_err"

# The package, from the same install rules.
have dpkg-deb && have lintian && have dpkg-shlibdeps || exit 77
(cd "$BUILD_DIR" && "${CPACK_COMMAND:?}" -G DEB -B "$tmp/package" >/dev/null) || fail "cpack"
deb=$(echo "$tmp"/package/callwise_*.deb)
[ -f "$deb" ] || fail "cpack made no .deb"
depends=$(dpkg-deb --field "$deb" Depends)
grep -q 'libqt6texttospeech6' <<<"$depends" || fail "Depends lacks the plugins' libraries"
# The tone plays through libpulse; Qt Multimedia would bring some 180 MB.
[ ! -f "$prefix/$PLUGIN_DIR/libcallwise_chime.so" ] || grep -q 'libpulse0' <<<"$depends" \
    || fail "Depends lacks libpulse0, the tone's library"
! grep -q 'multimedia' <<<"$depends" || fail "Depends asks for Qt Multimedia: $depends"
dpkg-deb --field "$deb" Recommends | grep -q 'qt6-speech-speechd-plugin' || fail "no speech engine recommended"
lintian --fail-on error --tag-display-limit 0 "$deb" || fail "lintian finds errors"
echo "installed, validated and packaged: $(basename "$deb"), $(stat -c %s "$deb") bytes"
