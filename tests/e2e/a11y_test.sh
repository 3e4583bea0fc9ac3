#!/bin/bash
# A screen reader's view of every window, through AT-SPI as Orca reads it:
# the program on the test's own session bus with an accessibility bus of its
# own; each window is opened from the main window's menu and walked by
# a11y_walk.py, which fails on a control that is unnamed or named by its
# objectName, or a list with no caption; and "Connected" must be heard when
# the link comes up.
. "$(dirname "$0")/lib.sh"
e2e_init a11y
e2e_netns
e2e_start_x
e2e_start_session_bus
e2e_start_a11y_bus
# A window named here (a regex) has its faults reported, not failed on.
export CALLWISE_A11Y_EXPECTED_FAIL=${CALLWISE_A11Y_EXPECTED_FAIL-}

e2e_program_dir
e2e_write_settings 1000 0
e2e_write_fees 0 00:00 1.50

walk() { "$E2E_PYTHON" "$(dirname "$0")/a11y_walk.py" "$@" >>"$E2E_ART/walk.txt" 2>&1; }

e2e_step "the main window shows, with no tray"
e2e_run_callwise callwise
main=$(e2e_wait_window '^Callwise V2.5$') || e2e_fail "the main window did not show"
xdotool windowmove "$main" 800 500 # clear of the windows it opens
read -r -a main_at <<<"$(e2e_center "$main")"

# open KEY TITLE: the main window's menu entry, its window moved to the corner.
open() {
    xdotool mousemove "${main_at[@]}"
    local window
    window=$(e2e_menu_opens "${main_at[@]}" "$1" "^$2\$" "$1") || exit 1
    xdotool windowmove "$window" 0 0
    echo "$window"
}
days=$(open s 'Days and Fees')
open e 'Settings\.' >/dev/null
open c 'Internet Phone Costs' >/dev/null
open h 'Spending Chart' >/dev/null
open p 'Speech Alerts' >/dev/null
open a 'About Callwise V2.5' >/dev/null
e2e_step "the tariff editor's Rules... opens the rules window"
xdotool windowraise "$days"
e2e_click_control "$days" 5160 4524 852 372 # cmdRules
rules=$(e2e_wait_window '^Tariff Rules$') || e2e_fail "the rules window did not show"
xdotool windowmove "$rules" 0 0

e2e_step "every window's controls are named for what they hold"
windows=('Callwise V2.5' 'Days and Fees' 'Settings\.' 'Internet Phone Costs' 'Spending Chart'
    'Speech Alerts' 'About Callwise V2.5' 'Tariff Rules')
walk "${windows[@]}" || e2e_fail "$(grep -E 'FAULT' "$E2E_ART/walk.txt" | grep -v EXPECTED)"
e2e_log "$(grep -c ': ' "$E2E_ART/walk.txt") controls walked; $(grep -c 'EXPECTED FAULT' "$E2E_ART/walk.txt") faults left to the rules window"
grep -q "text: 'Monday, band 1, from'" "$E2E_ART/walk.txt" || e2e_fail "no 'Monday, band 1, from' box"
grep -q "text: 'Minimum connect time in minutes'" "$E2E_ART/walk.txt" || e2e_fail "the min connect time's box is misnamed"

e2e_step "the main window announces \"Connected\" when the link comes up"
"$E2E_PYTHON" "$(dirname "$0")/a11y_walk.py" --heard Connected 20 >"$E2E_ART/heard.txt" 2>&1 &
listener=$!
e2e_track "$listener"
e2e_wait 10 grep -q listening "$E2E_ART/heard.txt" || e2e_fail "the listener did not start"
e2e_link_up
wait "$listener" || e2e_fail "$(cat "$E2E_ART/heard.txt")"
e2e_link_down

e2e_step "e&Xit from the window's menu ends the program"
xdotool mousemove "${main_at[@]}"
e2e_open_menu "${main_at[@]}"
xdotool key x
e2e_wait_ended
e2e_log "ok"
