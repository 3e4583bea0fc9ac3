#!/bin/bash
# The hang-up coach from end to end: calls under a fast fake clock, the
# program's sound going to a PulseAudio null sink whose monitor parec
# records. With the tone chosen 10 seconds before each new minute, the
# program loads its sound plugin and the tone is recorded before the call's
# first minute is out; with the coach off the recording stays silent and
# nothing of Qt Multimedia is ever loaded.
. "$(dirname "$0")/lib.sh"
e2e_init coach
e2e_netns
e2e_start_x
e2e_start_trayer
e2e_start_pulse
e2e_program_dir
[ -f "$PROGRAM_DIR/$CALLWISE_PLUGINS_FROM_BIN/libcallwise_chime.so" ] || e2e_skip "no sound plugin was built (no Qt Multimedia)"
e2e_write_settings 1000 0
e2e_write_fees 0 00:00 2.00
log=$PROGRAM_DIR/netcosts.ini

multimedia_loaded() { grep -q libQt6Multimedia "/proc/$CALLWISE_PID/maps"; }
loud() { e2e_loud_samples "$recording"; }
tone_heard() { [ "$(loud)" -gt 800 ]; }

# start_call SECONDS_BEFORE_MINUTE [SPEED]: the program with that choice
# (speech and the rate change warning off), on a clock SPEED times as fast
# as real time, recording, and the link up.
start_call() {
    e2e_write_crlf "$PROGRAM_DIR/alerts.ini" 0 "" "" 1 "" "$1" 0
    E2E_FAKETIME=""
    [ -n "${2:-}" ] && e2e_fake_time "2026-12-05 10:00:00 x$2"
    rm -f "$log"
    recording=$E2E_ART/coach-$1.raw
    e2e_record "$recording"
    e2e_run_callwise "callwise-$1"
    e2e_wait 10 e2e_tray_icon || e2e_fail "no tray icon appeared"
    icon=$(e2e_tray_icon)
    ! multimedia_loaded || e2e_fail "Qt Multimedia was loaded at start-up"
    e2e_link_up
}

end_call() {
    e2e_link_down
    e2e_wait 5 test -s "$log" || e2e_fail "no record after the link went"
    duration=$(sed -n 3p "$log" | cut -c1-8)
    e2e_stop "$PAREC_PID"
    e2e_exit_by_menu $(e2e_center "$icon")
}

e2e_step "with the coach off, a call past its first minute stays silent"
start_call 0 10
sleep 8
! multimedia_loaded || e2e_fail "Qt Multimedia was loaded with the coach off"
end_call
[[ $duration > 00:01:00 ]] || e2e_fail "the call lasted only $duration"
[ "$(loud)" -eq 0 ] || e2e_fail "$(loud) loud samples with the coach off"

e2e_step "10 seconds before the first minute, the tone; the call ends inside that minute"
# On the real clock: the sound server's client times its stream by it. The
# tone is due 50 s into the call, the minute 10 s later, time enough to hear
# it and hang up. Its 150 ms at 16 kHz hold some 2000 loud samples; one cut
# short by the sound server holds a few hundred.
start_call 10
for ((i = 0; i < 58; i++)); do
    sleep 1
    tone_heard && break
done
tone_heard || e2e_fail "no tone recorded: $(cat "$E2E_TMP/parec.log")"
e2e_log "$(loud) loud samples after $i s"
multimedia_loaded || e2e_fail "the tone played without Qt Multimedia"
end_call
[[ $duration < 00:01:00 ]] || e2e_fail "the tone came after the first minute (call of $duration)"
e2e_log "ok"
