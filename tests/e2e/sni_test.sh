#!/bin/bash
# Under a D-Bus tray (a StatusNotifierItem host, as KDE's, GNOME's
# AppIndicator extension, Xfce's or waybar): the icon shows on the host's
# bar with the tray menu exported, a left click shows the main window, a
# right click opens the host's own menu, and its e&Xit ends the program and
# takes the icon off the bar.
. "$(dirname "$0")/lib.sh"
e2e_init sni
e2e_start_x
e2e_start_session_bus
e2e_start_sni_host
e2e_program_dir
e2e_write_settings 1000 0

e2e_step "starts hidden, with one icon on the host's bar"
e2e_run_callwise callwise
e2e_wait 10 e2e_sni_icon_center || e2e_fail "no icon on the host's bar"
read -r -a icon_at <<<"$(e2e_sni_icon_center)"
[ "$(e2e_sni_item_count)" -eq 1 ] || e2e_fail "the watcher holds $(e2e_sni_item_count) items"
e2e_window '^Callwise V2.5$' && e2e_fail "the main window shows at start-up"

e2e_step "the icon exports the tray menu's eight entries in order"
# The host builds its menu from the layout the item exports over D-Bus;
# "_" marks the access key there.
item=$(e2e_sni_items)
menu=$(dbus-send --session --print-reply=literal --dest="$item" /StatusNotifierItem \
    org.freedesktop.DBus.Properties.Get string:org.kde.StatusNotifierItem string:Menu | awk '{ print $NF }')
[ "$menu" != /NO_DBUSMENU ] || e2e_fail "the icon exports no menu"
labels=$(dbus-send --session --print-reply --dest="$item" "$menu" com.canonical.dbusmenu.GetLayout \
    int32:0 int32:-1 array:string:label | awk '/string "label"/ { getline; print }' | cut -d'"' -f2)
expected="_Display
_Set Fee's
S_ettings
_Costs
Spending C_hart
S_peech Alerts
_About
e_Xit"
[ "$labels" = "$expected" ] || e2e_fail "the exported menu reads:
$labels"

e2e_step "a left click on the icon shows the main window"
e2e_click_at "${icon_at[@]}"
e2e_wait_window '^Callwise V2.5$' >/dev/null || e2e_fail "a left click did not show the main window"
e2e_shot left-click

e2e_step "a right click opens the host's menu, and only that"
e2e_open_menu "${icon_at[@]}"
e2e_shot host-menu
xprop -id "$MENU_WINDOW" WM_CLASS | grep -q '"gtk-sni-tray-standalone"' \
    || e2e_fail "the menu is not the host's: $(xprop -id "$MENU_WINDOW" WM_CLASS)"

e2e_step "the host's eXit entry ends the program and takes the icon off the bar"
xdotool key x
e2e_wait_ended
e2e_wait 5 e2e_not e2e_sni_icon_center || e2e_fail "the icon stayed on the bar"
[ "$(e2e_sni_item_count)" -eq 0 ] || e2e_fail "the watcher still holds $(e2e_sni_item_count) items"
e2e_shot exited
e2e_log "ok"
