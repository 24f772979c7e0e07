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
    [ -n "$ABOUT" ] || { cat "$WORK/app.log"; fail "no About box after About in the pop-up menu"; }
    sleep 0.3
}

# uncovered_point : a point of the main window outside the box, as "x y".
uncovered_point() {
    local ax ay aw ah
    read -r ax ay aw ah < <(geometry_of "$ABOUT")
    if [ $((x + w - 10)) -gt $((ax + aw + 10)) ]; then echo "$((x + w - 10)) $((y + h / 2))"
    elif [ $((x + 10)) -lt $((ax - 10)) ]; then echo "$((x + 10)) $((y + h / 2))"
    else fail "the box covers the whole window ($(geometry_of "$ABOUT") over $x $y $w $h)"; fi
}

# refuses_clicks : a right click on the uncovered part of the window opens no menu.
refuses_clicks() {
    local px py
    read -r px py < <(uncovered_point)
    xdotool mousemove "$px" "$py" click 3
    # A menu maps well within a second here; waiting the helpers' full 3 s for none is slow.
    sleep 1
    [ -z "$(popup_menu_now)" ] || { close_menu; fail "the window opened its menu while the box was open"; }
}

# takes_clicks : a right click on the window opens its menu again.
takes_clicks() {
    sleep 0.5
    xdotool mousemove $((x + w - 15)) $((y + h / 2)) click 3
    [ -n "$(popup_menu)" ] || fail "the window takes no clicks after the box closed ($1)"
    close_menu
}

open_about
props=$(xprop -id "$ABOUT")
echo "$props" | grep '_NET_WM_STATE(ATOM)' | grep -q '_NET_WM_STATE_ABOVE' || fail "the box is not kept on top"
stacked_above "$ABOUT" "$WIN" || fail "the box stands below the window: $(xprop -root _NET_CLIENT_LIST_STACKING)"
read -r ax ay aw ah < <(geometry_of "$ABOUT")
[ "$ah" -lt 600 ] && [ "$aw" -gt 200 ] || fail "About box of $aw x $ah"
import -window root "$SHOTS/e2e_about_light.png"
pass "About from the pop-up menu opens the box above the always-on-top window"

refuses_clicks
pass "the window refuses a click while the box is open"

# A second About, from the tray, brings the open box forward instead of another one.
read -r ix iy iw ih < <(geometry_of "$(tray_icon)")
menu_command $((ix + iw / 2)) $((iy + ih / 2)) 3
sleep 0.5
[ "$(windows_named About | wc -l)" -eq 1 ] || fail "a second About opened a second box"
pass "About from the tray while the box is open shows the same box"

# The Close button: centred at the foot of the box.
read -r ax ay aw ah < <(geometry_of "$ABOUT")
xdotool mousemove $((ax + aw / 2)) $((ay + ah - 19)) click 1
wait_window_gone "$ABOUT" || fail "the Close button did not close the box"
takes_clicks "Close button"
pass "the Close button closes the box and gives the window back"

# The window's own close control, through the window manager.
open_about
refuses_clicks
xdotool windowactivate --sync "$ABOUT" key --clearmodifiers alt+F4
wait_window_gone "$ABOUT" || fail "closing through the window manager left the box open"
takes_clicks "close box"
pass "closing the box through the window manager gives the window back"
grep -q "AboutBoxDialog: dialogCleanUp: " "$WORK/app.log" || fail "no clean-up trace line"

exit_by_menu $((x + w - 15)) $((y + h / 2)) "after About"

# Dark mode: the box has the dark menu colour, the texts and links light.
write_store "TimeZones=Asia/Tokyo;Europe/Paris;Africa/Juba;America/Lima;Asia/Kolkata" "VerticalLayout=false" \
    "MainWindowPosX=60" "MainWindowPosY=300" "DarkMode=true"
start_app
open_about
shot_of "$ABOUT" "$WORK/dark.png"
import -window root "$SHOTS/e2e_about_dark.png"
colour=$(convert "$WORK/dark.png" -format '%[pixel:p{3,3}]' info:)
[ "$colour" = "srgb(25,25,112)" ] || fail "dark About box background is $colour"
pass "in dark mode the box has the dark menu colour"
xdotool windowactivate --sync "$ABOUT" key --clearmodifiers alt+F4
wait_window_gone "$ABOUT" || fail "the dark box did not close"
takes_clicks "dark mode"
exit_by_menu $((x + w - 15)) $((y + h / 2)) "dark mode"
echo "1..6 all passed"
