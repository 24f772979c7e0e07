# Shared by the end-to-end tests: a display of their own with a window manager,
# a throwaway HOME (so the preferences store is a temporary one) and helpers.
set -euo pipefail
# shellcheck source=../../tools/display.sh
source "$(dirname "${BASH_SOURCE[0]}")/../../tools/display.sh"

HRL_BIN=${HRL_BIN:?path of the horalia binary}
WORK=$(mktemp -d)
export HOME="$WORK/home" XDG_CONFIG_HOME="$WORK/home/.config" XDG_RUNTIME_DIR="$WORK/run"
mkdir -p "$HOME" "$XDG_CONFIG_HOME/Quillmark" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
export LANG=en_US.UTF-8 LC_ALL= LANGUAGE= TZ=${TZ:-America/New_York}
unset QT_QPA_PLATFORM
STORE="$XDG_CONFIG_HOME/Quillmark/Horalia.ini"
# Where the tests leave their screenshots.
SHOTS=${HRL_SHOT_DIR:-/tmp}
PIDS=()

fail() { echo "FAIL: $*" >&2; exit 1; }
pass() { echo "ok - $*"; }

cleanup() {
    for pid in "${PIDS[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$WORK"
}
trap cleanup EXIT

start_display() {
    hrl_start_xvfb || fail "no X server"
    PIDS+=("$HRL_XVFB_PID")
    hrl_start_wm || fail "no window manager"
    PIDS+=("$HRL_WM_PID")
}

start_tray() {
    hrl_start_tray || fail "no tray host"
    PIDS+=("$HRL_TRAY_PID")
}

# write_store "key=value" ... : the preferences the program finds at start.
write_store() {
    {
        echo "[com]"
        # Quoted, as QSettings writes them: a bare ";" would start a comment.
        for kv in "$@"; do echo "quillmark\\hrl\\HRL\\${kv%%=*}=\"${kv#*=}\""; done
    } >"$STORE"
}

# stored_position : "x,y" as the store holds it ("," where nothing is stored).
stored_position() {
    echo "$(store_value MainWindowPosX),$(store_value MainWindowPosY)"
}

store_value() {
    sed -n "s/^quillmark\\\\hrl\\\\HRL\\\\$1=//p" "$STORE" | tr -d '\r"'
}

# windows_named title : our mapped windows with exactly that title.
windows_named() {
    local w
    for w in $(xdotool search --onlyvisible --pid "$APP" 2>/dev/null); do
        [ "$(xdotool getwindowname "$w" 2>/dev/null)" = "$1" ] && echo "$w"
    done
    return 0
}

# The main window: the one of our windows that the window manager manages under the program's
# name (the tray icon and the menus carry the name too, but are not managed).
main_window() {
    managed_window_named Horalia
}

start_app() {
    # A hang-up ignored by whoever started the tests (nohup) would be ignored by the program too.
    env --default-signal=HUP "$HRL_BIN" >"$WORK/app.log" 2>&1 &
    APP=$!
    PIDS+=($APP)
    WIN=
    for _ in $(seq 100); do
        WIN=$(main_window)
        [ -n "$WIN" ] && break
        sleep 0.1
    done
    [ -n "${WIN:-}" ] || { cat "$WORK/app.log"; fail "the window never mapped"; }
    sleep 0.5
}

# wait_app_exit : waits (at most 10 s) for the program to end and sets STATUS to its exit status.
wait_app_exit() {
    for _ in $(seq 100); do kill -0 "$APP" 2>/dev/null || break; sleep 0.1; done
    kill -0 "$APP" 2>/dev/null && fail "the program did not end"
    STATUS=0
    wait "$APP" || STATUS=$?
}

# menu_keys x y what key... : right click at (x, y), wait for the menu that opens there, then
# press the keys and Return.
menu_keys() {
    local x=$1 y=$2 what=$3
    shift 3
    xdotool mousemove "$x" "$y" click 3
    [ -n "$(popup_menu)" ] || fail "no menu for $what"
    xdotool key "$@" Return
}

# centre_of id : "x y" of the middle of any window on the root window.
centre_of() {
    local x y w h
    read -r x y w h < <(geometry_of "$1")
    echo "$((x + w / 2)) $((y + h / 2))"
}

# exit_by_menu x y what : right click at (x, y), choose Exit, the last item of the menu
# that opens there, and expect the program to end with status 0.
exit_by_menu() {
    menu_keys "$1" "$2" "Exit ($3)" Up
    wait_app_exit
    [ "$STATUS" -eq 0 ] || fail "Exit ($3) ended the program with status $STATUS"
}

# stop_app : SIGTERM, as a session's end sends it; expects the program to end with status 0.
stop_app() {
    kill -TERM "$APP"
    wait_app_exit
    [ "$STATUS" -eq 0 ] || fail "SIGTERM ended the program with status $STATUS"
}

# drag_window x y to_x to_y : presses the left button at screen (x, y), moves to (to_x, to_y)
# in two steps and lets go there.
drag_window() {
    xdotool mousemove "$1" "$2" mousedown 1
    sleep 0.2
    xdotool mousemove $(( ($1 + $3) / 2 )) $(( ($2 + $4) / 2 ))
    sleep 0.2
    xdotool mousemove "$3" "$4"
    sleep 0.2
    xdotool mouseup 1
    sleep 0.5
}

# reset_view_by_menu x y : right click at (x, y) and choose Reset View, the item before Exit;
# WIN is the rebuilt window afterwards.
reset_view_by_menu() {
    menu_keys "$1" "$2" "Reset View" Up Up
    sleep 1
    WIN=$(main_window)
    [ -n "$WIN" ] || fail "no window after Reset View"
}

# tray_icon : our window docked in the tray host (trayer), or nothing.
tray_icon() {
    hrl_tray_icon "$APP"
}

# wait_tray_icon : waits (at most 3 s) for our icon to dock in the tray and prints its id.
wait_tray_icon() {
    local w
    for _ in $(seq 30); do
        w=$(tray_icon)
        [ -n "$w" ] && { echo "$w"; return 0; }
        sleep 0.1
    done
    return 0
}

# popup_menu_now : a menu of ours that is mapped now (an unmanaged window outside the tray), or nothing.
popup_menu_now() {
    local w icon
    icon=$(tray_icon)
    for w in $(xdotool search --onlyvisible --pid "$APP" 2>/dev/null); do
        [ "$w" = "$icon" ] && continue
        xwininfo -id "$w" 2>/dev/null | grep -q 'Override Redirect State: yes' && { echo "$w"; return 0; }
    done
    return 0
}

# popup_menu : waits (at most 3 s) for a menu of ours to map and prints its window id.
popup_menu() {
    local w
    for _ in $(seq 30); do
        w=$(popup_menu_now)
        [ -n "$w" ] && { echo "$w"; return 0; }
        sleep 0.1
    done
    return 0
}

# geometry_of id : "x y w h" of any window on the root window.
geometry_of() {
    xwininfo -id "$1" 2>/dev/null | awk '/Absolute upper-left X/{x=$4} /Absolute upper-left Y/{y=$4} /Width:/{w=$2} /Height:/{h=$2} END{print x, y, w, h}'
}

# shot_of id file : the pixels of any window.
shot_of() {
    import -window root -crop "$(geometry_of "$1" | awk '{print $3 "x" $4 "+" $1 "+" $2}')" +repage "$2"
}

# close_menu : Escape, then waits until no menu of ours is mapped, and a little longer: a right
# press within about 0.3 s of closing a menu is lost here (any Qt program under this server and
# window manager), so the next click must not come at once.
close_menu() {
    xdotool key Escape
    for _ in $(seq 30); do [ -z "$(popup_menu_now)" ] && { sleep 0.5; return 0; }; sleep 0.1; done
    fail "the menu stayed open"
}

# images_differ a.png b.png : true when the two pictures differ in at least one pixel; a picture
# that cannot be compared (missing, another size) ends the test instead of counting as a change.
images_differ() {
    local out
    out=$(compare -metric AE "$1" "$2" null: 2>&1) || true
    [[ "$out" =~ ^[0-9]+(\.[0-9]+)?(e[+-]?[0-9]+)?$ ]] || fail "cannot compare $1 with $2: $out"
    [ "$out" != "0" ]
}

window_geometry() {  # prints "x y w h" of the window's outer frame on the root window
    geometry_of "$WIN"
}

window_shot() {  # window_shot file : the window's pixels
    shot_of "$WIN" "$1"
}

# managed_window_named title : the one of our windows with that title that the window manager
# manages (a dialog), or nothing.
managed_window_named() {
    local w
    for w in $(windows_named "$1"); do
        xprop -id "$w" WM_STATE 2>/dev/null | grep -q '^WM_STATE(WM_STATE)' && { echo "$w"; return 0; }
    done
    return 0
}

# wait_window_named title : waits (at most 5 s) for a managed window of ours with that title.
wait_window_named() {
    local w
    for _ in $(seq 50); do
        w=$(managed_window_named "$1")
        [ -n "$w" ] && { echo "$w"; return 0; }
        sleep 0.1
    done
    return 0
}

# wait_window_gone id : true once the window is no longer mapped (at most 5 s).
wait_window_gone() {
    for _ in $(seq 50); do
        xwininfo -id "$1" 2>/dev/null | grep -q 'Map State: IsViewable' || return 0
        sleep 0.1
    done
    return 1
}

# stacked_above upper lower : true when the window manager stacks upper above lower.
stacked_above() {
    local list u l
    list=$(xprop -root _NET_CLIENT_LIST_STACKING | sed 's/.*# //; s/,//g')
    u=$(echo "$list" | tr ' ' '\n' | grep -nx "$(printf 0x%x "$1")" | cut -d: -f1)
    l=$(echo "$list" | tr ' ' '\n' | grep -nx "$(printf 0x%x "$2")" | cut -d: -f1)
    [ -n "$u" ] && [ -n "$l" ] && [ "$u" -gt "$l" ]
}

# menu_command x y ups : right click at (x, y) and choose the item that many Up presses select
# from the end of the menu (1 Exit, 2 Reset View, 3 About).
menu_command() {
    local keys=()
    for _ in $(seq "$3"); do keys+=(Up); done
    menu_keys "$1" "$2" "the command at $1,$2" "${keys[@]}"
}

# pixel_at file x y : "srgb(r,g,b)" of one pixel of an image.
pixel_at() {
    convert "$1" -format "%[pixel:p{$2,$3}]" info:
}

# open_popup_item n what : right click in the middle of the window, then the n-th item of the
# pop-up menu by keyboard.
open_popup_item() {
    # shellcheck disable=SC2046
    menu_keys $(centre_of "$WIN") "the pop-up's $2" $(printf 'Down %.0s' $(seq "$1"))
}

# open_tray_item n what : right click on the tray icon, then the n-th command of its menu by keyboard.
open_tray_item() {
    # shellcheck disable=SC2046
    menu_keys $(centre_of "$(tray_icon)") "the tray's $2" $(printf 'Down %.0s' $(seq "$1"))
}
