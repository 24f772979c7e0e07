#!/usr/bin/env bash
# The settings dialog on a real display: opened from the pop-up menu over the always-on-top
# window, dark at once as a preview, Save rebuilds the window in place; opened from the tray, the
# tray's commands wait for it.
source "$(dirname "$0")/lib.sh"
start_display
start_tray

write_store "TimeZones=Asia/Tokyo;Europe/Paris;Africa/Juba" "MainWindowPosX=500" "MainWindowPosY=250"
start_app
ICON=$(wait_tray_icon)
[ -n "$ICON" ] || fail "no icon of ours in the tray"
read -r x0 y0 w0 h0 < <(window_geometry)
[ "$x0,$y0" = "500,250" ] || fail "window at $x0,$y0, not 500,250"
[ "$h0" -gt "$w0" ] || fail "three clocks should stand in a column first ($w0 x $h0)"

# --- Settings, the second item of the pop-up menu
open_popup_item 2 "Settings"
DIALOG=$(wait_window_named Settings)
[ -n "$DIALOG" ] || { cat "$WORK/app.log"; fail "no Settings dialog"; }
sleep 0.5
read -r dx dy dw dh < <(geometry_of "$DIALOG")
stacked_above "$DIALOG" "$WIN" || fail "the dialog stands below the window"
# Centred over the window (the window manager's title bar may shift it down a little).
cx=$((dx + dw / 2 - x0 - w0 / 2)); cy=$((dy + dh / 2 - y0 - h0 / 2))
[ "${cx#-}" -le 2 ] && [ "${cy#-}" -le 30 ] || fail "dialog at $dx,$dy ($dw x $dh) is not centred on the window"
xprop -id "$DIALOG" WM_NORMAL_HINTS | grep -q "program specified maximum size: $dw by $dh" || fail "the dialog can be resized"
shot_of "$DIALOG" "$SHOTS/e2e_settings_light.png"
[ "$(pixel_at "$SHOTS/e2e_settings_light.png" 4 $((dh - 4)))" != "srgb(0,0,0)" ] || fail "the dialog is dark with dark mode off"
pass "Settings opens above the window, centred on it, light, not resizable"

# Keyboard: date list, date sample, time list, time sample, then the layout choice: Down picks
# Horizontal. Then the flag choice, font size, task bar, on top and dark mode: Up picks Yes.
xdotool key Tab Tab Tab Tab Down Tab Tab Tab Tab Tab Up
sleep 0.5
shot_of "$DIALOG" "$SHOTS/e2e_settings_dark.png"
[ "$(pixel_at "$SHOTS/e2e_settings_dark.png" 4 $((dh - 4)))" = "srgb(0,0,0)" ] || fail "choosing dark mode did not darken the dialog"
[ -z "$(store_value DarkMode)" ] || fail "the preview stored the dark mode flag"
pass "choosing dark mode darkens the dialog at once and stores nothing"

# Save: the default button.
xdotool key Tab space
wait_window_gone "$DIALOG" || fail "the dialog stayed open"
sleep 1
WIN=$(main_window)
[ -n "$WIN" ] || fail "no window after Save"
read -r x y w h < <(window_geometry)
[ "$x,$y" = "$x0,$y0" ] || fail "rebuilt at $x,$y, not at $x0,$y0"
[ "$w" -gt "$h" ] || fail "the clocks should stand in a row after Save ($w x $h)"
window_shot "$SHOTS/e2e_settings_saved.png"
[ "$(pixel_at "$SHOTS/e2e_settings_saved.png" 1 1)" = "srgb(105,105,105)" ] || fail "the rebuilt window is not dark"
for kv in DatePattern=yyyy-MM-dd "TimePattern=h:mm a" VerticalLayout=false RoundFlags=true TimeFontWidth=18 \
          OnTaskBar=false AlwaysOnTop=true DarkMode=true; do
    [ "$(store_value "${kv%%=*}")" = "${kv#*=}" ] || fail "${kv%%=*} is '$(store_value "${kv%%=*}")', not '${kv#*=}': $(cat "$STORE")"
done
xprop -id "$WIN" _NET_WM_STATE | grep -q _NET_WM_STATE_ABOVE || fail "no longer on top after Save"
pass "Save rebuilds the window horizontal and dark where it stood, and stores the eight settings"

# --- Settings from the tray; while it is open the tray's commands do nothing
cp "$STORE" "$WORK/store.before"
open_tray_item 2 "Settings"
DIALOG=$(wait_window_named Settings)
[ -n "$DIALOG" ] || fail "no Settings dialog from the tray"
sleep 0.5
read -r ix iy iw ih < <(geometry_of "$(tray_icon)")
xdotool mousemove $((ix + iw / 2)) $((iy + ih / 2)) click 3
# Here the modal dialog keeps the icon from opening its menu at all; where a tray opens it
# anyway, its items must do nothing.
sleep 1.5
MENU=$(popup_menu_now)
if [ -n "$MENU" ]; then
    # Exit, the last item.
    read -r mx my mw mh < <(geometry_of "$MENU")
    xdotool mousemove $((mx + mw / 2)) $((my + mh - 8)) click 1
    sleep 1
    [ -n "$(popup_menu_now)" ] && close_menu
    how="its Exit does nothing"
else
    how="its menu does not open"
fi
kill -0 "$APP" 2>/dev/null || fail "the tray ended the program while the dialog was open"
[ -n "$(windows_named Settings)" ] || fail "the dialog went away"
pass "while the dialog is open the tray waits: $how"

xdotool key Escape
wait_window_gone "$DIALOG" || fail "the dialog stayed open"
cmp -s "$STORE" "$WORK/store.before" || fail "Escape changed the store: $(cat "$STORE")"
sleep 0.5
read -r x y w h < <(window_geometry)
[ "$x,$y" = "$x0,$y0" ] || fail "Escape moved the window to $x,$y"
pass "Escape closes the dialog and writes nothing"

# The tray works again.
exit_by_menu $((ix + iw / 2)) $((iy + ih / 2)) "tray menu"
echo "1..6 all passed"
