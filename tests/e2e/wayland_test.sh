#!/bin/bash
# Under Wayland (a headless compositor, Qt's wayland platform, no tray): the
# program starts and shows its splash and its main window, the splash goes
# after its 3 s, a second copy ends at once, and SIGTERM ends it cleanly.
. "$(dirname "$0")/lib.sh"
e2e_init wayland
e2e_start_weston
e2e_program_dir
e2e_write_settings 1000 1
# The client's side of the protocol, to see which windows it makes.
export WAYLAND_DEBUG=client

e2e_step "starts on the compositor with its splash and, with no tray, its main window"
e2e_run_callwise callwise
log=$E2E_TMP/callwise.log
for title in Form1 'Callwise V2.5'; do
    e2e_wait 10 grep -qF "set_title(\"$title\")" "$log" || e2e_fail "no \"$title\" window (see callwise.log)"
done
e2e_shot splash

e2e_step "the splash goes after its 3 s, and the program runs on"
splash=$(grep -o 'xdg_toplevel@[0-9]*\.set_title("Form1")' "$log" | head -1 | cut -d. -f1)
e2e_wait 6 grep -qF " -> $splash.destroy()" "$log" || e2e_fail "the splash stayed up"
kill -0 "$CALLWISE_PID" || e2e_fail "the program ended (see callwise.log)"
e2e_shot frmCallwise

e2e_step "a second copy ends at once"
e2e_second_copy

e2e_step "SIGTERM ends it with status 0"
kill -TERM "$CALLWISE_PID"
e2e_wait_ended
e2e_log "ok"
