#!/usr/bin/env bash
# The real program on a real X server: where it opens, how it is decorated, what it shows.
source "$(dirname "$0")/lib.sh"
start_display
start_tray

write_store "TimeZones=Asia/Tokyo;Europe/Paris;Africa/Juba" "TimePattern=HH:mm:ss"
start_app

read -r x y w h < <(window_geometry)
[ "$x $y" = "50 50" ] || fail "window at $x,$y, not 50,50"
pass "opens at (50, 50) with nothing stored"
{ [ "$w" -gt 40 ] && [ "$h" -gt 150 ]; } || fail "window of $w x $h is too small for three clocks"

props=$(xprop -id "$WIN")
echo "$props" | grep -q '_MOTIF_WM_HINTS' || fail "no Motif hints: the window is decorated"
motif=$(echo "$props" | sed -n 's/^_MOTIF_WM_HINTS(_MOTIF_WM_HINTS) = //p')
[ $(( $(echo "$motif" | cut -d, -f3) )) -eq 0 ] || fail "decorations requested: $motif"
pass "undecorated"
wait_until --or-false 3 "the window on top" kept_on_top "$WIN" || fail "not always on top"
pass "always on top"
echo "$props" | grep '_NET_WM_WINDOW_TYPE(ATOM)' | grep -q '_NET_WM_WINDOW_TYPE_UTILITY' || fail "not a utility window"
pass "utility window, so no task-bar button"

# changed_since a.png b.png : takes b.png, true when it differs from a.png.
changed_since() {
    window_shot "$2"
    images_differ "$1" "$2"
}
window_shot "$WORK/a.png"
wait_until 1.5 "the clocks to change within a second" changed_since "$WORK/a.png" "$WORK/b.png"
wait_until 1.5 "the clocks to change in the next second" changed_since "$WORK/b.png" "$WORK/c.png"
pass "the time changes every second"

# Three clocks, in the vertical arrangement: the window is taller than wide.
[ "$h" -gt "$w" ] || fail "three clocks stacked should be taller than wide ($w x $h)"
pass "stored zone list shown in the vertical arrangement"
cp "$WORK/b.png" "${HRL_SHOT_DIR:-/tmp}/e2e_startup.png" 2>/dev/null || true

# One widget per user and display: a second start hands over to the running one and ends.
second=0
timeout 10 "$HRL_BIN" >"$WORK/second.log" 2>&1 || second=$?
[ "$second" -eq 0 ] || { cat "$WORK/second.log"; fail "a second start ended with status $second"; }
kill -0 "$APP" 2>/dev/null || fail "the running widget ended when a second one started"
pass "a second start brings the running widget forward and ends with status 0"

# SIGTERM and SIGHUP (a logout, a closed terminal) end the program as closing does: position
# stored, status 0.
for sig in TERM HUP; do
    [ "$sig" = TERM ] || { write_store "TimeZones=Asia/Tokyo"; start_app; }
    kill -"$sig" "$APP"
    wait_app_exit
    [ "$STATUS" -eq 0 ] || fail "SIG$sig ended the program with status $STATUS"
    [ "$(store_value MainWindowPosX),$(store_value MainWindowPosY)" = "50,50" ] || fail "position not stored on SIG$sig: $(cat "$STORE")"
    pass "SIG$sig stores the position and exits with status 0"
done
# A widget that was killed leaves its lock behind; the next start takes it over.
start_app
kill -KILL "$APP"
wait_app_exit
start_app
pass "the lock of a killed widget is taken over"
echo "1..9 all passed"
