#!/usr/bin/env bash
# The pop-up and tray menus, dragging and the remembered position, with a real tray host and pointer.
source "$(dirname "$0")/lib.sh"
start_display
start_tray

write_store "TimeZones=Asia/Tokyo;Europe/Paris;Africa/Juba" "VerticalLayout=false"
start_app
grep -q "SystemTray is not supported" "$WORK/app.log" && fail "no tray seen although trayer runs"

# --- the tray icon docks in trayer, and its menu opens on a right click
ICON=$(wait_tray_icon)
pass "the tray icon is docked in the tray host"
read -r ix iy iw ih < <(geometry_of "$ICON")
click_at $((ix + iw / 2)) $((iy + ih / 2)) 3
MENU=$(popup_menu "a right click on the tray icon")
read -r _ _ mw mh < <(geometry_of "$MENU")
# Five items of at least 16 pixels each, whatever the font.
[ "$mh" -ge 80 ] || fail "the tray menu of $mw x $mh cannot hold five items"
wait_painted "$MENU" "the tray menu"
shot_of "$MENU" "$SHOTS/e2e_menus_tray.png"
close_menu
pass "the tray menu opens"

# --- a click on the icon brings the window to the front
xmessage -geometry +40+40 "another window" &
PIDS+=($!)
wait_until 3 "the other window to take the focus" not active "$WIN"
click_at $((ix + iw / 2)) $((iy + ih / 2)) 1
wait_until 3 "the tray icon to bring the window to the front" active "$WIN"
kill "${PIDS[-1]}"
pass "activating the tray icon brings the window to the front"

# --- a right click on a clock and one on the window's border open the pop-up menu
read -r x y w h < <(window_geometry)
click_at $((x + w / 6)) $((y + h / 2)) 3
MENU=$(popup_menu "a right click on a clock")
read -r mx my mw mh < <(geometry_of "$MENU")
[ "$mx,$my" = "$((x + w / 6)),$((y + h / 2))" ] || fail "menu at $mx,$my, not at the pointer"
wait_painted "$MENU" "the pop-up menu"
import -window root -crop "$((mx + mw - x + 10))x$((my + mh - y + 10))+$x+$y" +repage "$SHOTS/e2e_menus_light.png"
close_menu
pass "a right click on a clock opens the menu at the pointer"
click_at $((x + 1)) $((y + 1)) 3
popup_menu "a right click on the border" >/dev/null
close_menu
pass "a right click on the border opens the menu"

# --- a drag from (10, 20) inside the window to the screen point (500, 400)
drag_window $((x + 10)) $((y + 20)) 500 400
read -r x y w h < <(window_geometry)
[ "$x,$y" = "490,380" ] || fail "dragged window at $x,$y, not 490,380"
wait_until --or-false 3 "the release to store 490,380" stored_at 490,380 ||
    fail "release did not store 490,380: $(cat "$STORE")"
pass "the grabbed point stays under the pointer, and the release stores the position"

# --- Exit from the pop-up menu (the last item)
exit_by_menu $((x + w / 2)) $((y + h / 2)) "pop-up menu"
[ "$(store_value MainWindowPosX),$(store_value MainWindowPosY)" = "490,380" ] || fail "Exit lost the position: $(cat "$STORE")"
pass "Exit ends with status 0 and keeps the position"

# --- the next start opens where the window was left
start_app
read -r x y w h < <(window_geometry)
[ "$x,$y" = "490,380" ] || fail "restarted at $x,$y, not 490,380"
[ "$w" -gt "$h" ] || fail "the horizontal arrangement should be wider than tall ($w x $h)"
pass "a restart opens at the stored position"

# --- Reset View (the item before Exit): back to (50, 50), vertical, same zones
reset_view_by_menu $((x + w / 2)) $((y + h / 2))
read -r x y w h < <(window_geometry)
[ "$x,$y" = "50,50" ] || fail "after Reset View at $x,$y, not 50,50"
{ [ "$h" -gt "$w" ] && [ "$h" -gt 150 ]; } || fail "after Reset View three clocks should stand in a column ($w x $h)"
[ -z "$(store_value MainWindowPosX)" ] || fail "Reset View left a position in the store: $(cat "$STORE")"
[ "$(store_value TimeZones)" = "Asia/Tokyo;Europe/Paris;Africa/Juba" ] || fail "Reset View changed the zones"
window_shot "$SHOTS/e2e_menus_reset.png"
pass "Reset View puts the window at (50, 50) in the vertical arrangement"

# --- Exit from the tray menu stores the position too
read -r ix iy iw ih < <(geometry_of "$TRAY_ICON")
exit_by_menu $((ix + iw / 2)) $((iy + ih / 2)) "tray menu"
[ "$(store_value MainWindowPosX),$(store_value MainWindowPosY)" = "50,50" ] || fail "tray Exit did not store 50,50: $(cat "$STORE")"
pass "Exit from the tray menu ends with status 0 and stores the position"

# --- dark mode: the pop-up has the dark menu colour
write_store "TimeZones=Asia/Tokyo;Europe/Paris" "VerticalLayout=false" "DarkMode=true"
start_app
read -r x y w h < <(window_geometry)
click_at $((x + w / 4)) $((y + h / 2)) 3
MENU=$(popup_menu "a right click in dark mode")
read -r mx my mw mh < <(geometry_of "$MENU")
wait_until --or-false 3 "dark menu" pixel_is "$MENU" $((mw - 4)) $((mh / 2)) "srgb(25,25,112)" ||
    fail "dark menu background is $(pixel_at "$WORK/pixel.png" $((mw - 4)) $((mh / 2)))"
import -window root -crop "$((mx + mw - x + 10))x$((my + mh - y + 10))+$x+$y" +repage "$SHOTS/e2e_menus_dark.png"
close_menu
pass "the dark pop-up menu has the dark menu colour"
exit_by_menu $((x + w / 4)) $((y + h / 2)) "dark pop-up menu"
echo "1..11 all passed"
