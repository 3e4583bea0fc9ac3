#!/bin/bash
# The test bench itself: X server and tray host, the link stand-in in its
# namespace, and the private print queue whose spool the tests read.
. "$(dirname "$0")/lib.sh"
e2e_init infra

e2e_step "Xvfb and trayer start"
e2e_start_x
[ "$(e2e_tray_icon_count)" -eq 0 ] || e2e_fail "the tray holds icons before any program ran"

e2e_netns
e2e_step "hold_tun makes ppp0 up and running in the namespace"
e2e_link_up
e2e_link_running || e2e_fail "ppp0 is not up and running: $(ip netns exec "$E2E_NETNS" ip link show ppp0)"
ip link show ppp0 >/dev/null 2>&1 && e2e_fail "ppp0 leaked out of the namespace"
e2e_step "ppp0 goes when hold_tun ends"
e2e_link_down

e2e_step "a job on the default queue leaves its document in the spool"
e2e_start_cups
printf 'Callwise spool check\n' >"$E2E_TMP/job.txt"
lp -t spool-check "$E2E_TMP/job.txt" >/dev/null
e2e_wait 10 e2e_last_job_file || e2e_fail "no spool file for the job"
e2e_last_job_text | grep -qx 'Callwise spool check' || e2e_fail "spool file: $(e2e_last_job_text)"
e2e_log "ok"
