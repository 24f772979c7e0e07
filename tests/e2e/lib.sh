# shellcheck shell=bash
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
export LANG=en_US.UTF-8 LC_ALL='' LANGUAGE='' TZ=${TZ:-America/New_York}
unset QT_QPA_PLATFORM
STORE="$XDG_CONFIG_HOME/Quillmark/Horalia.ini"
# Where the tests leave their screenshots.
# shellcheck disable=SC2034 # read by the test scripts
SHOTS=${HRL_SHOT_DIR:-/tmp}
PIDS=()

fail() {
    echo "FAIL: $*" >&2
    # What the program said last, when it has started: its trace lines often tell why.
    [ -s "$WORK/app.log" ] && { echo "--- the program's last output:" >&2; tail -n 20 "$WORK/app.log" >&2; }
    exit 1
}
pass() { echo "ok - $*"; }

# --- waiting

# now_us : microseconds since the epoch.
now_us() { echo "${EPOCHREALTIME//[!0-9]/}"; }

# wait_until [--or-false] seconds what command... : runs the command every 0.1 s until it
# succeeds; if it has not within the time, the test ends saying what it waited for (with
# --or-false, wait_until returns false instead). Every wait in these tests comes here. The
# conditions hold well within a second here; the limits are for a machine loaded by other builds.
wait_until() {
    local soft=false
    [ "$1" = --or-false ] && { soft=true; shift; }
    local limit=$1 what=$2 deadline
    shift 2
    deadline=$(($(now_us) + $(printf '%.0f' "${limit}e6")))
    until "$@"; do
        if [ "$(now_us)" -ge "$deadline" ]; then
            $soft && return 1
            fail "waited $limit s in vain for $what"
        fi
        sleep 0.1
    done
}

# stays seconds command... : true when the command holds at every look for that long, false at the
# first look where it does not. One of the two waits of a fixed length (see pause_after_menu): it
# shows that something does NOT happen (no menu opens, no second box comes), which no event tells.
stays() {
    local seconds=$1
    shift
    ! wait_until --or-false "$seconds" "a change" not "$@"
}

not() { ! "$@"; }

# found command... : true when the command prints something, which is kept in FOUND.
found() {
    FOUND=$("$@")
    [ -n "$FOUND" ]
}

# --- the display, the store

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

TRAY_HOST=false TRAY_ICON=
start_tray() {
    hrl_start_tray || fail "no tray host"
    PIDS+=("$HRL_TRAY_PID")
    TRAY_HOST=true
}

# write_store "key=value" ... : the preferences the program finds at start.
write_store() {
    {
        echo "[com]"
        # Quoted, as QSettings writes them: a bare ";" would start a comment.
        for kv in "$@"; do echo "quillmark\\hrl\\HRL\\${kv%%=*}=\"${kv#*=}\""; done
    } >"$STORE"
}

store_value() {
    sed -n "s/^quillmark\\\\hrl\\\\HRL\\\\$1=//p" "$STORE" | tr -d '\r"'
}

# stored_position : "x,y" as the store holds it ("," where nothing is stored).
stored_position() {
    echo "$(store_value MainWindowPosX),$(store_value MainWindowPosY)"
}

stored_at() { [ "$(stored_position)" = "$1" ]; }  # stored_at x,y

# --- windows

# windows_named title : our mapped windows with exactly that title.
windows_named() {
    local w
    for w in $(xdotool search --onlyvisible --pid "$APP" 2>/dev/null); do
        [ "$(xdotool getwindowname "$w" 2>/dev/null)" = "$1" ] && echo "$w"
    done
    return 0
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

# The main window: the one of our windows that the window manager manages under the program's
# name (the tray icon and the menus carry the name too, but are not managed).
main_window() {
    managed_window_named Horalia
}

viewable() { xwininfo -id "$1" 2>/dev/null | grep -q 'Map State: IsViewable'; }

# geometry_of id : "x y w h" of any window on the root window.
geometry_of() {
    xwininfo -id "$1" 2>/dev/null | awk '/Absolute upper-left X/{x=$4} /Absolute upper-left Y/{y=$4} /Width:/{w=$2} /Height:/{h=$2} END{print x, y, w, h}'
}

window_geometry() {  # prints "x y w h" of the window's outer frame on the root window
    geometry_of "$WIN"
}

# window_at x y : true when the main window's top left corner stands at (x, y).
window_at() {
    local x y
    read -r x y _ _ < <(window_geometry)
    [ "$x,$y" = "$1,$2" ]
}

# centre_of id : "x y" of the middle of any window on the root window.
centre_of() {
    local x y w h
    read -r x y w h < <(geometry_of "$1")
    echo "$((x + w / 2)) $((y + h / 2))"
}

# centred_over id x y w h dx dy : true when the window's middle lies within dx, dy of the middle
# of the rectangle (x, y, w, h).
centred_over() {
    local wx wy ww wh cx cy
    read -r wx wy ww wh < <(geometry_of "$1")
    cx=$((wx + ww / 2 - $2 - $4 / 2))
    cy=$((wy + wh / 2 - $3 - $5 / 2))
    [ "${cx#-}" -le "$6" ] && [ "${cy#-}" -le "$7" ]
}

# kept_on_top id : true when the window manager keeps the window above others.
kept_on_top() { xprop -id "$1" _NET_WM_STATE 2>/dev/null | grep -q '_NET_WM_STATE_ABOVE'; }

# stacked_above upper lower : true when the window manager stacks upper above lower.
stacked_above() {
    local list u l
    list=$(xprop -root _NET_CLIENT_LIST_STACKING | sed 's/.*# //; s/,//g')
    u=$(echo "$list" | tr ' ' '\n' | grep -nx "$(printf 0x%x "$1")" | cut -d: -f1)
    l=$(echo "$list" | tr ' ' '\n' | grep -nx "$(printf 0x%x "$2")" | cut -d: -f1)
    [ -n "$u" ] && [ -n "$l" ] && [ "$u" -gt "$l" ]
}

# active id : true when the window manager has given that window the focus.
active() { [ "$(xprop -root _NET_ACTIVE_WINDOW | awk '{print $NF}')" = "$(printf 0x%x "$1")" ]; }

# wait_active id what : waits (at most 5 s) for the window to have the focus, before keys for it.
wait_active() { wait_until 5 "the focus on $2" active "$1"; }

# wait_window_named title : waits (at most 5 s) for a managed window of ours with that title and
# prints its id.
wait_window_named() {
    wait_until 5 "a window titled '$1'" found managed_window_named "$1"
    echo "$FOUND"
}

# wait_window_gone id what : waits (at most 5 s) for the window to be unmapped; what says by what.
wait_window_gone() { wait_until 5 "$2" not viewable "$1"; }

# frame_of id : the window manager's frame around the window; a new one each time it is shown.
frame_of() { hrl_parent_of "$1"; }

# shown_again frame : true when the main window is shown in another frame than that; sets WIN.
shown_again() {
    local w
    w=$(main_window)
    [ -n "$w" ] && [ "$(frame_of "$w")" != "$1" ] && WIN=$w
}

# wait_rebuilt frame what : after a command that rebuilds the window (hides, lays out and shows it
# again), waits for it to be shown in another frame than the one it had, and drawn; sets WIN.
wait_rebuilt() {
    wait_until 5 "the window to be shown again after $2" shown_again "$1"
    wait_painted "$WIN" "the rebuilt window"
}

# --- pictures

# shot_of id file : the pixels of any window.
shot_of() {
    import -window root -crop "$(geometry_of "$1" | awk '{print $3 "x" $4 "+" $1 "+" $2}')" +repage "$2"
}

window_shot() {  # window_shot file : the window's pixels
    shot_of "$WIN" "$1"
}

# pixel_at file x y : "srgb(r,g,b)" of one pixel of an image.
pixel_at() {
    convert "$1" -format "%[pixel:p{$2,$3}]" info:
}

# pixel_is id x y colour : true when that pixel of the window has that colour ("srgb(r,g,b)"); the
# window's picture stays in $WORK/pixel.png.
pixel_is() {
    import -window "$1" "$WORK/pixel.png"
    [ "$(pixel_at "$WORK/pixel.png" "$2" "$3")" = "$4" ]
}

# painted id : true once the window shows more than one colour: the program has drawn it (the
# server leaves a new window the one colour that was there before).
painted() {
    import -window "$1" "$WORK/painted.png"
    [ "$(convert "$WORK/painted.png" -format %k info:)" -gt 1 ]
}

# wait_painted id what : waits (at most 5 s) for the program to draw the window.
wait_painted() { wait_until 5 "$2 to be drawn" painted "$1"; }

# images_differ a.png b.png : true when the two pictures differ in at least one pixel; a picture
# that cannot be compared (missing, another size) ends the test instead of counting as a change.
images_differ() {
    local out
    out=$(compare -metric AE "$1" "$2" null: 2>&1) || true
    [[ "$out" =~ ^[0-9]+(\.[0-9]+)?(e[+-]?[0-9]+)?$ ]] || fail "cannot compare $1 with $2: $out"
    [ "$out" != "0" ]
}

# --- the program

app_running() { kill -0 "$APP" 2>/dev/null; }

# start_app : starts the program and waits until it is ready for the tests: its window mapped and
# drawn, and, where a tray host runs, its icon docked (the icon comes once the event loop runs).
start_app() {
    # A hang-up ignored by whoever started the tests (nohup) would be ignored by the program too.
    env --default-signal=HUP "$HRL_BIN" >"$WORK/app.log" 2>&1 &
    APP=$!
    PIDS+=("$APP")
    wait_until 10 "the window to map" found main_window
    WIN=$FOUND
    TRAY_ICON=
    if $TRAY_HOST; then TRAY_ICON=$(wait_tray_icon); fi
    wait_painted "$WIN" "the main window"
}

# wait_app_exit : waits (at most 10 s) for the program to end and sets STATUS to its exit status.
wait_app_exit() {
    wait_until 10 "the program to end" not app_running
    STATUS=0
    wait "$APP" || STATUS=$?
}

# stop_app : SIGTERM, as a session's end sends it; expects the program to end with status 0.
stop_app() {
    kill -TERM "$APP"
    wait_app_exit
    [ "$STATUS" -eq 0 ] || fail "SIGTERM ended the program with status $STATUS"
}

# tray_icon : our window docked in the tray host (trayer), or nothing. Once the program has
# started, TRAY_ICON holds it.
tray_icon() {
    hrl_tray_icon "$APP"
}

# wait_tray_icon : waits (at most 5 s) for our icon to dock in the tray and prints its id.
wait_tray_icon() {
    wait_until 5 "our icon to dock in the tray" found tray_icon
    echo "$FOUND"
}

# --- the pointer and the menus

# A press within about 0.3 s of one of our menus closing is sometimes lost here (any Qt program
# under this server and window manager), and nothing outside the program shows when presses are
# taken again; so click_at and drag_window let 0.5 s pass since the last close seen by close_menu
# or menu_keys. The other wait of a fixed length, besides stays; most presses come later anyway.
MENU_CLOSED_AT=0
pause_after_menu() {
    local left=$((MENU_CLOSED_AT + 500000 - $(now_us)))
    [ "$left" -le 0 ] || sleep "$(printf '0.%06d' "$left")"
}

# click_at x y button : moves the pointer to (x, y) and clicks there.
click_at() {
    pause_after_menu
    xdotool mousemove "$1" "$2" click "$3"
}

# drag_window x y to_x to_y : presses the left button at screen (x, y), moves to (to_x, to_y)
# in two steps and lets go there; then waits for the window to have followed, the grabbed point
# under the pointer.
drag_window() {
    local wx wy
    read -r wx wy _ _ < <(window_geometry)
    pause_after_menu
    xdotool mousemove "$1" "$2" mousedown 1 mousemove $((($1 + $3) / 2)) $((($2 + $4) / 2)) \
        mousemove "$3" "$4" mouseup 1
    wait_until 5 "the window to follow the drag to $((wx + $3 - $1)),$((wy + $4 - $2))" \
        window_at $((wx + $3 - $1)) $((wy + $4 - $2))
}

# popup_menu_now : a menu of ours that is mapped now (an unmanaged window other than the tray
# icon, which start_app found), or nothing.
popup_menu_now() {
    local w
    for w in $(xdotool search --onlyvisible --pid "$APP" 2>/dev/null); do
        [ "$w" != "$TRAY_ICON" ] || continue
        xwininfo -id "$w" 2>/dev/null | grep -q 'Override Redirect State: yes' && { echo "$w"; return 0; }
    done
    return 0
}

no_popup_menu() { [ -z "$(popup_menu_now)" ]; }

# popup_menu what : waits (at most 3 s) for a menu of ours to map and prints its window id.
popup_menu() {
    wait_until 3 "a menu for $1" found popup_menu_now
    echo "$FOUND"
}

# menu_closed : waits (at most 3 s) for our menus to be gone and notes when.
menu_closed() {
    wait_until 3 "the menu to close" no_popup_menu
    MENU_CLOSED_AT=$(now_us)
}

# close_menu : Escape, then waits until no menu of ours is mapped.
close_menu() {
    xdotool key Escape
    menu_closed
}

# menu_keys x y what key... : right click at (x, y), wait for the menu that opens there, then
# press the keys and Return, and wait for the menu to close.
menu_keys() {
    local x=$1 y=$2 what=$3
    shift 3
    click_at "$x" "$y" 3
    popup_menu "$what" >/dev/null
    xdotool key "$@" Return
    menu_closed
}

# menu_command x y ups : right click at (x, y) and choose the item that many Up presses select
# from the end of the menu (1 Exit, 2 Reset View, 3 About).
menu_command() {
    local keys=()
    for _ in $(seq "$3"); do keys+=(Up); done
    menu_keys "$1" "$2" "the command at $1,$2" "${keys[@]}"
}

# exit_by_menu x y what : right click at (x, y), choose Exit, the last item of the menu
# that opens there, and expect the program to end with status 0.
exit_by_menu() {
    menu_keys "$1" "$2" "Exit ($3)" Up
    wait_app_exit
    [ "$STATUS" -eq 0 ] || fail "Exit ($3) ended the program with status $STATUS"
}

# reset_view_by_menu x y : right click at (x, y) and choose Reset View, the item before Exit;
# WIN is the rebuilt window afterwards.
reset_view_by_menu() {
    local frame
    frame=$(frame_of "$WIN")
    menu_keys "$1" "$2" "Reset View" Up Up
    wait_rebuilt "$frame" "Reset View"
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
    menu_keys $(centre_of "$TRAY_ICON") "the tray's $2" $(printf 'Down %.0s' $(seq "$1"))
}

# --- shared scenarios

# left_alone title : the program runs, with one dialog of that title open.
left_alone() { app_running && [ "$(windows_named "$1" | wc -l)" -eq 1 ]; }

# tray_waits title : with the modal configuration dialog of that title open, a right click on the
# tray icon. A tray host of the XEmbed kind (trayer) hands the click to our icon, which the modal
# dialog holds back, so no menu opens; a desktop that draws the menu itself would show it, with
# every item inactive, and then a click on Exit, its last item, must do nothing. Either way the
# program runs on and the dialog stays open, the only one.
tray_waits() {
    local title=$1 how="its menu does not open" menu mx my mw mh
    # shellcheck disable=SC2046
    click_at $(centre_of "$TRAY_ICON") 3
    if ! stays 1.5 no_popup_menu; then
        menu=$(popup_menu "a right click on the tray icon")
        read -r mx my mw mh < <(geometry_of "$menu")
        click_at $((mx + mw / 2)) $((my + mh - 8)) 1
        how="its Exit does nothing"
        stays 1 left_alone "$title" || true
        no_popup_menu || close_menu
    fi
    app_running || fail "the tray ended the program while the dialog was open"
    [ -n "$(windows_named "$title")" ] || fail "the dialog went away"
    [ "$(windows_named "$title" | wc -l)" -eq 1 ] || fail "a second dialog opened"
    pass "while the dialog '$title' is open the tray waits: $how"
}
