#!/bin/bash
# A call priced under rules keeps one record and one charge when the program
# is killed between the two appends: it runs under strace, which kills it as
# it opens the charges file to append the call's charge, after the record has
# gone to the log; the next start finds the record logged and keeps the
# charge from the call's journal, once.
. "$(dirname "$0")/lib.sh"
e2e_init charges
e2e_netns
e2e_require strace
e2e_start_x
e2e_start_trayer
e2e_program_dir
e2e_write_settings 1000 0
e2e_write_fees 0 00:00 1.50
e2e_write_crlf "$PROGRAM_DIR/netrules.ini" 15.00 "" "" "" 0 # 15p a call
e2e_fake_time '2026-12-05 21:14:00'
log=$PROGRAM_DIR/netcosts.ini
charges=$(realpath -m "$PROGRAM_DIR/netcharges.ini")
journal=$PROGRAM_DIR/callnow.ini

e2e_step "killed as it opens the charges file at the call's end"
e2e_program_env
ip netns exec "$E2E_NETNS" strace -f -o "$E2E_TMP/strace.log" -e trace=openat \
    -e inject=openat:signal=SIGKILL -P "$charges" "${E2E_ENV[@]}" "$PROGRAM_DIR/callwise" \
    >"$E2E_TMP/killed.log" 2>&1 &
CALLWISE_PID=$!
e2e_track "$CALLWISE_PID"
e2e_wait 10 e2e_tray_icon || e2e_fail "no tray icon appeared"
e2e_link_up
sleep 3
e2e_link_down
e2e_wait 10 e2e_not kill -0 "$CALLWISE_PID" || e2e_fail "the program is still running"
wait "$CALLWISE_PID" 2>/dev/null || true
grep -q 'killed by SIGKILL' "$E2E_TMP/strace.log" || e2e_fail "not killed: $(tail -3 "$E2E_TMP/strace.log")"
e2e_records() { grep -c '#' "$log"; }
[ "$(e2e_records)" -eq 1 ] || e2e_fail "$(e2e_records) records before the restart"
[ -e "$charges" ] && e2e_fail "a charge before the restart: $(od -c "$charges")"
[ "$(grep -c '#' "$journal")" -eq 2 ] || e2e_fail "no charge in the journal: $(od -c "$journal")"

e2e_step "the next start keeps the charge once"
e2e_run_callwise restarted
e2e_wait 10 test -s "$charges" || e2e_fail "the charge was not kept at the restart"
e2e_wait 10 e2e_tray_icon || e2e_fail "no tray icon after the restart"
e2e_wait 5 e2e_not test -e "$journal" || e2e_fail "the journal is still there"
[ "$(e2e_records)" -eq 1 ] || e2e_fail "$(e2e_records) records: $(od -c "$log")"
start=$(sed -n 2p "$log" | cut -c1-8)
duration=$(sed -n 3p "$log" | cut -c1-8)
e2e_log "logged: started $start, lasted $duration"
# A minute begun at 1.50p and 15p a call: 16.5, to the even penny 16.
cmp "$charges" <(printf '05:12:2026  ,  %s  ,  %s  ,  16#\r\n' "$start" "$duration") \
    || e2e_fail "charges: $(od -c "$charges")"
e2e_log "ok"
