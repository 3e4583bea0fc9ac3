#!/bin/bash
# Warnings reach a real notification server (dunst, on the test's own session
# bus) at their urgency: the forecast that the month will pass its limit,
# weighed at start-up, as normal; the month's calls passing it, in a call, as
# critical. dbus-monitor reads each Notify call's urgency hint.
. "$(dirname "$0")/lib.sh"
e2e_init urgency
e2e_netns
e2e_start_x
e2e_start_session_bus
e2e_start_dunst

# The urgencies of the Notify calls so far, one a line.
urgencies() { awk '/string "urgency"/ { getline; print $NF }' "$E2E_TMP/notify.log"; }
notified() { [ "$(urgencies | wc -l)" -ge "$1" ]; }

e2e_program_dir
e2e_write_settings 1000 0
e2e_write_fees 0 00:00 100.00
# 10p a day from 21 November to 4 December; a bill from the 15th has spent
# 140p by the 5th, and 9 days more at that pace make 230p, past 200p.
for day in $(seq 21 30) 1 2 3 4; do
    month=11
    [ "$day" -le 4 ] && month=12
    e2e_write_crlf "$E2E_TMP/record" "$(printf '%02d:%02d:2026' "$day" "$month")  ,  " \
        "09:00:00  ,  " "00:10:00  ,  " "01.00#"
    cat "$E2E_TMP/record" >>"$PROGRAM_DIR/netcosts.ini"
done
e2e_write_crlf "$PROGRAM_DIR/alerts.ini" 0 200 "" 15 ""
e2e_fake_time '2026-12-05 10:00:00 x10'

e2e_step "the forecast past the limit is a normal warning"
e2e_run_callwise callwise
main=$(e2e_wait_window '^Callwise V2.5$') || e2e_fail "the main window did not show"
e2e_wait 10 notified 1 || e2e_fail "no notification: $(cat "$E2E_TMP/notify.log")"
[ "$(urgencies | sed -n 1p)" = 1 ] || e2e_fail "the forecast's urgency: $(urgencies)"
grep -q 'At this pace' "$E2E_TMP/notify.log" || e2e_fail "not the forecast: $(cat "$E2E_TMP/notify.log")"

e2e_step "a call at 100p a minute passes the limit: a critical warning"
e2e_link_up
e2e_wait 30 notified 2 || e2e_fail "no second notification: $(cat "$E2E_TMP/notify.log")"
[ "$(urgencies | sed -n 2p)" = 2 ] || e2e_fail "the limit's urgency: $(urgencies)"
grep -q 'past your limit of £2.00' "$E2E_TMP/notify.log" || e2e_fail "not the limit's warning"
e2e_shot notified
e2e_link_down

e2e_step "e&Xit from the window's menu ends the program"
read -r -a main_at <<<"$(e2e_center "$main")"
xdotool mousemove "${main_at[@]}"
e2e_open_menu "${main_at[@]}"
xdotool key x
e2e_wait_ended
e2e_log "ok"
