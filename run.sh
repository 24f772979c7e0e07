#!/usr/bin/env bash
# Installs what is missing, builds and starts Horalia. Without a display it starts one under
# Xvfb with a window manager and a tray, runs the widget for a few seconds once its window and
# tray icon show, and saves a screenshot as shot.png.
set -euo pipefail
cd "$(dirname "$0")"
source tools/deps.sh

packages=("${HRL_BUILD_PACKAGES[@]}")
[ -z "${DISPLAY:-}" ] && packages+=("${HRL_DISPLAY_PACKAGES[@]}")
hrl_install_packages "${packages[@]}"

cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DHRL_BUILD_TESTS=OFF >/dev/null
cmake --build build-release --target horalia

if [ -n "${DISPLAY:-}" ]; then
    exec ./build-release/src/app/horalia
fi

source tools/display.sh
pids=()
trap 'kill "${pids[@]}" 2>/dev/null || true' EXIT
hrl_start_xvfb
pids+=("$HRL_XVFB_PID")
hrl_start_wm
pids+=("$HRL_WM_PID")
# A tray, as on a user's desktop: without one the program shows its "no tray" error box.
hrl_start_tray
pids+=("$HRL_TRAY_PID")
./build-release/src/app/horalia &
app=$!
pids+=("$app")
window_mapped() { [ -n "$(xdotool search --onlyvisible --pid "$app" 2>/dev/null)" ]; }
icon_docked() { [ -n "$(hrl_tray_icon "$app")" ]; }
hrl_wait_ready "$app" 60 window_mapped || { echo "The window did not map." >&2; exit 1; }
hrl_wait_ready "$app" 60 icon_docked || echo "The tray icon did not dock." >&2
sleep "${HRL_RUN_SECONDS:-4}"
import -window root shot.png
echo "Screenshot saved: $(pwd)/shot.png"
