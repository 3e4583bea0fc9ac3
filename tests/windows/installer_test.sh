#!/bin/bash
# The Windows program from its installer to its uninstaller, under Wine on
# Xvfb: in a fresh Wine prefix CallwiseSetup.exe installs silently under
# Program Files with its Start-menu entry; callwise.exe starts with its icon
# in the tray (Wine docks it in trayer, an XEmbed tray) and keeps its data
# files in %APPDATA%\Callwise; a call, the remote access service's registry
# value set and cleared, is logged with its charge; the tariff editor, the
# rules, the costs and the alerts windows open from the tray menu and are
# screenshot; e&Xit ends it; the uninstaller removes the program and keeps
# the data files. Start-up time and memory go to the log.
#
# CALLWISE_SETUP: the installer; E2E_ARTEFACTS: where screenshots go.
. "$(dirname "$0")/../e2e/lib.sh"
e2e_init windows
: "${CALLWISE_SETUP:?}"

wine=""
for candidate in /usr/lib/wine/wine64 wine64 wine; do
    command -v "$candidate" >/dev/null 2>&1 && wine=$(command -v "$candidate") && break
done
[ -n "$wine" ] || e2e_fail "no wine64 (scripts/install-deps --test)"
wineserver=$(dirname "$wine")/wineserver64
[ -x "$wineserver" ] || wineserver=$(command -v wineserver)
# No Mono or Gecko, which nothing here needs; no menu entries or file types
# of the host's desktop made for the installed program (winemenubuilder).
mkdir -p "$E2E_TMP/home"
export WINEPREFIX=$E2E_TMP/wine WINEDEBUG=-all HOME=$E2E_TMP/home
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
# Wine's own processes outlive the program: they go before the display does.
wine_cleanup() {
    local status=$?
    "$wineserver" -k 2>/dev/null || true
    "$wineserver" -w 2>/dev/null || true
    (exit "$status")
    e2e_cleanup
}
trap wine_cleanup EXIT
win() { "$wine" "$@" 2>>"$E2E_TMP/wine.log"; }
remote_connection() {
    win reg add 'HKLM\System\CurrentControlSet\Services\RemoteAccess' /v 'Remote Connection' \
        /t REG_DWORD /d "$1" /f >/dev/null
}

e2e_start_x
e2e_start_trayer
# Wine's explorer.exe holds the icons that programs ask the tray for, and
# docks them in the X tray.
tray_icons() { xwininfo -tree -id "$TRAYER_WINDOW" | grep -c '"explorer.exe"' || true; }
tray_icon() { xwininfo -tree -id "$TRAYER_WINDOW" | awk '/"explorer.exe"/ { print $1; exit }' | grep .; }

e2e_step "a fresh Wine prefix, and the installer run silently"
started=$(date +%s)
win wineboot --init >/dev/null
e2e_log "Wine prefix made in $(($(date +%s) - started)) s"
win "$CALLWISE_SETUP" /S || e2e_fail "the installer failed"
program="$WINEPREFIX/drive_c/Program Files/Callwise"
menu="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/Callwise"
for file in "$program/callwise.exe" "$program/callwise-report.exe" "$program/Uninstall.exe" \
    "$program/plugins/platforms/qwindows.dll" "$program/plugins/callwise/callwise_print.dll" \
    "$program/translations/qtbase_fr.qm" "$menu/Callwise.lnk"; do
    [ -f "$file" ] || e2e_fail "not installed: ${file#"$WINEPREFIX/"}"
done
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Callwise'
win reg query "$uninstall_key" /v DisplayVersion | grep -q 'DisplayVersion.*[0-9]\.[0-9]' \
    || e2e_fail "no uninstall entry with the version"

e2e_step "the report runs from Program Files"
win "C:\\Program Files\\Callwise\\callwise-report.exe" --help >"$E2E_TMP/report.log" \
    || e2e_fail "callwise-report --help failed: $(tail -3 "$E2E_TMP/report.log")"

# The data files of a user, where an installed program keeps them; a scan
# every second, no splash; 1.50 a minute and 15p a call at all times.
appdata=$(win cmd /c 'echo %APPDATA%' | tr -d '\r')
PROGRAM_DIR=$(win winepath -u "$appdata\\Callwise" | tr -d '\r')
mkdir -p "$PROGRAM_DIR"
e2e_write_settings 1000 0
e2e_write_fees 0 00:00 1.50
e2e_write_crlf "$PROGRAM_DIR/netrules.ini" 15.00 "" "" "" 0
log=$PROGRAM_DIR/netcosts.ini
charges=$PROGRAM_DIR/netcharges.ini

# start_in_tray NAME: starts Program Files\Callwise\NAME.exe and waits for
# its tray icon; logs the time that took and the memory it then holds.
start_in_tray() {
    [ "$(tray_icons)" -eq 0 ] || e2e_fail "an icon in the tray before the start"
    local started shown pid rss
    started=$(date +%s%N)
    TZ=UTC LANG=en_GB.UTF-8 "$wine" "C:\\Program Files\\Callwise\\$1.exe" >"$E2E_TMP/$1.log" 2>&1 &
    e2e_track $!
    e2e_wait 60 tray_icon || e2e_fail "no tray icon appeared"
    shown=$(date +%s%N)
    sleep 2 # settled
    pid=$(pgrep -f "Callwise\\\\$1.exe" | head -1) || true
    rss=$(awk '/^VmRSS:/ { print $2 }' "/proc/${pid:-0}/status" 2>/dev/null || echo "?")
    e2e_log "$1: start-up to the tray icon $(((shown - started) / 1000000)) ms, memory $rss kB"
    PROGRAM_PID=$pid
}

if [ -n "${CALLWISE_BASELINE:-}" ]; then
    e2e_step "the yardstick: a bare Qt tray program, built the same way"
    cp "$CALLWISE_BASELINE" "$program/tray_baseline.exe"
    start_in_tray tray_baseline
    kill "$PROGRAM_PID"
    e2e_wait 10 e2e_not tray_icon || e2e_fail "the yardstick's icon stayed"
    rm "$program/tray_baseline.exe"
fi

e2e_step "callwise.exe starts with its icon in the tray"
start_in_tray callwise
e2e_shot tray
icon=$(tray_icon)
read -r -a icon_at <<<"$(e2e_center "$icon")"

e2e_step "a call: the registry value of the dial-up link set, then cleared"
remote_connection 1
sleep 4
[ -e "$log" ] && e2e_fail "a record was written while the link was up"
remote_connection 0
e2e_wait 15 test -s "$charges" || e2e_fail "no charge after the call (log: $(cat "$log" 2>/dev/null))"
[ "$(grep -c '#' "$log")" -eq 1 ] || e2e_fail "log: $(od -c "$log")"
sed -n 4p "$log" | grep -q '^01\.50#' || e2e_fail "fee: $(od -c "$log")"
grep -Eq '  ,  (1[5-9]|[2-9][0-9])#'$'\r''$' "$charges" || e2e_fail "charge: $(od -c "$charges")"
e2e_log "logged: $(tr -d '\r' <"$log" | tr '\n' ' '); charged: $(tr -d '\r' <"$charges")"

e2e_step "the windows open from the tray menu"
days=$(e2e_menu_opens "${icon_at[@]}" s '^Days and Fees$' frmDays) || exit 1
xdotool windowmove "$days" 0 0
sleep 0.5
e2e_click_control "$days" 5160 4524 852 372 # cmdRules
rules=$(e2e_wait_window '^Tariff Rules$' 20) || e2e_fail "the rules window did not show"
e2e_shot frmRules "$rules"
# Escape cancels the rules, then closes the tariff editor: the tray's menu
# waits while a window of the program is modal.
viewable() { xwininfo -id "$1" 2>/dev/null | grep -q IsViewable; }
for window in "$rules" "$days"; do
    xdotool windowfocus --sync "$window" key Escape 2>/dev/null || xdotool key Escape
    e2e_wait 10 e2e_not viewable "$window" || e2e_fail "Escape did not close window $window"
done
costs=$(e2e_menu_opens "${icon_at[@]}" c '^Internet Phone Costs$' frmCosts) || exit 1
alerts=$(e2e_menu_opens "${icon_at[@]}" p '^Speech Alerts$' frmAlerts) || exit 1
e2e_shot screen
# Closed as a user closes them before e&Xit (Wine takes Alt+F4 as the
# close box).
for window in "$alerts" "$costs"; do
    xdotool windowfocus --sync "$window" key alt+F4 2>/dev/null || xdotool key alt+F4
    e2e_wait 10 e2e_not viewable "$window" || e2e_fail "Alt+F4 did not close window $window"
done

e2e_step "e&Xit ends the program and takes its icon"
e2e_open_menu "${icon_at[@]}"
xdotool key x
e2e_wait 20 e2e_not pgrep -f 'Callwise\\callwise.exe' || e2e_fail "the program did not end"
e2e_wait 10 e2e_not tray_icon || e2e_fail "the icon stayed in the tray"

e2e_step "the uninstaller removes the program and keeps the data files"
win "C:\\Program Files\\Callwise\\Uninstall.exe" /S
# It runs from a copy of itself, and the call returns at once.
e2e_wait 60 e2e_not test -e "$program/callwise.exe" || e2e_fail "the program is still installed"
e2e_wait 20 e2e_not test -e "$program" || e2e_fail "left: $(ls "$program")"
# The uninstaller's copy may still be at work after the folder is gone.
e2e_wait 20 e2e_not test -e "$menu" || e2e_fail "the Start-menu entry stayed"
uninstall_entry() { win reg query "$uninstall_key" >/dev/null 2>&1; }
e2e_wait 20 e2e_not uninstall_entry || e2e_fail "the uninstall entry stayed"
[ -s "$log" ] || e2e_fail "the call log went"
[ -s "$charges" ] || e2e_fail "the charges went"
e2e_log "ok"
