#!/usr/bin/env bash
# The About box from the real menus: above the always-on-top window, the window locked while it
# is open, and usable again however the box is closed.
source "$(dirname "$0")/lib.sh"
start_display
start_tray

# Wide enough that part of the window stays uncovered by the box, which is centred on it.
write_store "TimeZones=Asia/Tokyo;Europe/Paris;Africa/Juba;America/Lima;Asia/Kolkata" "VerticalLayout=false" \
    "MainWindowPosX=60" "MainWindowPosY=300"
start_app
read -r x y w h < <(window_geometry)

# open_about : About from the pop-up menu; sets ABOUT to the box's window.
open_about() {
    menu_command $((x + w - 15)) $((y + h / 2)) 3
    ABOUT=$(wait_window_named About)
    wait_painted "$ABOUT" "the About box"
}

# uncovered_point : a point of the main window outside the box, as "x y".
uncovered_point() {
    local ax ay aw ah
    read -r ax ay aw ah < <(geometry_of "$ABOUT")
    if [ $((x + w - 10)) -gt $((ax + aw + 10)) ]; then echo "$((x + w - 10)) $((y + h / 2))"
    elif [ $((x + 10)) -lt $((ax - 10)) ]; then echo "$((x + 10)) $((y + h / 2))"
    else fail "the box covers the whole window ($(geometry_of "$ABOUT") over $x $y $w $h)"; fi
}

# refuses_clicks : a right click on the uncovered part of the window opens no menu (one maps well
# within a second here).
refuses_clicks() {
    local px py
    read -r px py < <(uncovered_point)
    click_at "$px" "$py" 3
    stays 1 no_popup_menu || { close_menu; fail "the window opened its menu while the box was open"; }
}

# takes_clicks : a right click on the window opens its menu again.
takes_clicks() {
    click_at $((x + w - 15)) $((y + h / 2)) 3
    popup_menu "a right click on the window after the box closed ($1)" >/dev/null
    close_menu
}

open_about
wait_until --or-false 3 "the box on top" kept_on_top "$ABOUT" || fail "the box is not kept on top"
wait_until --or-false 3 "the box above the window" stacked_above "$ABOUT" "$WIN" ||
    fail "the box stands below the window: $(xprop -root _NET_CLIENT_LIST_STACKING)"
read -r ax ay aw ah < <(geometry_of "$ABOUT")
{ [ "$ah" -lt 600 ] && [ "$aw" -gt 200 ]; } || fail "About box of $aw x $ah"
import -window root "$SHOTS/e2e_about_light.png"
pass "About from the pop-up menu opens the box above the always-on-top window"

refuses_clicks
pass "the window refuses a click while the box is open"

# A second About, from the tray, brings the open box forward instead of another one.
read -r ix iy iw ih < <(geometry_of "$TRAY_ICON")
menu_command $((ix + iw / 2)) $((iy + ih / 2)) 3
one_box() { [ "$(windows_named About | wc -l)" -eq 1 ]; }
stays 0.5 one_box || fail "a second About opened a second box"
pass "About from the tray while the box is open shows the same box"

# The Close button: centred at the foot of the box.
read -r ax ay aw ah < <(geometry_of "$ABOUT")
click_at $((ax + aw / 2)) $((ay + ah - 19)) 1
wait_window_gone "$ABOUT" "the Close button to close the box"
takes_clicks "Close button"
pass "the Close button closes the box and gives the window back"

# The window's own close control, through the window manager.
open_about
refuses_clicks
xdotool windowactivate --sync "$ABOUT" key --clearmodifiers alt+F4
wait_window_gone "$ABOUT" "the window manager to close the box"
takes_clicks "close box"
pass "closing the box through the window manager gives the window back"
grep -q "AboutBoxDialog: dialogCleanUp: " "$WORK/app.log" || fail "no clean-up trace line"

exit_by_menu $((x + w - 15)) $((y + h / 2)) "after About"

# Dark mode: the box has the dark menu colour, the texts and links light.
write_store "TimeZones=Asia/Tokyo;Europe/Paris;Africa/Juba;America/Lima;Asia/Kolkata" "VerticalLayout=false" \
    "MainWindowPosX=60" "MainWindowPosY=300" "DarkMode=true"
start_app
open_about
wait_until --or-false 3 "dark box" pixel_is "$ABOUT" 3 3 "srgb(25,25,112)" ||
    fail "dark About box background is $(pixel_at "$WORK/pixel.png" 3 3)"
import -window root "$SHOTS/e2e_about_dark.png"
pass "in dark mode the box has the dark menu colour"
xdotool windowactivate --sync "$ABOUT" key --clearmodifiers alt+F4
wait_window_gone "$ABOUT" "the window manager to close the dark box"
takes_clicks "dark mode"
exit_by_menu $((x + w - 15)) $((y + h / 2)) "dark mode"
echo "1..6 all passed"
