#!/usr/bin/env bash
# Without a tray host: the program says so once, in a line and an error box, and carries on.
source "$(dirname "$0")/lib.sh"
start_display

error_boxes() { windows_named Error; }
first_error_box() { error_boxes | head -1; }
one_error_box() { [ "$(error_boxes | wc -l)" -eq 1 ]; }
no_error_box() { [ -z "$(error_boxes)" ]; }

write_store "TimeZones=Asia/Tokyo;Europe/Paris"
start_app
read -r x y w h < <(window_geometry)
[ "$x,$y" = "50,50" ] || fail "window at $x,$y, not 50,50"
pass "the window opens without a tray"

wait_until 5 "an error box" found first_error_box
BOX=$FOUND
stays 0.5 one_error_box || fail "more than one error box"
[ "$(grep -c '^SystemTray is not supported$' "$WORK/app.log")" -eq 1 ] || fail "standard output: $(cat "$WORK/app.log")"
shot_of "$BOX" "$SHOTS/e2e_notray_error.png"
pass "one error box titled Error, one line on standard output"

xdotool windowactivate --sync "$BOX" 2>/dev/null || true
xdotool key Return
wait_until 3 "Return to close the error box" no_error_box
stays 1 no_error_box || fail "a second error box came"
pass "the box closes and does not come back"

read -r x y w h < <(window_geometry)
exit_by_menu $((x + w / 2)) $((y + h / 2)) "pop-up menu without a tray"
[ "$(store_value MainWindowPosX),$(store_value MainWindowPosY)" = "50,50" ] || fail "position not stored: $(cat "$STORE")"
pass "the pop-up menu still works, and Exit ends with status 0"
echo "1..4 all passed"
