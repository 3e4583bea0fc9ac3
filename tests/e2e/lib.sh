# Shared steps of the end-to-end tests, sourced by each test script (bash).
#
# A test runs the real executable on its own display server (Xvfb, or a
# headless Wayland compositor) with the tray host it is about (trayer, a
# D-Bus StatusNotifierItem host, or none), from a temporary program directory,
# since the program keeps its data files beside its executable. Everything it
# starts is ended on exit.
#
# From ctest: CALLWISE_EXE (the program), E2E_ARTEFACTS (where screenshots
# and logs go).
#
# Exit 77 means skipped; the reason is printed first.

set -euo pipefail

E2E_SKIP=77
E2E_PIDS=()
E2E_NETNS=""
E2E_CUPS_DIR=""
E2E_CUPS_PDF_CONF=""
E2E_STEP=""
E2E_WAYLAND=""
E2E_LINK=ppp0 # the link's interface name
E2E_AS_USER=() # a runuser prefix to start the program as another user
E2E_PRELOAD="" # a library to preload into the program

e2e_log() { printf '[%s] %s\n' "$(date +%T)" "$*"; }

e2e_fail() {
    echo "FAIL: $*" >&2
    exit 1
}

e2e_skip() {
    echo "SKIP: $*"
    exit "$E2E_SKIP"
}

# A machine that lacks a tool skips, except in CI, where the dependency
# script must have installed it: there a skip would hide a missing install.
e2e_require() {
    local tool
    for tool in "$@"; do
        command -v "$tool" >/dev/null 2>&1 && continue
        [ "${CI:-}" = true ] && e2e_fail "$tool is not installed (scripts/install-deps --test)"
        e2e_skip "$tool is not installed (scripts/install-deps --test installs it)"
    done
}

# e2e_init NAME: the test's temporary directory and artefact directory.
e2e_init() {
    E2E_NAME=$1
    E2E_TMP=$(mktemp -d "${TMPDIR:-/tmp}/callwise-e2e.XXXXXX")
    # Everything the test starts carries its directory in its environment,
    # which is how a process left behind is found at the end.
    export E2E_TMP
    # No session bus unless the test starts its own: an address where none
    # listens. Left unset, libdbus and GDBus would start one through
    # dbus-launch (dbus-x11), which outlives the test.
    export DBUS_SESSION_BUS_ADDRESS=unix:path=$E2E_TMP/no-bus
    E2E_ART=${E2E_ARTEFACTS:-$PWD/e2e-artefacts}/$E2E_NAME
    rm -rf "$E2E_ART"
    mkdir -p "$E2E_ART"
    trap e2e_cleanup EXIT
    trap 'exit 130' INT TERM
    mkdir -m 700 "$E2E_TMP/run"
}

# e2e_step TEXT: says what the test does next, so a failure names its step.
e2e_step() {
    E2E_STEP=$*
    e2e_log "$*"
}

e2e_track() { E2E_PIDS+=("$1"); }

# The processes this test started, directly or not, that are still running:
# each has the test's directory in its environment. The test's own shell and
# its subshells are left out.
e2e_stray_pids() {
    local environ pid
    for environ in /proc/[0-9]*/environ; do
        pid=${environ#/proc/}
        pid=${pid%/environ}
        [ "$pid" = $$ ] || [ "$pid" = "$BASHPID" ] && continue
        [ "$(awk '/^PPid:/ { print $2 }' "/proc/$pid/status" 2>/dev/null)" = $$ ] \
            && [ "$(readlink "/proc/$pid/exe" 2>/dev/null)" = "$(readlink /proc/$$/exe)" ] && continue
        grep -qzF "E2E_TMP=$E2E_TMP" "$environ" 2>/dev/null && echo "$pid"
    done
    return 0
}

e2e_strays() {
    local pid
    for pid in $(e2e_stray_pids); do
        printf '%s (%s) ' "$pid" "$(tr '\0' ' ' <"/proc/$pid/cmdline" 2>/dev/null | cut -c1-80)"
    done
}

e2e_kill_strays() {
    local pid
    for pid in $(e2e_stray_pids); do kill -KILL "$pid" 2>/dev/null || true; done
}

# e2e_stop PID: ends one process we started, politely first.
e2e_stop() {
    local pid=$1 i
    kill -0 "$pid" 2>/dev/null || return 0
    kill -TERM "$pid" 2>/dev/null || true
    for i in $(seq 20); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    kill -KILL "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
}

e2e_cleanup() {
    local status=$? i
    trap - EXIT
    if [ "$status" -ne 0 ] && [ "$status" -ne "$E2E_SKIP" ]; then
        [ -n "$E2E_STEP" ] && echo "failed at: $E2E_STEP" >&2
        [ -n "${DISPLAY:-}" ] && import -window root "$E2E_ART/failure.png" 2>/dev/null || true
    fi
    for ((i = ${#E2E_PIDS[@]} - 1; i >= 0; i--)); do
        e2e_stop "${E2E_PIDS[i]}"
    done
    local strays
    strays=$(e2e_strays)
    if [ -n "$strays" ]; then
        echo "FAIL: still running after the test: $strays" >&2
        e2e_kill_strays
        [ "$status" -eq 0 ] || [ "$status" -eq "$E2E_SKIP" ] && status=1
    fi
    [ -n "$E2E_NETNS" ] && ip netns delete "$E2E_NETNS" 2>/dev/null
    [ -n "$E2E_CUPS_PDF_CONF" ] && rm -f "$E2E_CUPS_PDF_CONF"
    if [ -n "${E2E_TMP:-}" ] && [ -d "$E2E_TMP" ]; then
        find "$E2E_TMP" -maxdepth 3 -name '*.log' -exec cp {} "$E2E_ART/" \; 2>/dev/null || true
        rm -rf "$E2E_TMP"
    fi
    exit "$status"
}

# e2e_wait SECONDS COMMAND...: polls until the command succeeds.
e2e_wait() {
    local limit=$1 i
    shift
    for ((i = 0; i < limit * 10; i++)); do
        "$@" >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    return 1
}

# --- Display servers and tray hosts -------------------------------------------

# Starts Xvfb on a free display (it picks one itself); exports DISPLAY.
e2e_start_x() {
    e2e_require Xvfb xdotool xwininfo import
    local fifo=$E2E_TMP/displayfd
    mkfifo "$fifo"
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset \
        3>"$fifo" >"$E2E_TMP/xvfb.log" 2>&1 &
    e2e_track $!
    local number
    read -r -t 10 number <"$fifo" || e2e_fail "Xvfb did not start (see xvfb.log)"
    export DISPLAY=:$number
    e2e_log "Xvfb on $DISPLAY"
}

# An XEmbed tray host, trayer, at the bottom right; sets TRAYER_WINDOW.
e2e_start_trayer() {
    e2e_require trayer
    trayer --edge bottom --align right --widthtype pixel --width 120 \
        --heighttype pixel --height 24 --transparent false --tint 0xc0c0c0 \
        >"$E2E_TMP/trayer.log" 2>&1 &
    e2e_track $!
    e2e_wait 10 e2e_find_trayer || e2e_fail "trayer did not show (see trayer.log)"
    TRAYER_WINDOW=$(e2e_find_trayer)
}

e2e_find_trayer() { xdotool search --onlyvisible --class '^trayer$' | head -1 | grep .; }

# A private session bus, as dbus-run-session gives, shared by the programs
# started afterwards. It activates no services (no accessibility bus), so the
# daemon is the only process it brings.
e2e_start_session_bus() {
    e2e_require dbus-daemon dbus-send
    cat >"$E2E_TMP/bus.conf" <<EOF
<busconfig>
  <type>session</type>
  <listen>unix:dir=$E2E_TMP/run</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
EOF
    local fifo=$E2E_TMP/busaddress address
    mkfifo "$fifo"
    dbus-daemon --config-file="$E2E_TMP/bus.conf" --nofork --print-address=3 \
        3>"$fifo" >"$E2E_TMP/dbus.log" 2>&1 &
    e2e_track $!
    read -r -t 10 address <"$fifo" || e2e_fail "dbus-daemon did not start (see dbus.log)"
    export DBUS_SESSION_BUS_ADDRESS=$address NO_AT_BRIDGE=1
}

# An accessibility bus on the session bus (started before), to which the
# program bridges whatever the desktop's setting says, and pyatspi to read it
# with. Sets E2E_PYTHON: the system's Python, which python3-pyatspi installs
# into, whatever else is first on the PATH.
e2e_start_a11y_bus() {
    local launcher=/usr/libexec/at-spi-bus-launcher
    e2e_require "$launcher"
    E2E_PYTHON=/usr/bin/python3
    if ! "$E2E_PYTHON" -c 'import pyatspi' 2>/dev/null; then
        [ "${CI:-}" = true ] && e2e_fail "python3-pyatspi is not installed (scripts/install-deps --test)"
        e2e_skip "python3-pyatspi is not installed (scripts/install-deps --test installs it)"
    fi
    unset NO_AT_BRIDGE
    export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
    "$launcher" --launch-immediately >"$E2E_TMP/at-spi.log" 2>&1 &
    e2e_track $!
    e2e_wait 10 e2e_a11y_bus || e2e_fail "the accessibility bus did not start (see at-spi.log)"
}

e2e_a11y_bus() {
    dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress \
        >/dev/null 2>&1
}

# A real notification server, dunst, on the session bus (started before),
# with dbus-monitor writing each Notify call to $E2E_TMP/notify.log.
e2e_start_dunst() {
    e2e_require dunst dbus-monitor
    mkdir -p "$E2E_TMP/dunst"
    : >"$E2E_TMP/dunst/dunstrc"
    XDG_CONFIG_HOME=$E2E_TMP/dunst dunst -config "$E2E_TMP/dunst/dunstrc" >"$E2E_TMP/dunst.log" 2>&1 &
    e2e_track $!
    e2e_wait 10 e2e_notifier || e2e_fail "dunst did not take the notifications' name (see dunst.log)"
    dbus-monitor --session "type='method_call',interface='org.freedesktop.Notifications',member='Notify'" \
        >"$E2E_TMP/notify.log" 2>&1 &
    e2e_track $!
    sleep 0.5
}

e2e_notifier() {
    dbus-send --session --print-reply --dest=org.freedesktop.DBus / \
        org.freedesktop.DBus.NameHasOwner string:org.freedesktop.Notifications 2>/dev/null \
        | grep -q 'boolean true'
}

# A StatusNotifierItem host, gtk-sni-tray-standalone with its own watcher, as
# a bar along the bottom, on the session bus. GTK draws its icons inside the
# bar's one window, so an icon is found by comparing the bar with its empty
# picture, taken here. Sets SNI_BAR.
e2e_start_sni_host() {
    e2e_require gtk-sni-tray-standalone convert
    local pid
    for _ in 1 2 3; do
        gtk-sni-tray-standalone --watcher --bottom --beginning --size 32 --color '#c0c0c0' \
            >>"$E2E_TMP/sni-host.log" 2>&1 &
        pid=$!
        e2e_track "$pid"
        # Now and then it dies at start, racing its own watcher: then again.
        e2e_wait 15 e2e_sni_host_settled "$pid" || break
        kill -0 "$pid" 2>/dev/null && break
    done
    kill -0 "$pid" 2>/dev/null && e2e_sni_host_settled "$pid" >/dev/null 2>&1 \
        || e2e_fail "the StatusNotifierItem host did not start (see sni-host.log)"
    SNI_BAR=$(e2e_find_sni_bar)
    sleep 0.5 # let the bar finish painting
    import -window "$SNI_BAR" "$E2E_TMP/sni-bar-empty.png"
}

# e2e_sni_host_settled PID: the host has shown its bar and its watcher
# answers, or it has ended.
e2e_sni_host_settled() { ! kill -0 "$1" 2>/dev/null || { e2e_find_sni_bar && e2e_sni_watcher; }; }

e2e_find_sni_bar() {
    local window
    for window in $(xdotool search --onlyvisible --class '^gtk-sni-tray-standalone$' 2>/dev/null); do
        [ "$(xwininfo -id "$window" | awk '/Width:/ { print $2 }')" -gt 100 ] && echo "$window" && return 0
    done
    return 1
}

e2e_sni_watcher() {
    dbus-send --session --print-reply=literal --dest=org.kde.StatusNotifierWatcher \
        /StatusNotifierWatcher org.freedesktop.DBus.Properties.Get \
        string:org.kde.StatusNotifierWatcher string:RegisteredStatusNotifierItems
}

# The items the watcher holds (each a bus name, or a name and a path), one a
# line; the first of them is the one to read from.
e2e_sni_items() { e2e_sni_watcher | tr -s ' \n' '\n' | grep -Ev '^(variant|array|\[|\]|)$' || true; }

e2e_sni_item_count() { e2e_sni_items | grep -c . || true; }

# Where the bar differs from its empty picture, as "X Y", the centre of that
# area on the screen. Fails while the bar looks empty.
e2e_sni_icon_center() {
    local shot=$E2E_TMP/sni-bar.png box origin
    import -window "$SNI_BAR" "$shot" 2>/dev/null || return 1
    box=$(convert "$E2E_TMP/sni-bar-empty.png" "$shot" -compose difference -composite \
        -threshold 5% -format '%@' info: 2>/dev/null) || return 1
    [[ $box =~ ^([0-9]+)x([0-9]+)\+([0-9]+)\+([0-9]+)$ ]] || return 1
    local w=${BASH_REMATCH[1]} h=${BASH_REMATCH[2]} x=${BASH_REMATCH[3]} y=${BASH_REMATCH[4]}
    [ "$w" -gt 4 ] && [ "$h" -gt 4 ] || return 1
    read -r -a origin <<<"$(e2e_origin "$SNI_BAR")"
    echo $((origin[0] + x + w / 2)) $((origin[1] + y + h / 2))
}

# A headless Wayland compositor, which the programs started afterwards use
# instead of any X server. It draws into memory and lets its screenshooter
# copy the screen (--debug), for e2e_shot.
e2e_start_weston() {
    e2e_require weston weston-screenshooter
    XDG_RUNTIME_DIR=$E2E_TMP/run weston --backend=headless-backend.so --socket=wayland-e2e \
        --use-pixman --debug --width=1024 --height=768 --idle-time=0 --no-config \
        >"$E2E_TMP/weston.log" 2>&1 &
    e2e_track $!
    e2e_wait 15 test -S "$E2E_TMP/run/wayland-e2e" \
        || e2e_fail "weston did not start (see weston.log)"
    E2E_WAYLAND=wayland-e2e
}

# --- The program -------------------------------------------------------------

# Lays out the program directory: a copy of the executable with its plugins
# where it looks for them, and any files given as NAME=PATH. Sets PROGRAM_DIR.
e2e_program_dir() {
    PROGRAM_DIR=$E2E_TMP/prog
    mkdir -p "$PROGRAM_DIR" "$PROGRAM_DIR/${CALLWISE_PLUGINS_FROM_BIN:?}"
    cp "${CALLWISE_EXE:?}" "$PROGRAM_DIR/callwise"
    cp "${CALLWISE_PLUGINS:?}"/*.so "$PROGRAM_DIR/$CALLWISE_PLUGINS_FROM_BIN/"
    local entry
    for entry in "$@"; do
        cp "${entry#*=}" "$PROGRAM_DIR/${entry%%=*}"
    done
}

# e2e_write_crlf FILE LINE...: a data file as the program writes them.
e2e_write_crlf() {
    local file=$1
    shift
    : >"$file"
    local line
    for line in "$@"; do
        printf '%s\r\n' "$line" >>"$file"
    done
}

# e2e_write_fees MIN_CONNECT BAND...: the same bands (start and fee, up to
# four pairs) every day of the week, then the minimum connect time.
e2e_write_fees() {
    local min=$1 day fees=()
    shift
    local bands=("$@")
    while [ ${#bands[@]} -lt 8 ]; do bands+=(""); done
    for day in 1 2 3 4 5 6 7; do fees+=("${bands[@]}"); done
    e2e_write_crlf "$PROGRAM_DIR/netfees.ini" "${fees[@]}" "$min"
}

# e2e_write_data_tariff PENCE: a data tariff of PENCE a MB of 1000000 bytes
# at all times, with no allowance, bundle fee or rounding; the bill starts
# on the 1st.
e2e_write_data_tariff() {
    local day tariff=()
    for day in 1 2 3 4 5 6 7; do tariff+=(00:00 "$1" "" "" "" "" "" ""); done
    e2e_write_crlf "$PROGRAM_DIR/netdata.ini" "${tariff[@]}" "" "" 1 "" 1000000 1
}

# Settings lines in the form the program saves them: interval, reserved,
# splash, auto-run.
e2e_write_settings() {
    e2e_write_crlf "$PROGRAM_DIR/settings.ini" " $1 " " 0 " " $2 " " 0 "
}

# The environment a user session would give the program, kept inside the
# test's directory: its own runtime directory (so the lock that keeps a second
# copy out is the test's own), home and config, the test's display server,
# the test's session bus or none (without one the tray icon goes through an X
# tray host), and a fixed zone and locale.
e2e_program_env() {
    mkdir -p "$E2E_TMP/home"
    E2E_ENV=(env -u SESSION_MANAGER -u DISPLAY -u WAYLAND_DISPLAY -u XDG_SESSION_TYPE)
    E2E_ENV+=(DBUS_SESSION_BUS_ADDRESS="$DBUS_SESSION_BUS_ADDRESS" XDG_RUNTIME_DIR="$E2E_TMP/run" HOME="$E2E_TMP/home"
        XDG_CONFIG_HOME="$E2E_TMP/home/.config" TZ=UTC LANG=en_GB.UTF-8 LC_ALL= LANGUAGE=)
    if [ -n "$E2E_WAYLAND" ]; then
        E2E_ENV+=(WAYLAND_DISPLAY="$E2E_WAYLAND" QT_QPA_PLATFORM=wayland)
    else
        E2E_ENV+=(DISPLAY="$DISPLAY" QT_QPA_PLATFORM=xcb)
    fi
    [ -n "$E2E_CUPS_DIR" ] && E2E_ENV+=(CUPS_SERVER="$E2E_CUPS_DIR/cups.sock")
    local preload=$E2E_PRELOAD
    if [ -n "${E2E_FAKETIME:-}" ]; then
        preload=$E2E_FAKETIME_LIB${preload:+:$preload}
        E2E_ENV+=(FAKETIME="@$E2E_FAKETIME" FAKETIME_DONT_FAKE_MONOTONIC=1)
    fi
    [ -n "$preload" ] && E2E_ENV+=(LD_PRELOAD="$preload")
    return 0
}

# e2e_run_callwise LOGNAME: starts the program in the background (inside the
# test's network namespace if there is one); sets CALLWISE_PID.
e2e_run_callwise() {
    e2e_program_env
    local prefix=()
    [ -n "$E2E_NETNS" ] && prefix=(ip netns exec "$E2E_NETNS")
    "${prefix[@]}" "${E2E_AS_USER[@]}" "${E2E_ENV[@]}" "$PROGRAM_DIR/callwise" \
        >"$E2E_TMP/$1.log" 2>&1 &
    CALLWISE_PID=$!
    e2e_track "$CALLWISE_PID"
}

# e2e_fake_time 'YYYY-MM-DD hh:mm:ss': the programs started after this see
# their clock start at that time and run on from there.
e2e_fake_time() {
    E2E_FAKETIME_LIB=$(ls /usr/lib/*/faketime/libfaketimeMT.so.1 2>/dev/null | head -1) || true
    if [ -z "$E2E_FAKETIME_LIB" ]; then
        [ "${CI:-}" = true ] && e2e_fail "libfaketime is not installed (scripts/install-deps --test)"
        e2e_skip "libfaketime is not installed (scripts/install-deps --test installs it)"
    fi
    E2E_FAKETIME=$1
}

# --- Windows -------------------------------------------------------------------

# e2e_window NAME_REGEX: the visible window whose title matches, if any.
e2e_window() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1 | grep .; }

# e2e_wait_window NAME_REGEX [SECONDS]: waits for it and prints its id.
e2e_wait_window() {
    e2e_wait "${2:-10}" e2e_window "$1" || return 1
    e2e_window "$1"
}

# The ids of all visible windows, one a line.
e2e_visible_windows() { xdotool search --onlyvisible --name '' 2>/dev/null | sort; }

# e2e_wait_new_window BEFORE [SECONDS]: waits for a visible window that is not
# in BEFORE (a list from e2e_visible_windows) and prints its id; for windows
# whose title says nothing of their own, as message boxes.
e2e_new_window() { comm -13 <(echo "$1") <(e2e_visible_windows) | head -1 | grep .; }

e2e_wait_new_window() {
    e2e_wait "${2:-10}" e2e_new_window "$1" || return 1
    e2e_new_window "$1"
}

# e2e_above UPPER LOWER: true if window UPPER is stacked above LOWER
# (xwininfo lists the screen's windows top first).
e2e_above() {
    xwininfo -root -children | awk -v upper="$(printf '0x%x' "$1")" -v lower="$(printf '0x%x' "$2")" '
        $1 == upper { exit 0 } $1 == lower { exit 1 }'
}

# e2e_wait_gone NAME_REGEX [SECONDS]
e2e_wait_gone() { e2e_wait "${2:-10}" e2e_not e2e_window "$1"; }

e2e_not() { ! "$@"; }

# The icons the tray host holds, as X window ids: its children that belong
# to the program (class callwise), as xwininfo lists them.
e2e_tray_icons() {
    xwininfo -tree -id "$TRAYER_WINDOW" 2>/dev/null \
        | awk '/"callwise"/ { print $1 }'
}

e2e_tray_icon() { e2e_tray_icons | head -1 | grep .; }

e2e_tray_icon_count() { e2e_tray_icons | wc -l; }

# e2e_center WINDOW: the screen position of its centre, as "X Y";
# e2e_origin WINDOW: that of its top left corner.
e2e_center() { e2e_geometry "$1" 'x + w / 2, y + h / 2'; }
e2e_origin() { e2e_geometry "$1" 'x, y'; }

e2e_geometry() {
    xwininfo -id "$1" | awk '
        /Absolute upper-left X/ { x = $4 } /Absolute upper-left Y/ { y = $4 }
        /Width:/ { w = $2 } /Height:/ { h = $2 }
        END { printf "%d %d\n", '"$2"' }'
}

# e2e_click WINDOW X Y [BUTTON] [REPEAT]: a click at a place inside a window.
e2e_click() {
    local window=$1 x=$2 y=$3 button=${4:-1} repeat=${5:-1}
    xdotool mousemove --window "$window" "$x" "$y" sleep 0.2 \
        click --repeat "$repeat" --delay 100 "$button"
}

# e2e_click_at X Y [BUTTON] [REPEAT]: a click at a place on the screen.
e2e_click_at() {
    xdotool mousemove "$1" "$2" sleep 0.2 click --repeat "${4:-1}" --delay 100 "${3:-1}"
}

# e2e_open_menu X Y: a right click on the tray icon there, then waits for the
# menu (a new window taller than any tip): exactly one, whichever the tray.
# Sets MENU_WINDOW.
e2e_open_menu() {
    local before menus
    before=$(e2e_visible_windows)
    e2e_click_at "$1" "$2" 3
    e2e_wait 5 e2e_new_tall_windows "$before" || e2e_fail "the tray menu did not open"
    sleep 0.3
    menus=$(e2e_new_tall_windows "$before" | wc -l)
    [ "$menus" -eq 1 ] || e2e_fail "$menus menus opened on one right click"
    MENU_WINDOW=$(e2e_new_tall_windows "$before")
}

# e2e_menu_opens X Y KEY TITLE_REGEX SHOT: chooses the menu entry of the tray
# icon at X Y by its access key, waits for the window it opens, screenshots
# it, prints its id. In a command substitution, follow it with "|| exit 1".
e2e_menu_opens() {
    local window
    e2e_open_menu "$1" "$2"
    xdotool key "$3"
    window=$(e2e_wait_window "$4") || e2e_fail "menu key $3 did not show $4"
    e2e_shot "$5" "$window" >&2
    echo "$window"
}

e2e_new_tall_windows() {
    local window tall=()
    for window in $(comm -13 <(echo "$1") <(e2e_visible_windows)); do
        [ "$(xwininfo -id "$window" | awk '/Height:/ { print $2 }')" -gt 100 ] && tall+=("$window")
    done
    [ ${#tall[@]} -gt 0 ] && printf '%s\n' "${tall[@]}"
}

# e2e_click_control WINDOW LEFT TOP WIDTH HEIGHT: a click in the middle of a
# control placed in twips (15 to the pixel).
e2e_click_control() {
    e2e_click "$1" $((($2 + $4 / 2) / 15)) $((($3 + $5 / 2) / 15))
}

# e2e_click_center WINDOW [BUTTON] [REPEAT]
e2e_click_center() {
    local where
    read -r -a where <<<"$(e2e_center "$1")"
    e2e_click_at "${where[@]}" "${2:-1}" "${3:-1}"
}

# e2e_shot NAME [WINDOW]: a screenshot of one window, or of the whole screen,
# into the artefact directory.
# Under Wayland only the whole screen.
e2e_shot() {
    local target=${2:-root}
    sleep 0.3 # let the window finish painting
    if [ -n "$E2E_WAYLAND" ]; then
        mkdir -p "$E2E_TMP/shots"
        (cd "$E2E_TMP/shots" && XDG_RUNTIME_DIR=$E2E_TMP/run WAYLAND_DISPLAY=$E2E_WAYLAND \
            WAYLAND_DEBUG='' weston-screenshooter && mv wayland-screenshot-*.png "$E2E_ART/$1.png")
    else
        import -window "$target" "$E2E_ART/$1.png"
    fi
    e2e_log "screenshot $E2E_ART/$1.png"
}

# --- Dial-up link -------------------------------------------------------------

# Makes the test's network namespace, where the program and the link live,
# so the test's ppp0 is seen by nobody else. Skips without root or netns.
e2e_netns() {
    [ "$(id -u)" -eq 0 ] || e2e_skip "needs root for a network namespace and a tun device"
    [ -c /dev/net/tun ] || e2e_skip "no /dev/net/tun on this machine"
    e2e_require ip socat
    local name=callwise-e2e-$$
    ip netns add "$name" 2>"$E2E_TMP/netns.log" \
        || e2e_skip "cannot make a network namespace: $(cat "$E2E_TMP/netns.log")"
    E2E_NETNS=$name
}

# Brings the link $E2E_LINK up and running.
# Sets LINK_PID.
e2e_link_up() {
    # socat holds a point-to-point tun device open, as pppd holds its link: it
    # reads as running only while held, and goes when socat ends, as a dial-up
    # link does when it hangs up.
    ip netns exec "$E2E_NETNS" socat -u "TUN:192.0.2.1/32,tun-name=$E2E_LINK,iff-up,tun-type=tun" \
        OPEN:/dev/null 2>"$E2E_TMP/link.log" &
    LINK_PID=$!
    e2e_track "$LINK_PID"
    e2e_wait 5 e2e_link_running || e2e_fail "$E2E_LINK did not come up: $(cat "$E2E_TMP/link.log")"
}

e2e_link_down() {
    e2e_stop "$LINK_PID"
    e2e_wait 5 e2e_not ip netns exec "$E2E_NETNS" ip link show "$E2E_LINK" \
        || e2e_fail "$E2E_LINK is still there after hanging up"
}

# True while $E2E_LINK in the namespace is up and running, as the program sees it.
e2e_link_running() {
    ip netns exec "$E2E_NETNS" ip -o link show "$E2E_LINK" 2>/dev/null | grep -q 'UP,LOWER_UP'
}

e2e_in_ns() { ip netns exec "$E2E_NETNS" "$@"; }

# As e2e_link_up, with traffic: the tun held by socat, which writes back every
# packet the link sends; the /24 routes 192.0.2.2 through it. Without IPv6
# in the namespace, every byte on the link is the test's. Sets LINK_PID.
e2e_echo_link_up() {
    e2e_in_ns sysctl -qw net.ipv6.conf.all.disable_ipv6=1 net.ipv6.conf.default.disable_ipv6=1
    ip netns exec "$E2E_NETNS" socat "TUN:192.0.2.1/24,tun-name=$E2E_LINK,iff-up,tun-type=tun" PIPE \
        2>"$E2E_TMP/link.log" &
    LINK_PID=$!
    e2e_track "$LINK_PID"
    e2e_wait 5 e2e_link_running || e2e_fail "$E2E_LINK did not come up: $(cat "$E2E_TMP/link.log")"
    # A long queue, so a busy machine drops few datagrams before socat reads them.
    e2e_in_ns ip link set "$E2E_LINK" txqueuelen 10000
}

# e2e_push BYTES: UDP datagrams of 1400 bytes to the far end of the echo link.
e2e_push() {
    e2e_in_ns sh -c "head -c $1 /dev/zero | socat -u -b 1400 - UDP:192.0.2.2:9"
}

# The kernel's own counters of the link, as "received  ,  sent", the form
# the program keeps them in.
e2e_link_bytes() {
    local statistics=/sys/class/net/$E2E_LINK/statistics
    echo "$(e2e_in_ns cat "$statistics/rx_bytes")  ,  $(e2e_in_ns cat "$statistics/tx_bytes")"
}

# --- Sound -----------------------------------------------------------------------

# The test's own audio server: a null sink as the default output, reached
# through a socket in the test's directory only.
e2e_start_pulse() {
    e2e_require pulseaudio pactl parec od
    local dir=$E2E_TMP/pulse
    mkdir -p "$dir/run" "$dir/home"
    cat >"$dir/default.pa" <<PA
load-module module-native-protocol-unix socket=$dir/native auth-anonymous=1
load-module module-null-sink sink_name=callwise_null rate=16000 channels=1
set-default-sink callwise_null
PA
    HOME=$dir/home XDG_RUNTIME_DIR=$dir/run pulseaudio -n -F "$dir/default.pa" \
        --daemonize=no --exit-idle-time=-1 --use-pid-file=no --log-target=stderr \
        >"$dir/pulseaudio.log" 2>&1 &
    e2e_track $!
    export PULSE_SERVER=unix:$dir/native
    e2e_wait 10 pactl info \
        || e2e_skip "no audio server could be started: $(tail -3 "$dir/pulseaudio.log")"
}

# e2e_record FILE: records the null sink's monitor, 16-bit samples at
# 16 kHz, until the test stops PAREC_PID.
e2e_record() {
    parec --device=callwise_null.monitor --latency-msec=100 --raw --format=s16le --rate=16000 --channels=1 \
        >"$1" 2>"$E2E_TMP/parec.log" &
    PAREC_PID=$!
    e2e_track "$PAREC_PID"
}

# e2e_loud_samples FILE: how many samples of a recording stand well above
# silence.
e2e_loud_samples() {
    od -An -v -t d2 -w2 "$1" | awk '$1 > 1000 || $1 < -1000 { n++ } END { print n + 0 }'
}

# Starts the test's own speech-dispatcher, playing into the test's audio
# server (e2e_start_pulse first), on the socket the program's session would
# use, for when flite cannot play; started here rather than by the
# program, since the program's locale (en_GB) need not be installed.
e2e_start_speechd() {
    local dir=$E2E_TMP/run/speech-dispatcher
    mkdir -p -m 700 "$E2E_TMP/run"
    mkdir -p "$dir" "$E2E_TMP/home"
    LANG=C.UTF-8 LC_ALL= XDG_RUNTIME_DIR=$E2E_TMP/run HOME=$E2E_TMP/home \
        speech-dispatcher -s -t 0 -c unix_socket -S "$dir/speechd.sock" -L "$E2E_TMP" \
        >"$E2E_TMP/speechd.log" 2>&1 &
    e2e_track $!
    e2e_wait 30 test -S "$dir/speechd.sock" \
        || e2e_fail "speech-dispatcher did not start: $(tail -3 "$E2E_TMP/speechd.log")"
}

# --- Printing ------------------------------------------------------------------

# Starts a private cupsd (its own config, spool and socket in the test's
# directory; it keeps every job's document) with a cups-pdf queue as the
# default destination. Sets E2E_CUPS_DIR; programs started afterwards print
# there. cups-pdf reads a per-queue config beside its own, which sends this
# queue's output into the test's directory too; it goes at clean-up.
e2e_start_cups() {
    [ "$(id -u)" -eq 0 ] || e2e_skip "needs root for a private cupsd with a cups-pdf queue"
    e2e_require cupsd lpadmin lpstat pdftotext
    local ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
    [ -f "$ppd" ] || e2e_require cups-pdf-of-printer-driver-cups-pdf
    local dir=$E2E_TMP/cups queue=callwise-e2e-$$
    mkdir -p "$dir"/{spool,spool/tmp,cache,state,log,out}
    chmod 755 "$E2E_TMP" "$dir"
    chmod 1777 "$dir/out"
    cat >"$dir/cupsd.conf" <<EOF
Listen $dir/cups.sock
LogLevel info
PreserveJobFiles Yes
PreserveJobHistory Yes
WebInterface No
Browsing No
DefaultAuthType None
<Location />
  Order allow,deny
  Allow all
</Location>
EOF
    cat >"$dir/cups-files.conf" <<EOF
ServerRoot $dir
RequestRoot $dir/spool
TempDir $dir/spool/tmp
CacheDir $dir/cache
StateDir $dir/state
AccessLog $dir/log/access.log
ErrorLog $dir/log/error.log
PageLog $dir/log/page.log
ServerBin /usr/lib/cups
DataDir /usr/share/cups
EOF
    E2E_CUPS_PDF_CONF=/etc/cups/cups-pdf-$queue.conf
    printf 'Out %s\nAnonDirName %s\nLog %s\n' "$dir/out" "$dir/out" "$dir/log" \
        >"$E2E_CUPS_PDF_CONF"
    cupsd -f -c "$dir/cupsd.conf" -s "$dir/cups-files.conf" >"$dir/cupsd.log" 2>&1 &
    e2e_track $!
    E2E_CUPS_DIR=$dir
    export CUPS_SERVER=$dir/cups.sock
    e2e_wait 10 e2e_cups_running \
        || e2e_fail "cupsd did not start: $(cat "$dir/cupsd.log" "$dir/log/error.log" 2>/dev/null)"
    lpadmin -p "$queue" -E -v "cups-pdf:/$queue" -P "$ppd" >"$dir/lpadmin.log" 2>&1 \
        || e2e_fail "lpadmin: $(cat "$dir/lpadmin.log")"
    lpadmin -d "$queue"
    [ "$(lpstat -d)" = "system default destination: $queue" ] \
        || e2e_fail "queue is not the default: $(lpstat -d)"
}

e2e_cups_running() { lpstat -r | grep -qx 'scheduler is running'; }

# The document of the last job as CUPS received it (its spool file
# d<job>-001), as text. The finished cups-pdf output loses its text layer,
# so the spool copy is the one to read.
e2e_last_job_file() {
    find "$E2E_CUPS_DIR/spool" -maxdepth 1 -name 'd*-001' | sort | tail -1 | grep .
}

e2e_last_job_text() {
    local file
    file=$(e2e_last_job_file) || return 1
    if head -c 5 "$file" | grep -q '%PDF-'; then
        pdftotext -layout "$file" -
    else
        cat "$file"
    fi
}

# e2e_exit_by_menu X Y: chooses e&Xit from the menu of the tray icon there
# and waits for the program to end with status 0.
e2e_exit_by_menu() {
    e2e_open_menu "$1" "$2"
    xdotool key x
    e2e_wait_ended
}

# Waits for the program to end, which it must do with status 0.
e2e_wait_ended() {
    e2e_wait 10 e2e_not kill -0 "$CALLWISE_PID" || e2e_fail "the program did not end"
    local status=0
    wait "$CALLWISE_PID" || status=$?
    [ "$status" -eq 0 ] || e2e_fail "the program ended with status $status"
}

# Starts a second copy while the first runs: it must end at once, with
# status 0, and leave the first running.
e2e_second_copy() {
    e2e_program_env
    local start status=0 took
    start=$(date +%s%N)
    timeout 10 "${E2E_ENV[@]}" "$PROGRAM_DIR/callwise" >"$E2E_TMP/second.log" 2>&1 || status=$?
    took=$((($(date +%s%N) - start) / 1000000))
    e2e_log "second copy: status $status after $took ms"
    [ "$status" -eq 0 ] || e2e_fail "second copy ended with status $status"
    [ "$took" -lt 3000 ] || e2e_fail "second copy took $took ms to end"
    kill -0 "$CALLWISE_PID" || e2e_fail "the first copy ended"
}
