#!/usr/bin/env bash
# The time zone dialog with a real pointer, keyboard, window manager and tray: opened from the
# pop-up menu, a zone added and saved, the widget rebuilt in place; opened from the tray, whose
# items do nothing while it is open.
source "$(dirname "$0")/lib.sh"
start_display
start_tray
DIALOG_TITLE="Time Zone Configuration"

write_store "TimeZones=Asia/Tokyo;Europe/Paris" "VerticalLayout=false" "MainWindowPosX=600" "MainWindowPosY=300"
start_app
read -r x y w h < <(window_geometry)
[ "$x,$y" = "600,300" ] || fail "window at $x,$y, not 600,300"

# --- Time Zones, the first item of the pop-up menu
open_popup_item 1 "Time Zones"
DIALOG=$(wait_window_named "$DIALOG_TITLE")
[ -n "$DIALOG" ] || fail "no time zone dialog from the pop-up menu"
sleep 0.5
read -r dx dy dw dh < <(geometry_of "$DIALOG")
[ "$dw" -ge 400 ] && [ "$dh" -ge 460 ] || fail "dialog of $dw x $dh, smaller than 400 x 460"
cx=$((dx + dw / 2 - x - w / 2)); cy=$((dy + dh / 2 - y - h / 2))
[ "${cx#-}" -le 30 ] && [ "${cy#-}" -le 30 ] || fail "dialog at $dx,$dy is not centred over the window at $x,$y"
# The widget stays on top of other windows; its dialog must stand above it, not behind.
stacked_above "$DIALOG" "$WIN" ||
    fail "the dialog is below the widget: $(xprop -root _NET_CLIENT_LIST_STACKING)"
import -window root "$SHOTS/e2e_timezones_dialog.png"
pass "Time Zones in the pop-up menu opens the dialog centred over the widget and above it"

# --- Add (the list has the focus; Tab goes to Add), type the start of an identifier, OK
xdotool key Tab space
BOX=$(wait_window_named "Select Time Zone")
[ -n "$BOX" ] || fail "no add box"
sleep 0.3
xdotool type --delay 60 "Asia/Kolk"
sleep 0.3
import -window root "$SHOTS/e2e_timezones_add.png"
# The first Return takes the first suggestion, the second presses OK.
xdotool key Return
sleep 0.3
xdotool key Return
wait_window_gone "$BOX" || fail "the add box stayed open"
pass "Add shows the box of zones; typing the identifier's start suggests it, Return twice adds it"

# --- Save (Add, Delete, Move Up, then Save: Move Down is off on the last row), then Escape closes
xdotool key Tab Tab Tab space
for _ in $(seq 30); do [ "$(store_value TimeZones)" = "Asia/Tokyo;Europe/Paris;Asia/Kolkata" ] && break; sleep 0.1; done
[ "$(store_value TimeZones)" = "Asia/Tokyo;Europe/Paris;Asia/Kolkata" ] || fail "saved list: $(cat "$STORE")"
[ -n "$(windows_named "$DIALOG_TITLE")" ] || fail "Save closed the dialog"
pass "Save writes the list and keeps the dialog open"
xdotool key Escape
wait_window_gone "$DIALOG" || fail "the dialog stayed open"
sleep 1
WIN=$(main_window)
[ -n "$WIN" ] || fail "no window after the rebuild"
read -r x2 y2 w2 h2 < <(window_geometry)
[ "$x2,$y2" = "600,300" ] || fail "the rebuilt window moved to $x2,$y2"
# Two clocks side by side became three.
[ $((w2 * 2)) -ge $((w * 3 - 30)) ] && [ $((w2 * 2)) -le $((w * 3 + 30)) ] || fail "width $w -> $w2 is not one clock more"
window_shot "$SHOTS/e2e_timezones_rebuilt.png"
pass "closing after a save rebuilds the widget with the new clock where it stood"

# --- from the tray; while the dialog is open the tray's items do nothing
ICON=$(wait_tray_icon)
[ -n "$ICON" ] || fail "no tray icon"
read -r ix iy iw ih < <(geometry_of "$ICON")
open_tray_item 1 "Time Zones"
DIALOG=$(wait_window_named "$DIALOG_TITLE")
[ -n "$DIALOG" ] || fail "no time zone dialog from the tray"
sleep 0.5
pass "Time Zones in the tray menu opens the dialog"

# A tray host of the XEmbed kind hands the click to our icon, which the modal dialog holds back;
# a desktop that draws the menu itself would show it, with every item inactive. Either way a
# click on Exit, the last item, must not end the program nor close the dialog.
xdotool mousemove $((ix + iw / 2)) $((iy + ih / 2)) click 3
MENU=$(popup_menu)
if [ -n "$MENU" ]; then
    read -r mx my mw mh < <(geometry_of "$MENU")
    xdotool mousemove $((mx + mw / 2)) $((my + mh - 8)) click 1
    sleep 1
    [ -z "$(popup_menu_now)" ] || close_menu
fi
sleep 0.5
kill -0 "$APP" 2>/dev/null || fail "Exit in the tray menu ended the program while the dialog was open"
[ -n "$(windows_named "$DIALOG_TITLE")" ] || fail "the dialog went away"
[ "$(windows_named "$DIALOG_TITLE" | wc -l)" -eq 1 ] || fail "a second dialog opened"
pass "the tray menu's Exit does nothing while the dialog is open"

# Close it (Add has the focus after one Tab; Escape there closes), then the tray works again.
xdotool windowactivate --sync "$DIALOG" 2>/dev/null || true
xdotool key Tab Escape
wait_window_gone "$DIALOG" || fail "the dialog stayed open"
sleep 0.5
exit_by_menu $((ix + iw / 2)) $((iy + ih / 2)) "tray menu after the dialog"
[ "$(store_value TimeZones)" = "Asia/Tokyo;Europe/Paris;Asia/Kolkata" ] || fail "the list changed: $(cat "$STORE")"
pass "after the dialog closes the tray's Exit works again"
echo "1..7 all passed"
