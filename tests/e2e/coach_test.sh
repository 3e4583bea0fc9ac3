#!/bin/bash
# The hang-up coach from end to end: calls under a fast fake clock, the
# program's sound going to a PulseAudio null sink whose monitor parec
# records. With the tone chosen 10 seconds before each new minute, the
# program loads its sound plugin, which plays the tone through the sound
# server with libpulse, and the tone is recorded before the call's first
# minute is out; with the coach off the recording stays silent and the plugin
# is never loaded; with no sound server to reach, the voice says "minute".
# The tone loads no Qt Multimedia.
. "$(dirname "$0")/lib.sh"
e2e_init coach
e2e_netns
e2e_start_x
e2e_start_trayer
e2e_start_pulse
e2e_program_dir
plugins=$PROGRAM_DIR/$CALLWISE_PLUGINS_FROM_BIN
[ -f "$plugins/libcallwise_chime.so" ] || e2e_skip "no sound plugin was built (no libpulse)"
e2e_write_settings 1000 0
e2e_write_fees 0 00:00 2.00
log=$PROGRAM_DIR/netcosts.ini

loaded() { grep -q "$1" "/proc/$CALLWISE_PID/maps"; }
no_multimedia() { ! loaded libQt6Multimedia || e2e_fail "Qt Multimedia was loaded $1"; }
loud() { e2e_loud_samples "$recording"; }
tone_heard() { [ "$(loud)" -gt 800 ]; }

# start_call NAME SECONDS_BEFORE_MINUTE [SPEED] [SOUND_SERVER]: the program
# with that choice (speech and the rate change warning off), on a clock
# SPEED times as fast as real time, playing to that server, recording, and
# the link up.
start_call() {
    e2e_write_crlf "$PROGRAM_DIR/alerts.ini" 0 "" "" 1 "" "$2" 0
    E2E_FAKETIME=""
    [ -n "${3:-}" ] && e2e_fake_time "2026-12-05 10:00:00 x$3"
    rm -f "$log"
    recording=$E2E_ART/coach-$1.raw
    e2e_record "$recording"
    program_log=$E2E_TMP/callwise-$1.log
    PULSE_SERVER=${4:-$PULSE_SERVER} e2e_run_callwise "callwise-$1"
    e2e_wait 10 e2e_tray_icon || e2e_fail "no tray icon appeared"
    icon=$(e2e_tray_icon)
    ! loaded libcallwise_chime || e2e_fail "the sound plugin was loaded at start-up"
    no_multimedia "at start-up"
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
start_call off 0 10
sleep 8
! loaded libcallwise_chime || e2e_fail "the sound plugin was loaded with the coach off"
end_call
[[ $duration > 00:01:00 ]] || e2e_fail "the call lasted only $duration"
[ "$(loud)" -eq 0 ] || e2e_fail "$(loud) loud samples with the coach off"

e2e_step "10 seconds before the first minute, the tone; the call ends inside that minute"
# On the real clock: the sound server's client times its stream by it. The
# tone is due 50 s into the call, the minute 10 s later, time enough to hear
# it and hang up. Its 150 ms at 16 kHz hold some 2000 loud samples; one cut
# short by the sound server holds a few hundred.
start_call tone 10
for ((i = 0; i < 58; i++)); do
    sleep 1
    tone_heard && break
done
tone_heard || e2e_fail "no tone recorded: $(cat "$E2E_TMP/parec.log")"
e2e_log "$(loud) loud samples after $i s"
loaded libpulse-simple || e2e_fail "the tone played without libpulse"
no_multimedia "for the tone"
end_call
[[ $duration < 00:01:00 ]] || e2e_fail "the tone came after the first minute (call of $duration)"

e2e_step "with no sound server to reach, the voice says \"minute\" instead"
if [ ! -f "$plugins/libcallwise_voice.so" ] || ! command -v speech-dispatcher >/dev/null; then
    e2e_log "skipped: no voice plugin or no speech-dispatcher"
else
    # speech-dispatcher plays into the test's server; the program is given
    # one that is not there.
    e2e_start_speechd
    start_call nowhere 10 10 "unix:$E2E_TMP/no-sound-server"
    for ((i = 0; i < 60; i++)); do
        sleep 1
        [ "$(loud)" -gt 1600 ] && break
    done
    [ "$(loud)" -gt 1600 ] || e2e_fail "nothing was said: $(cat "$program_log")"
    grep -q "No sound server" "$program_log" || e2e_fail "the plugin found a server: $(cat "$program_log")"
    # Not checked for Qt Multimedia: the flite engine, where installed,
    # speaks through it.
    end_call
fi
e2e_log "ok"
