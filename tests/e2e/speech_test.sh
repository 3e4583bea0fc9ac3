#!/bin/bash
# Speech alerts from end to end: a call under a fast fake clock with the cost
# spoken every minute, through the real speech engine into a PulseAudio null
# sink on the test's own audio server; the sink's monitor is recorded with
# parec, and the recording must hold speech, not silence.
. "$(dirname "$0")/lib.sh"
e2e_init speech
e2e_require pulseaudio pactl parec od speech-dispatcher
e2e_netns
e2e_start_x
e2e_start_trayer

e2e_start_pulse
e2e_start_speechd
e2e_program_dir
e2e_write_settings 1000 0
e2e_write_fees 0 00:00 2.00
e2e_write_crlf "$PROGRAM_DIR/alerts.ini" 1 "" "" # the cost every minute, no limit
# Ten seconds pass on the program's clock for every real one; its timers
# keep real time, so a tick shows ten seconds more than the last.
e2e_fake_time '2026-12-05 10:00:00 x10'
recording=$E2E_ART/speech.raw
# A tenth of a second of loud samples is speech.
loud_samples() { e2e_loud_samples "$recording"; }
# wait_for_speech SECONDS: polls the recording once a second.
wait_for_speech() {
    local i
    for ((i = 0; i < $1; i++)); do
        sleep 1
        [ "$(loud_samples)" -gt 1600 ] && return 0
    done
    return 1
}

e2e_step "the call's first minute is spoken into the null sink"
e2e_record "$recording"
e2e_run_callwise callwise
e2e_wait 10 e2e_tray_icon || e2e_fail "no tray icon appeared"
icon=$(e2e_tray_icon)
e2e_link_up
# The first minute of call time passes in six seconds; an engine may take
# a while to load on a busy machine.
wait_for_speech 60 || e2e_fail "the recording is silent: $(cat "$E2E_TMP/parec.log")"
e2e_log "$(stat -c %s "$recording") bytes recorded, $(loud_samples) samples above the noise floor"
e2e_link_down
e2e_stop "$PAREC_PID"

e2e_step "the clock kept time while it spoke: one record of the call"
log=$PROGRAM_DIR/netcosts.ini
e2e_wait 5 test -s "$log" || e2e_fail "no record after the link went"
[ "$(grep -c '#' "$log")" -eq 1 ] || e2e_fail "the log holds $(grep -c '#' "$log") records"
duration=$(sed -n 3p "$log" | cut -c1-8)
[[ $duration =~ ^00:[0-9][0-9]:[0-5][0-9]$ ]] || e2e_fail "duration $duration"

e2e_step "e&Xit ends the program"
e2e_exit_by_menu $(e2e_center "$icon")
e2e_log "ok"
