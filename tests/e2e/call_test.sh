#!/bin/bash
# One dial-up call from end to end: a ppp0 link comes up and goes under a
# clock set inside a fee band; the call is timed, priced and appended to the
# log as one record; the costs window lists it, and Print sends the summary
# through a real CUPS queue. The scan is set to 20 s: the program follows the
# link by the system's messages, so a link that comes and goes within a
# moment is a call too.
. "$(dirname "$0")/lib.sh"
e2e_init call
e2e_netns
e2e_start_x
e2e_start_trayer
e2e_start_cups
e2e_program_dir
e2e_write_settings 20000 0
# Every day 1.00 from midnight, 4.20 from 08:00, 1.00 from 18:00; at least 3 minutes.
e2e_write_fees 3 00:00 1.00 08:00 4.20 18:00 1.00
e2e_fake_time '2026-12-05 10:00:00' # a Saturday, in the 4.20 band
log=$PROGRAM_DIR/netcosts.ini
has_records() { [ "$(grep -c '#' "$log")" -eq "$1" ]; }

e2e_run_callwise callwise
e2e_wait 10 e2e_tray_icon || e2e_fail "no tray icon appeared"
icon=$(e2e_tray_icon)
read -r -a icon_at <<<"$(e2e_center "$icon")"
e2e_click_center "$icon" 1 2
main=$(e2e_wait_window '^Callwise V2.5$') || e2e_fail "the main window did not show"

e2e_step "the link comes up: the call is timed"
e2e_link_up
sleep 4
[ -e "$log" ] && e2e_fail "a record was written while the link was up"
e2e_shot frmCallwise-connected "$main"

e2e_step "the link goes: one record of the right bytes"
e2e_link_down
e2e_wait 5 test -s "$log" || e2e_fail "no record after the link went"
sleep 1.5 # a second scan must not append again
e2e_shot frmCallwise-ended "$main"
start=$(sed -n 2p "$log" | cut -c1-8)
duration=$(sed -n 3p "$log" | cut -c1-8)
[[ $start =~ ^10:00:[0-5][0-9]$ ]] || e2e_fail "start time $start"
[[ $duration =~ ^00:00:0[2-9]$ ]] || e2e_fail "duration $duration for a link held 4 s"
cmp "$log" <(printf '05:12:2026  ,  \r\n%s  ,  \r\n%s  ,  \r\n04.20#\r\n' "$start" "$duration") \
    || e2e_fail "record: $(od -c "$log")"

e2e_step "the costs window lists the call"
costs=$(e2e_menu_opens "${icon_at[@]}" c '^Internet Phone Costs$' frmCosts-opened) || exit 1
e2e_click_control "$costs" 2040 0 1272 315 # lsttimes
xdotool key Down # steps to "1 Day", which chooses it
e2e_shot frmCosts-1day "$costs"

e2e_step "Print sends the summary to the default queue"
before=$(e2e_visible_windows)
e2e_click_control "$costs" 3600 5160 1215 375 # Command2, "Print"
question=$(e2e_wait_new_window "$before") || e2e_fail "no question before printing"
e2e_shot print-question "$question"
xdotool key Return # Yes
e2e_wait 15 e2e_last_job_file || e2e_fail "no print job reached the queue"
job=$(e2e_last_job_file)
pdfinfo "$job" | grep -q '^Page size:.*(A4)' || e2e_fail "not A4: $(pdfinfo "$job" | grep 'Page size')"
e2e_last_job_text >"$E2E_ART/printed.txt"
seconds=${duration:6:2}
expected="Callwise Call Costs Summary
Date - Time - Connection - Cost per min - Cost
05:12:2026 , $start , $duration , 04.20 = £0.13
Total Calls Cost= £0.13
Total Time = 00:00: ${seconds#0}"
actual=$(grep -v '^[[:space:]]*$' "$E2E_ART/printed.txt" | tr -s ' \f' ' ' | sed 's/^ //; s/ $//')
[ "$actual" = "$expected" ] || e2e_fail "printed:
$actual
expected:
$expected"
e2e_shot frmCosts-printed "$costs"

e2e_step "a link that comes and goes at once is a short call"
e2e_link_up
e2e_link_down
e2e_wait 5 has_records 2 || e2e_fail "the log holds $(grep -c '#' "$log") records"
[[ $(sed -n 7p "$log" | cut -c1-8) =~ ^00:00:0[0-2]$ ]] || e2e_fail "flap: $(tail -4 "$log")"

e2e_step "e&Xit ends the program"
e2e_exit_by_menu "${icon_at[@]}"
has_records 2 || e2e_fail "the log holds $(grep -c '#' "$log") records"
e2e_log "ok"
