# shellcheck shell=bash
# Sourced by run.sh, bench/run.sh and the end-to-end tests: a display of our own under Xvfb, and a
# window manager and a tray host on it, each waited for until it is ready (not for a fixed time).
# Each start function sets the PID of what it started; the caller stops it. The waits end as soon as
# the condition holds (well under a second here); their limits are only for a machine stalled on
# its disk or loaded by other builds.

# hrl_wait_ready pid seconds command... : runs the command every 0.1 s until it succeeds; false
# when it never did within the time, or at once when the process ends.
hrl_wait_ready() {
    local pid=$1 tries=$(($2 * 10))
    shift 2
    while [ "$tries" -gt 0 ] && kill -0 "$pid" 2>/dev/null; do
        "$@" && return 0
        tries=$((tries - 1))
        sleep 0.1
    done
    return 1
}

# hrl_start_xvfb : Xvfb on a display number it picks itself (two runs at once never race for one);
# exports DISPLAY and sets HRL_XVFB_PID. On failure nothing is left running.
hrl_start_xvfb() {
    local fd number=
    # Xvfb writes the number to fd 3 once it listens there, and closes it; if it fails to start,
    # the read ends at once. -noreset: when its last client leaves (the check below), a server
    # resets and drops a client that is connecting just then (the window manager, 2 % of starts
    # here).
    exec {fd}< <(exec Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp -br -noreset 3>&1 >/dev/null 2>&1)
    HRL_XVFB_PID=$!
    read -r -t 60 -u "$fd" number || true
    exec {fd}<&-
    if [[ "$number" =~ ^[0-9]+$ ]] && kill -0 "$HRL_XVFB_PID" 2>/dev/null \
        && DISPLAY=":$number" xdpyinfo >/dev/null 2>&1; then
        export DISPLAY=":$number"
        return 0
    fi
    kill "$HRL_XVFB_PID" 2>/dev/null || true
    echo "Xvfb did not start (display '${number}')" >&2
    return 1
}

# hrl_start_wm : openbox on DISPLAY, ready once it has set its client list on the root window, late
# in its start, just before it manages windows (its check window comes early, before its
# theme and fonts are loaded); sets HRL_WM_PID.
hrl_start_wm() {
    openbox --sm-disable >/dev/null 2>&1 &
    HRL_WM_PID=$!
    hrl_wait_ready "$HRL_WM_PID" 60 hrl_wm_ready && return 0
    hrl_give_up "$HRL_WM_PID" "the window manager did not start"
}

# hrl_give_up pid message : stops the process and says whether it had ended by itself.
hrl_give_up() {
    local state="still running"
    kill -0 "$1" 2>/dev/null || state="ended"
    kill "$1" 2>/dev/null || true
    echo "$2 ($state)" >&2
    return 1
}

hrl_wm_ready() {
    xprop -root _NET_CLIENT_LIST 2>/dev/null | grep -q '^_NET_CLIENT_LIST(WINDOW)'
}

# hrl_start_tray : trayer as the tray host on DISPLAY, ready once it owns the tray and shows its
# panel; sets HRL_TRAY_PID. Start it before any program that looks for a tray.
hrl_start_tray() {
    trayer --edge top --align right --widthtype request --height 24 >/dev/null 2>&1 &
    HRL_TRAY_PID=$!
    hrl_wait_ready "$HRL_TRAY_PID" 60 hrl_tray_ready && return 0
    hrl_give_up "$HRL_TRAY_PID" "the tray host did not start"
}

hrl_tray_ready() {
    # trayer names this atom only once the tray selection is its own; on a new display nothing
    # else has named it yet (a Qt program does, at its start).
    xlsatoms -name _NET_SYSTEM_TRAY_OPCODE 2>/dev/null | grep -q . \
        && [ -n "$(xdotool search --onlyvisible --class '^trayer$' 2>/dev/null)" ]
}

# hrl_tray_icon pid : the window of that process docked in trayer, or nothing.
hrl_tray_icon() {
    local w p
    for w in $(xdotool search --onlyvisible --pid "$1" 2>/dev/null); do
        p=$w
        while p=$(hrl_parent_of "$p") && [ -n "$p" ] && [ "$p" != "0x0" ]; do
            xprop -id "$p" WM_CLASS 2>/dev/null | grep -q '"trayer"' && { echo "$w"; return 0; }
        done
    done
    return 0
}

hrl_parent_of() {
    xwininfo -id "$1" -tree 2>/dev/null | sed -n 's/^ *Parent window id: \(0x[0-9a-f]*\).*/\1/p'
}
