#!/bin/bash
# No paid call is lost: the program killed outright 73 s into a call leaves
# the call's journal, and the next start logs the call once, at most 10 s
# short (the journal is rewritten every 10 s); SIGTERM during a call logs it
# at once.
. "$(dirname "$0")/lib.sh"
e2e_init journal
e2e_netns
e2e_start_x
e2e_start_trayer
e2e_program_dir
e2e_write_settings 1000 0
e2e_write_fees 0 00:00 1.50
e2e_fake_time '2026-12-05 21:14:00'
log=$PROGRAM_DIR/netcosts.ini
journal=$PROGRAM_DIR/callnow.ini

e2e_step "killed 73 s into a call: no record, a journal"
e2e_run_callwise killed
e2e_wait 10 e2e_tray_icon || e2e_fail "no tray icon appeared"
e2e_link_up
sleep 73
kill -KILL "$CALLWISE_PID"
wait "$CALLWISE_PID" 2>/dev/null || true
e2e_link_down
[ -e "$log" ] && e2e_fail "a record before the restart"
[ -s "$journal" ] || e2e_fail "no journal of the call"

e2e_step "the next start logs the call once and tells the user"
e2e_run_callwise restarted
e2e_wait 10 test -s "$log" || e2e_fail "the call was not logged at the restart"
e2e_wait 10 e2e_tray_icon || e2e_fail "no tray icon after the restart"
sleep 1.5
e2e_shot recovered # the balloon over the icon
[ -e "$journal" ] && e2e_fail "the journal is still there"
e2e_records() { grep -c '#' "$log"; }
[ "$(e2e_records)" -eq 1 ] || e2e_fail "$(e2e_records) records: $(od -c "$log")"
start=$(sed -n 2p "$log" | cut -c1-8)
duration=$(sed -n 3p "$log" | cut -c1-8)
e2e_log "recovered: started $start, lasted $duration of about 73 s"
[[ $start =~ ^21:14:0[0-9]$ ]] || e2e_fail "start time $start"
# The scan finds the link within its 1 s; the last rewrite is at most 10 s old.
[[ $duration =~ ^00:01:(0[3-9]|1[0-3])$ ]] || e2e_fail "duration $duration, not 00:01:03 to 00:01:13"
cmp "$log" <(printf '05:12:2026  ,  \r\n%s  ,  \r\n%s  ,  \r\n01.50#\r\n' "$start" "$duration") \
    || e2e_fail "record: $(od -c "$log")"

e2e_step "SIGTERM during a call logs it"
e2e_link_up
sleep 5
kill -TERM "$CALLWISE_PID"
status=0
wait "$CALLWISE_PID" || status=$?
[ "$status" -eq 0 ] || e2e_fail "the program ended with status $status"
[ "$(e2e_records)" -eq 2 ] || e2e_fail "$(e2e_records) records: $(od -c "$log")"
[[ $(sed -n 7p "$log") =~ ^00:00:0[2-6]\ \ ,\ \ $'\r'$ ]] || e2e_fail "duration $(sed -n 7p "$log")"
[ -e "$journal" ] && e2e_fail "the journal is still there"
e2e_log "ok"
