#!/usr/bin/env bash
# The settings dialog on a real display: opened from the pop-up menu over the always-on-top
# window, dark at once as a preview, Save rebuilds the window in place; opened from the tray, the
# tray's commands wait for it.
source "$(dirname "$0")/lib.sh"
start_display
start_tray

write_store "TimeZones=Asia/Tokyo;Europe/Paris;Africa/Juba" "MainWindowPosX=500" "MainWindowPosY=250"
start_app
read -r x0 y0 w0 h0 < <(window_geometry)
[ "$x0,$y0" = "500,250" ] || fail "window at $x0,$y0, not 500,250"
[ "$h0" -gt "$w0" ] || fail "three clocks should stand in a column first ($w0 x $h0)"

# --- Settings, the second item of the pop-up menu
open_popup_item 2 "Settings"
DIALOG=$(wait_window_named Settings)
# Centred over the window (the window manager's title bar may shift it down a little).
wait_until --or-false 3 "the dialog centred on the window" centred_over "$DIALOG" "$x0" "$y0" "$w0" "$h0" 2 30 ||
    fail "dialog at $(geometry_of "$DIALOG") (x y w h) is not centred on the window"
read -r _ _ dw dh < <(geometry_of "$DIALOG")
wait_until --or-false 3 "the dialog above the window" stacked_above "$DIALOG" "$WIN" ||
    fail "the dialog stands below the window"
xprop -id "$DIALOG" WM_NORMAL_HINTS | grep -q "program specified maximum size: $dw by $dh" || fail "the dialog can be resized"
wait_painted "$DIALOG" "the Settings dialog"
shot_of "$DIALOG" "$SHOTS/e2e_settings_light.png"
[ "$(pixel_at "$SHOTS/e2e_settings_light.png" 4 $((dh - 4)))" != "srgb(0,0,0)" ] || fail "the dialog is dark with dark mode off"
pass "Settings opens above the window, centred on it, light, not resizable"

# Keyboard: date list, date sample, time list, time sample, then the layout choice: Down picks
# Horizontal. Then the flag choice, font size, task bar, on top and dark mode: Up picks Yes.
wait_active "$DIALOG" "the Settings dialog"
xdotool key Tab Tab Tab Tab Down Tab Tab Tab Tab Tab Up
wait_until --or-false 3 "the dialog to turn dark" pixel_is "$DIALOG" 4 $((dh - 4)) "srgb(0,0,0)" ||
    fail "choosing dark mode did not darken the dialog"
shot_of "$DIALOG" "$SHOTS/e2e_settings_dark.png"
[ -z "$(store_value DarkMode)" ] || fail "the preview stored the dark mode flag"
pass "choosing dark mode darkens the dialog at once and stores nothing"

# Save: the default button.
frame=$(frame_of "$WIN")
xdotool key Tab space
wait_window_gone "$DIALOG" "Save to close the dialog"
wait_rebuilt "$frame" "Save"
read -r x y w h < <(window_geometry)
[ "$x,$y" = "$x0,$y0" ] || fail "rebuilt at $x,$y, not at $x0,$y0"
[ "$w" -gt "$h" ] || fail "the clocks should stand in a row after Save ($w x $h)"
wait_until --or-false 3 "the rebuilt window dark" pixel_is "$WIN" 1 1 "srgb(105,105,105)" ||
    fail "the rebuilt window is not dark"
window_shot "$SHOTS/e2e_settings_saved.png"
for kv in DatePattern=yyyy-MM-dd "TimePattern=h:mm a" VerticalLayout=false RoundFlags=true TimeFontWidth=18 \
          OnTaskBar=false AlwaysOnTop=true DarkMode=true; do
    [ "$(store_value "${kv%%=*}")" = "${kv#*=}" ] || fail "${kv%%=*} is '$(store_value "${kv%%=*}")', not '${kv#*=}': $(cat "$STORE")"
done
wait_until --or-false 3 "the window on top" kept_on_top "$WIN" || fail "no longer on top after Save"
pass "Save rebuilds the window horizontal and dark where it stood, and stores the eight settings"

# --- Settings from the tray; while it is open the tray's commands do nothing
cp "$STORE" "$WORK/store.before"
open_tray_item 2 "Settings"
DIALOG=$(wait_window_named Settings)
tray_waits Settings

wait_active "$DIALOG" "the Settings dialog"
xdotool key Escape
wait_window_gone "$DIALOG" "Escape to close the dialog"
cmp -s "$STORE" "$WORK/store.before" || fail "Escape changed the store: $(cat "$STORE")"
stays 0.5 window_at "$x0" "$y0" || fail "Escape moved the window to $(window_geometry) (x y w h)"
pass "Escape closes the dialog and writes nothing"

# The tray works again.
read -r ix iy iw ih < <(geometry_of "$TRAY_ICON")
exit_by_menu $((ix + iw / 2)) $((iy + ih / 2)) "tray menu"
echo "1..6 all passed"
