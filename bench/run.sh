#!/usr/bin/env bash
# Builds the program and the yardstick window, then measures both side by side on a display of
# their own.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/deps.sh
hrl_install_packages "${HRL_BUILD_PACKAGES[@]}" xvfb xauth trayer x11-utils xdotool strace python3-xlib
cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DHRL_BUILD_TESTS=OFF >/dev/null
cmake --build build-bench --target horalia bench_minimal bench_resetview bench_timezonedialog bench_tick bench_dialogmemory bench_placeindex
source tools/display.sh
xvfb=
tray=
homes=$(mktemp -d)
trap 'kill $tray $xvfb 2>/dev/null; rm -rf "$homes"' EXIT
hrl_start_xvfb
xvfb=$HRL_XVFB_PID
# A tray, as on a user's desktop: without one the program shows its "no tray" error box.
hrl_start_tray
tray=$HRL_TRAY_PID
/usr/bin/python3 bench/measure.py build-bench/src/app/horalia build-bench/bench/bench_minimal
# The program's own trace lines are not figures.
figures() { grep -v -e '^[0-9]\{4\}/[0-9][0-9]/[0-9][0-9] ' -e '^SystemTray is not supported$' || true; }
HOME=$(mktemp -d -p "$homes") build-bench/bench/bench_resetview | figures
HOME=$(mktemp -d -p "$homes") build-bench/bench/bench_timezonedialog | figures
HOME=$(mktemp -d -p "$homes") build-bench/bench/bench_tick | figures
HOME=$(mktemp -d -p "$homes") build-bench/bench/bench_dialogmemory | figures
LANG=en_US.UTF-8 build-bench/bench/bench_placeindex | figures
