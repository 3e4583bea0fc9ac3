#!/bin/bash
# With no notification area at all (no tray host, no session bus) the main
# window is the only way in: it shows at start and offers the tray menu on a
# right click, the menu key and Shift+F10; once &OK has hidden it, starting
# the program again shows and raises it while the second copy ends at once;
# and a tray that comes up later still gets a working icon, and the window
# then no menu.
. "$(dirname "$0")/lib.sh"
e2e_init notray
e2e_start_x
e2e_program_dir
e2e_write_settings 1000 0

e2e_step "the main window shows at start"
e2e_run_callwise callwise
main=$(e2e_wait_window '^Callwise V2.5$') || e2e_fail "the main window did not show without a tray"
e2e_shot frmCallwise "$main"

e2e_step "the menu key, Shift+F10 and a right click open the tray menu there; its e&Xit ends the program"
read -r -a main_at <<<"$(e2e_center "$main")"
xdotool mousemove "${main_at[@]}" # without a window manager the keys go where the pointer is
for key in Menu shift+F10; do
    before=$(e2e_visible_windows)
    xdotool key "$key"
    e2e_wait 5 e2e_new_tall_windows "$before" || e2e_fail "$key did not open the menu"
    xdotool key Escape
    e2e_wait 5 e2e_not e2e_new_tall_windows "$before" || e2e_fail "Escape did not close the menu"
done
e2e_open_menu "${main_at[@]}"
e2e_shot window-menu
xdotool key x
e2e_wait_ended

e2e_step "started again, the main window shows again"
e2e_run_callwise callwise
main=$(e2e_wait_window '^Callwise V2.5$') || e2e_fail "the main window did not show the second time"

e2e_step "&OK hides it, with the costs window left open above where it was"
e2e_click_control "$main" 120 2880 1215 375 # cmdCosts
costs=$(e2e_wait_window '^Internet Phone Costs$') || e2e_fail "the costs window did not show"
xdotool windowmove "$costs" 180 120 # over a corner of the main window, clear of its buttons
e2e_click_control "$main" 1440 2880 1215 372 # Command2, "&OK"
e2e_wait_gone '^Callwise V2.5$' || e2e_fail "&OK did not hide the main window"

e2e_step "a second start shows the main window again, on top"
e2e_second_copy
e2e_wait_window '^Callwise V2.5$' >/dev/null || e2e_fail "the second start did not bring the main window back"
count=$(xdotool search --onlyvisible --name '^Callwise V2.5$' | wc -l)
[ "$count" -eq 1 ] || e2e_fail "$count main windows"
e2e_above "$main" "$costs" || e2e_fail "the main window came back beneath the costs window"
e2e_shot second-start

e2e_step "a tray that starts later gets the icon, and its menu's e&Xit ends the program"
e2e_start_trayer
e2e_wait 10 e2e_tray_icon || e2e_fail "no icon in the tray that came up later"
e2e_shot late-tray
before=$(e2e_visible_windows)
e2e_click "$main" 20 20 3
sleep 1
e2e_new_tall_windows "$before" && e2e_fail "the window opened a menu of its own beside the tray's"
read -r -a icon_at <<<"$(e2e_center "$(e2e_tray_icon)")"
e2e_exit_by_menu "${icon_at[@]}"
e2e_log "ok"
