#!/usr/bin/env bash
# Stores that would lose the widget or the user's settings: positions on no screen, a window
# taller than X11 can place, a file that is no settings file, a directory, a hand-edited list.
source "$(dirname "$0")/lib.sh"
start_display
start_tray

expect_at() {  # expect_at x y what
    read -r x y w h < <(window_geometry)
    [ "$x,$y" = "$1,$2" ] || fail "$3: window at $x,$y, not $1,$2"
}

# --- a position far right and below: shown at (50, 50), and Exit keeps what was stored
write_store "TimeZones=Asia/Tokyo;Europe/Paris" "MainWindowPosX=5000" "MainWindowPosY=5000"
start_app
expect_at 50 50 "stored (5000, 5000)"
window_shot "$SHOTS/e2e_lost_fallback.png"
exit_by_menu $((x + w / 2)) $((y + h / 2)) "pop-up menu at the fallback"
[ "$(stored_position)" = "5000,5000" ] || fail "Exit at the fallback stored $(stored_position)"
pass "a position far off the screen opens at (50, 50) and stays stored after Exit"

# --- far left: Reset View keeps it too, a drag replaces it
write_store "TimeZones=Asia/Tokyo;Europe/Paris" "MainWindowPosX=-3000" "MainWindowPosY=40" "TimePattern=HH:mm:ss"
start_app
expect_at 50 50 "stored (-3000, 40)"
reset_view_by_menu $((x + w / 2)) $((y + h / 2))
expect_at 50 50 "Reset View at the fallback"
[ "$(stored_position)" = "-3000,40" ] || fail "Reset View at the fallback stored $(stored_position)"
[ -z "$(store_value TimePattern)" ] || fail "Reset View kept the time pattern"
pass "Reset View at the fallback resets the view and keeps the stored position"
drag_window $((x + 10)) $((y + 20)) 410 320
expect_at 400 300 "after a drag"
wait_until --or-false 3 "the drag to store 400,300" stored_at 400,300 || fail "the drag stored $(stored_position)"
stop_app
[ "$(stored_position)" = "400,300" ] || fail "SIGTERM after the drag stored $(stored_position)"
pass "a drag from the fallback stores where the user put the widget"

# --- far up and left: what X11 cannot even place; nothing is written back
write_store "TimeZones=Asia/Tokyo;Europe/Paris" "MainWindowPosX=-100000" "MainWindowPosY=-100000"
start_app
expect_at 50 50 "stored (-100000, -100000)"
stop_app
[ "$(stored_position)" = "-100000,-100000" ] || fail "SIGTERM at the fallback stored $(stored_position)"
pass "(-100000, -100000) opens at (50, 50) and is not written back"

# --- 500 clocks: taller than X11's 32767 pixels; the window manager's shift is not stored
write_store "TimeZones=$(printf 'Asia/Tokyo;%.0s' $(seq 500))" "MainWindowPosX=50" "MainWindowPosY=50"
start_app
wait_until 3 "the window manager to shift the tall window" not window_at 50 50
stop_app
[ "$(stored_position)" = "50,50" ] || fail "the tall window stored $(stored_position)"
pass "a window taller than the screen keeps the user's position"

# --- a store that is no settings file: defaults, one trace line, moved aside at the first write
printf '\x00\x01\x02binary\xff\xfe' >"$STORE"
cp "$STORE" "$WORK/binary"
start_app
expect_at 50 50 "binary store"
[ "$(grep -c 'holds no readable settings' "$WORK/app.log")" -eq 1 ] || fail "trace lines: $(cat "$WORK/app.log")"
cmp -s "$STORE" "$WORK/binary" || fail "the binary store changed before any write"
drag_window $((x + 10)) $((y + 20)) 310 220
wait_until --or-false 3 "the drag to store 300,200" stored_at 300,200 ||
    fail "the first write after moving aside stored $(stored_position)"
aside=$(ls "$STORE".unreadable-* 2>/dev/null)
[ "$(echo "$aside" | wc -w)" -eq 1 ] || fail "moved aside as: $aside"
cmp -s "$aside" "$WORK/binary" || fail "the file moved aside is not the user's"
stop_app
pass "a binary store starts with defaults and is moved aside as $(basename "$aside") at the first write"

# --- a directory where the store should be: started with defaults, nothing written, no rename
rm -f "$STORE" "$STORE".unreadable-*
mkdir "$STORE"
start_app
expect_at 50 50 "directory store"
[ "$(grep -c 'cannot read the preferences store' "$WORK/app.log")" -eq 1 ] || fail "trace lines: $(cat "$WORK/app.log")"
drag_window $((x + 10)) $((y + 20)) 310 220
stop_app
{ [ -d "$STORE" ] && [ -z "$(ls -A "$STORE")" ]; } || fail "the directory was changed"
[ -z "$(ls "$STORE".unreadable-* 2>/dev/null)" ] || fail "the directory was moved aside"
pass "a directory in the store's place is left alone"
rmdir "$STORE"

# --- the zone list written by hand without quotes: three clocks, written back quoted
printf '[com]\nquillmark\\hrl\\HRL\\TimeZones=Asia/Tokyo;Europe/Paris;America/Chicago\nquillmark\\hrl\\HRL\\VerticalLayout=false\n' >"$STORE"
start_app
read -r x y w h < <(window_geometry)
[ "$w" -gt $((2 * h)) ] || fail "three clocks side by side should be wider ($w x $h)"
wait_until --or-false 3 "the list written back" grep -qF 'TimeZones="Asia/Tokyo;Europe/Paris;America/Chicago"' "$STORE" ||
    fail "not written back quoted: $(cat "$STORE")"
window_shot "$SHOTS/e2e_lost_handedit.png"
stop_app
pass "an unquoted hand-written zone list shows every zone and is written back quoted"
echo "1..8 all passed"
