#!/usr/bin/env bash
# The time zone dialog with a real pointer, keyboard, window manager and tray: opened from the
# pop-up menu, a zone added and saved, the widget rebuilt in place; opened from the tray, whose
# items do nothing while it is open.
source "$(dirname "$0")/lib.sh"
start_display
start_tray
DIALOG_TITLE="Time Zone Configuration"
stored_zones_are() { [ "$(store_value TimeZones)" = "$1" ]; }

write_store "TimeZones=Asia/Tokyo;Europe/Paris" "VerticalLayout=false" "MainWindowPosX=600" "MainWindowPosY=300"
start_app
read -r x y w h < <(window_geometry)
[ "$x,$y" = "600,300" ] || fail "window at $x,$y, not 600,300"

# --- Time Zones, the first item of the pop-up menu
open_popup_item 1 "Time Zones"
DIALOG=$(wait_window_named "$DIALOG_TITLE")
wait_until --or-false 3 "the dialog centred over the widget" centred_over "$DIALOG" "$x" "$y" "$w" "$h" 30 30 ||
    fail "dialog at $(geometry_of "$DIALOG") (x y w h) is not centred over the window at $x,$y"
read -r _ _ dw dh < <(geometry_of "$DIALOG")
{ [ "$dw" -ge 400 ] && [ "$dh" -ge 460 ]; } || fail "dialog of $dw x $dh, smaller than 400 x 460"
# The widget stays on top of other windows; its dialog must stand above it, not behind.
wait_until --or-false 3 "the dialog above the widget" stacked_above "$DIALOG" "$WIN" ||
    fail "the dialog is below the widget: $(xprop -root _NET_CLIENT_LIST_STACKING)"
wait_painted "$DIALOG" "the time zone dialog"
import -window root "$SHOTS/e2e_timezones_dialog.png"
pass "Time Zones in the pop-up menu opens the dialog centred over the widget and above it"

# --- Add (the list has the focus; Tab goes to Add), type the start of an identifier, OK
wait_active "$DIALOG" "the time zone dialog"
xdotool key Tab space
BOX=$(wait_window_named "Select Time Zone")
wait_active "$BOX" "the add box"
xdotool type --delay 60 "Asia/Kolk"
# The suggestions are a window of their own, shown once the place index is there.
popup_menu "the suggestions for Asia/Kolk" >/dev/null
import -window root "$SHOTS/e2e_timezones_add.png"
# The first Return takes the first suggestion, the second presses OK.
xdotool key Return
wait_until 3 "Return to take the suggestion" no_popup_menu
xdotool key Return
wait_window_gone "$BOX" "the second Return to close the add box"
pass "Add shows the box of zones; typing the identifier's start suggests it, Return twice adds it"

# --- Save (Add, Delete, Move Up, then Save: Move Down is off on the last row), then Escape closes
wait_active "$DIALOG" "the time zone dialog after the add box"
xdotool key Tab Tab Tab space
wait_until --or-false 3 "Save to write the list" stored_zones_are "Asia/Tokyo;Europe/Paris;Asia/Kolkata" ||
    fail "saved list: $(cat "$STORE")"
[ -n "$(windows_named "$DIALOG_TITLE")" ] || fail "Save closed the dialog"
pass "Save writes the list and keeps the dialog open"
frame=$(frame_of "$WIN")
xdotool key Escape
wait_window_gone "$DIALOG" "Escape to close the dialog"
wait_rebuilt "$frame" "the dialog closed"
read -r x2 y2 w2 _ < <(window_geometry)
[ "$x2,$y2" = "600,300" ] || fail "the rebuilt window moved to $x2,$y2"
# Two clocks side by side became three.
{ [ $((w2 * 2)) -ge $((w * 3 - 30)) ] && [ $((w2 * 2)) -le $((w * 3 + 30)) ]; } || fail "width $w -> $w2 is not one clock more"
window_shot "$SHOTS/e2e_timezones_rebuilt.png"
pass "closing after a save rebuilds the widget with the new clock where it stood"

# --- from the tray; while the dialog is open the tray's items do nothing
read -r ix iy iw ih < <(geometry_of "$TRAY_ICON")
open_tray_item 1 "Time Zones"
DIALOG=$(wait_window_named "$DIALOG_TITLE")
pass "Time Zones in the tray menu opens the dialog"
tray_waits "$DIALOG_TITLE"

# Close it (Add has the focus after one Tab; Escape there closes), then the tray works again.
xdotool windowactivate --sync "$DIALOG" 2>/dev/null || true
xdotool key Tab Escape
wait_window_gone "$DIALOG" "Escape to close the dialog opened from the tray"
exit_by_menu $((ix + iw / 2)) $((iy + ih / 2)) "tray menu after the dialog"
[ "$(store_value TimeZones)" = "Asia/Tokyo;Europe/Paris;Asia/Kolkata" ] || fail "the list changed: $(cat "$STORE")"
pass "after the dialog closes the tray's Exit works again"
echo "1..7 all passed"
