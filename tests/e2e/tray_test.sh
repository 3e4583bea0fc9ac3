#!/bin/bash
# The program's life in the tray: it starts hidden with its icon, a second
# copy ends at once, a double click shows the window, the menu reaches the
# other windows, and e&Xit removes the icon, closes them and ends the program.
. "$(dirname "$0")/lib.sh"
e2e_init tray
e2e_start_x
e2e_start_trayer
e2e_program_dir
e2e_write_settings 1000 1

e2e_step "starts hidden, with the splash and one tray icon"
e2e_run_callwise callwise
e2e_wait_window '^Form1$' >/dev/null || e2e_fail "no splash window"
e2e_shot frmBlt
e2e_wait 10 e2e_tray_icon || e2e_fail "no tray icon appeared"
icon=$(e2e_tray_icon)
read -r -a icon_at <<<"$(e2e_center "$icon")"
e2e_wait_gone '^Form1$' 6 || e2e_fail "the splash stayed up"
e2e_window '^Callwise V2.5$' && e2e_fail "the main window shows at start-up"
xdotool mousemove "${icon_at[@]}"
sleep 1.5 # the tip shows after a pause
e2e_shot tray-tip

e2e_step "a second copy ends at once, leaving the first alone"
e2e_second_copy
[ "$(e2e_tray_icon_count)" -eq 1 ] || e2e_fail "$(e2e_tray_icon_count) tray icons after the second start"

e2e_step "a double click on the icon shows the window"
e2e_click_center "$icon" 1 2
main=$(e2e_wait_window '^Callwise V2.5$') || e2e_fail "the main window did not show"
e2e_shot frmCallwise "$main"

e2e_step "the tray menu opens on a right click and reaches the other windows"
e2e_open_menu "${icon_at[@]}"
e2e_shot mnuSystemTray
xdotool key Up Up Return # the last item is e&Xit, the one above it &About
about=$(e2e_wait_window '^About Callwise V2.5$') || e2e_fail "the About window did not show"
e2e_shot frmAbout "$about"
e2e_menu_opens "${icon_at[@]}" s '^Days and Fees$' frmDays >/dev/null
e2e_menu_opens "${icon_at[@]}" e '^Settings\.$' frmModem >/dev/null

e2e_step "e&Xit removes the icon, closes the windows and ends the program"
e2e_exit_by_menu "${icon_at[@]}"
[ "$(e2e_tray_icon_count)" -eq 0 ] || e2e_fail "the icon stayed in the tray"
e2e_window '^(About )?Callwise V2.5$|^Days and Fees$|^Settings\.$' && e2e_fail "a window stayed open"
# The settings window, open at the exit, saved the settings as it closed.
cmp "$PROGRAM_DIR/settings.ini" <(printf ' 1000 \r\n 0 \r\n 1 \r\n 0 \r\n') \
    || e2e_fail "settings after the exit: $(od -c "$PROGRAM_DIR/settings.ini")"
e2e_log "ok"
