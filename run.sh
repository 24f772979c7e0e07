#!/usr/bin/env bash
# Installs what is missing, builds and starts Horalia. Without a display it starts one
# under Xvfb, runs the widget for a few seconds and saves a screenshot as shot.png.
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

display=":$((90 + RANDOM % 9))"
Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp -br &
xvfb=$!
trap 'kill $app $wm $xvfb 2>/dev/null || true' EXIT
sleep 1
DISPLAY="$display" openbox --sm-disable >/dev/null 2>&1 &
wm=$!
sleep 0.5
DISPLAY="$display" ./build-release/src/app/horalia &
app=$!
sleep "${HRL_RUN_SECONDS:-4}"
DISPLAY="$display" import -window root shot.png
echo "Screenshot saved: $(pwd)/shot.png"
