#!/bin/bash
# The installed program as an ordinary user: from a prefix it cannot write it
# keeps its files in ~/.local/share/callwise, times a call on a mobile
# broadband link (wwan0), and the installed callwise-report lists the call.
# Auto-run on: the autostart entry starts the installed program.
. "$(dirname "$0")/lib.sh"
e2e_init installed
e2e_require runuser
e2e_netns
e2e_start_x
e2e_start_trayer

e2e_step "install into a prefix owned by root"
prefix=$E2E_TMP/prefix
"${CMAKE_COMMAND:?}" --install "${BUILD_DIR:?}" --prefix "$prefix" >/dev/null
PROGRAM_DIR=$prefix/bin
e2e_program_env
data=$E2E_TMP/home/.local/share/callwise
mkdir -p "$data"
e2e_write_crlf "$data/settings.ini" " 1000 " " 0 " " 0 " " 1 "
chmod 755 "$E2E_TMP"
chown -R nobody "$E2E_TMP/home" "$E2E_TMP/run"
E2E_AS_USER=(runuser -u nobody --)
E2E_LINK=wwan0

e2e_run_callwise callwise
e2e_wait 10 e2e_tray_icon || e2e_fail "no tray icon appeared"
icon=$(e2e_tray_icon)
grep -qx "Exec=\"$PROGRAM_DIR/callwise\"" "$E2E_TMP/home/.config/autostart/callwise.desktop" \
    || e2e_fail "autostart entry: $(cat "$E2E_TMP/home/.config/autostart/callwise.desktop")"

e2e_step "a wwan0 link up for 3 s is one call in the data directory"
e2e_link_up
sleep 3
e2e_link_down
log=$data/netcosts.ini
e2e_wait 5 test -s "$log" || e2e_fail "no record in $data: $(ls -a "$data")"
[ "$(ls "$PROGRAM_DIR")" = "$(printf 'callwise\ncallwise-report')" ] \
    || e2e_fail "files in the program directory: $(ls "$PROGRAM_DIR")"

e2e_step "the installed callwise-report lists the call"
start=$(sed -n 2p "$log" | cut -c1-8)
report=$(runuser -u nobody -- env -u XDG_DATA_HOME HOME="$E2E_TMP/home" \
    "$PROGRAM_DIR/callwise-report" "1 Day") || e2e_fail "callwise-report: $report"
grep -q "  ,  $start  ,  " <<<"$report" || e2e_fail "the report lacks the call at $start: $report"

e2e_exit_by_menu $(e2e_center "$icon")
e2e_log "ok"
