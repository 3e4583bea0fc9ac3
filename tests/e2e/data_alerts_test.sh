#!/bin/bash
# The alerts window open during a call on a mobile link (wwan0, real UDP
# through an echoing tun) under a 20 MB allowance: its data used and left
# move while the call runs, read through AT-SPI as a screen reader reads
# them, and the warning at the 80 % level, shown by a real notification
# server (dunst), says the share actually used.
. "$(dirname "$0")/lib.sh"
e2e_init data_alerts
e2e_netns
e2e_start_x
e2e_start_session_bus
e2e_start_a11y_bus
e2e_start_dunst

e2e_program_dir
e2e_write_settings 1000 0
e2e_write_fees 0 00:00 1.50
e2e_write_data_tariff 2.00
sed -i '57s/^\r$/20\r/' "$PROGRAM_DIR/netdata.ini" # an allowance of 20 MB
e2e_write_crlf "$PROGRAM_DIR/alerts.ini" 0 "" "" 1 "" 0 0
E2E_LINK=wwan0

e2e_step "the alerts window shows the month's data before the call"
e2e_run_callwise callwise
main=$(e2e_wait_window '^Callwise V2.5$') || e2e_fail "the main window did not show"
xdotool windowmove "$main" 800 500
read -r -a main_at <<<"$(e2e_center "$main")"
xdotool mousemove "${main_at[@]}"
alerts=$(e2e_menu_opens "${main_at[@]}" p '^Speech Alerts$' alerts) || exit 1
xdotool windowmove "$alerts" 0 0
texts() { "$E2E_PYTHON" "$(dirname "$0")/a11y_walk.py" --texts '^Speech Alerts$'; }
# The MB of a data line: "Data used since 1 Dec: 12.3 MB" gives 12.3.
mb() { texts | sed -n "s/^$1.*: \([0-9.]*\) MB.*$/\1/p" | head -1; }
e2e_wait 10 test -n "$(mb 'Data used since')" || e2e_fail "no data lines: $(texts)"
[ "$(mb 'Data used since')" = 0.0 ] || e2e_fail "before the call: $(texts)"
[ "$(mb 'Data left')" = 20.0 ] || e2e_fail "before the call: $(texts)"

e2e_step "the figures move during the call"
e2e_echo_link_up
sleep 2
e2e_push 3000000
moved() { awk -v m="$(mb 'Data used since')" 'BEGIN { exit !(m >= 1.0) }'; }
e2e_wait 10 moved || e2e_fail "the data used did not move: $(texts), kernel $(e2e_link_bytes)"
used=$(mb 'Data used since')
left=$(mb 'Data left')
e2e_log "during the call: $used MB used, $left MB left; kernel $(e2e_link_bytes)"
awk -v u="$used" -v l="$left" 'BEGIN { exit !(u + l > 19.9 && u + l < 20.1) }' \
    || e2e_fail "used and left do not make the allowance: $(texts)"
[ -z "$(grep -l 'has used' "$E2E_TMP/notify.log")" ] || e2e_fail "warned under the level"

e2e_step "past the level, the warning states the share used"
warned() { grep -q 'has used' "$E2E_TMP/notify.log"; }
for push in 1 2 3 4 5 6; do
    warned && break
    e2e_push 3000000
    sleep 2
done
e2e_wait 10 warned || e2e_fail "no warning: kernel $(e2e_link_bytes), $(texts)"
sentence=$(grep -o "This month's data has used [0-9.]* MB of your allowance of 20.0 MB, [0-9]* % of it." \
    "$E2E_TMP/notify.log" | head -1)
e2e_log "$sentence"
[ -n "$sentence" ] || e2e_fail "the warning: $(grep -A3 'has used' "$E2E_TMP/notify.log")"
read -r warnedMb share <<<"$(sed 's/.*has used \([0-9.]*\) MB.*, \([0-9]*\) % of it./\1 \2/' <<<"$sentence")"
# The share of the MB it names, to the nearest percent; the MB is rounded
# to a tenth, so within a percent of it.
awk -v m="$warnedMb" -v s="$share" 'BEGIN { t = m * 5; exit !(s >= 80 && s >= t - 1 && s <= t + 1) }' \
    || e2e_fail "the share $share % is not that of $warnedMb MB"
followed() { awk -v m="$(mb 'Data used since')" 'BEGIN { exit !(m >= 16) }'; }
e2e_wait 5 followed || e2e_fail "the window did not follow: $(texts)"
e2e_log "window: $(texts | grep '^Data' | tr '\n' '|')"
e2e_shot warned "$alerts"
e2e_link_down

e2e_step "e&Xit from the window's menu ends the program"
xdotool mousemove "${main_at[@]}"
e2e_open_menu "${main_at[@]}"
xdotool key x
e2e_wait_ended
e2e_log "ok"
