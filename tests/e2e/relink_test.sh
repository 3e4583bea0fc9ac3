#!/bin/bash
# Where the program gets no link messages (a sandbox that forbids netlink
# sockets) it polls, and a mobile link (wwan0) dropped and made anew between
# two polls is one call whose link counters went back to 0 under a new
# index. Its count carries on from the first link's: one record, whose bytes
# are those of both links, priced on their sum. The program is frozen while
# the link is made anew, so no poll falls in between.
. "$(dirname "$0")/lib.sh"
e2e_init relink
e2e_netns
e2e_start_x
e2e_start_trayer
e2e_program_dir
e2e_write_settings 1000 0
e2e_write_fees 0 00:00 1.50
e2e_write_data_tariff 2.00
E2E_LINK=wwan0
E2E_PRELOAD=${E2E_NO_NETLINK_LIB:?}
log=$PROGRAM_DIR/netcosts.ini
journal=$PROGRAM_DIR/callnow.ini
bytes=$PROGRAM_DIR/netbytes.ini
charges=$PROGRAM_DIR/netcharges.ini

# The program's netlink sockets that hear link changes (routing family 0,
# groups other than none), by inode.
link_listeners() {
    find "/proc/$CALLWISE_PID/fd" -lname 'socket:*' -printf '%l\n' | tr -dc '0-9\n' \
        | grep -Fx -f - <(awk 'NR > 1 && $2 == 0 && $4 != "00000000" { print $NF }' \
            "/proc/$CALLWISE_PID/net/netlink")
}
# Pushes bytes, then waits until the link's counters stand still: the echo
# is written back a little after the push ends.
push_settled() {
    local before
    e2e_push "$1"
    before=$(e2e_link_bytes)
    while sleep 0.5 && [ "$(e2e_link_bytes)" != "$before" ]; do before=$(e2e_link_bytes); done
    LINK_BYTES=$(e2e_link_bytes)
    # A busy machine drops datagrams: some are enough.
    [ "${LINK_BYTES%% *}" -gt 50000 ] && [ "${LINK_BYTES##* }" -gt 50000 ] \
        || e2e_fail "the link moved only $LINK_BYTES"
}
journal_shows() { tail -1 "$journal" | grep -q "  ,  $1#"$'\r'; }

e2e_step "no link messages: the poll sees the link come, and its bytes are counted"
e2e_run_callwise relink
e2e_wait 10 e2e_tray_icon || e2e_fail "no tray icon appeared"
e2e_echo_link_up
e2e_wait 5 test -e "$journal" || e2e_fail "no call began"
link_listeners && e2e_fail "the program hears link messages"
push_settled 300000
first=$LINK_BYTES
e2e_log "first link: $first"
# The journal, rewritten each 10 s, shows the count has reached it.
e2e_wait 15 journal_shows "$first" || e2e_fail "journal: $(tail -1 "$journal"), link $first"

e2e_step "the link made anew while the program is frozen"
index=$(e2e_in_ns cat "/sys/class/net/$E2E_LINK/ifindex")
kill -STOP "$CALLWISE_PID"
e2e_wait 5 grep -q '^State:.T' "/proc/$CALLWISE_PID/status" || e2e_fail "the program did not stop"
e2e_link_down
e2e_echo_link_up
kill -CONT "$CALLWISE_PID"
[ "$(e2e_in_ns cat "/sys/class/net/$E2E_LINK/ifindex")" != "$index" ] \
    || e2e_fail "the link came back under its old index"
# More than before, so a count that took the new counters for the old ones
# moved on would lose the first link's bytes.
push_settled 1500000
second=$LINK_BYTES
e2e_log "second link: $second"
read -r received1 _ sent1 <<<"$first"
read -r received2 _ sent2 <<<"$second"
received=$((received1 + received2)) sent=$((sent1 + sent2))
e2e_wait 15 journal_shows "$received  ,  $sent" \
    || e2e_fail "journal: $(tail -1 "$journal"), links $first and $second"

e2e_step "the call's end: one record, the bytes of both links and their price"
e2e_link_down
e2e_wait 5 test -s "$bytes" || e2e_fail "no bytes kept at the call's end"
[ "$(grep -c '#' "$log")" -eq 1 ] || e2e_fail "records: $(cat "$log")"
[ "$(grep -c '#' "$bytes")" -eq 1 ] && grep -q "  ,  $received  ,  $sent#"$'\r' "$bytes" \
    || e2e_fail "bytes: $(cat "$bytes"), links $first and $second"
pence=$(awk -v b="$((received + sent))" 'BEGIN { printf "%.0f", b * 2 / 1000000 }')
grep -q "  ,  $pence#"$'\r' "$charges" || e2e_fail "charge: $(cat "$charges"), not $pence"
e2e_log "ok"
