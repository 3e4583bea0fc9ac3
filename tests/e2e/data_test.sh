#!/bin/bash
# A call on a mobile link (wwan0, billed by volume by default) counts the
# bytes the kernel counts on it: real UDP sent through a tun whose holder
# echoes every packet back, so each byte sent is received too. The count is
# in the journal after 10 s, survives a kill -9 into netbytes.ini at the
# next start, and is kept there at a call's end beside a charge priced by
# the data tariff (2p a MB).
. "$(dirname "$0")/lib.sh"
e2e_init data
e2e_netns
e2e_start_x
e2e_start_trayer
e2e_program_dir
e2e_write_settings 1000 0
e2e_write_fees 0 00:00 1.50
e2e_write_data_tariff 2.00
E2E_LINK=wwan0
log=$PROGRAM_DIR/netcosts.ini
journal=$PROGRAM_DIR/callnow.ini
bytes=$PROGRAM_DIR/netbytes.ini
charges=$PROGRAM_DIR/netcharges.ini
e2e_step "3 MB each way, the journal's bytes at 10 s, then kill -9"
e2e_run_callwise killed
e2e_wait 10 e2e_tray_icon || e2e_fail "no tray icon appeared"
e2e_echo_link_up
sleep 2
e2e_push 3000000
sleep 11
counted=$(e2e_link_bytes)
e2e_log "kernel: $counted"
# A busy machine may drop some datagrams; what matters is that the journal
# holds exactly what the kernel counted, so a third of the bytes is enough.
[ "${counted%% *}" -gt 1000000 ] && [ "${counted##* }" -gt 1000000 ] \
    || e2e_fail "the link moved only $counted"
tail -1 "$journal" | grep -q "  ,  $counted#"$'\r' \
    || e2e_fail "journal: $(od -c "$journal" | tail -8), kernel $counted"
kill -KILL "$CALLWISE_PID"
wait "$CALLWISE_PID" 2>/dev/null || true
e2e_link_down

e2e_step "the next start keeps the journal's bytes and their price"
e2e_run_callwise restarted
e2e_wait 10 test -s "$bytes" || e2e_fail "no bytes kept at the restart"
[ -e "$journal" ] && e2e_fail "the journal is still there"
grep -q "  ,  $counted#"$'\r' "$bytes" || e2e_fail "bytes: $(cat "$bytes"), kernel $counted"
pence=$(awk -v b="${counted//  ,  /+}" 'BEGIN { split(b, p, "+"); printf "%.0f", (p[1] + p[2]) * 2 / 1000000 }')
grep -q "  ,  $pence#"$'\r' "$charges" || e2e_fail "charge: $(cat "$charges"), not $pence"

e2e_step "a call's end keeps its bytes after its record and its charge"
e2e_wait 10 e2e_tray_icon || e2e_fail "no tray icon after the restart"
e2e_echo_link_up
sleep 2
e2e_push 1000000
sleep 3
counted=$(e2e_link_bytes)
e2e_log "kernel: $counted"
e2e_link_down
e2e_wait 5 test "$(grep -c '#' "$bytes")" -eq 2 || e2e_fail "bytes: $(cat "$bytes")"
[ "$(grep -c '#' "$log")" -eq 2 ] || e2e_fail "records: $(cat "$log")"
tail -1 "$bytes" | grep -q "  ,  $counted#"$'\r' || e2e_fail "bytes: $(cat "$bytes"), kernel $counted"
# The side records name the call as the log's last record does.
[ "$(tail -1 "$bytes" | cut -c1-36)" = "$(tail -1 "$charges" | cut -c1-36)" ] \
    || e2e_fail "the charge and the bytes name different calls"
e2e_log "ok"
