#!/usr/bin/env bash
# Builds the program and the yardstick window, then measures both side by side on a display of
# their own.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/deps.sh
hrl_install_packages "${HRL_BUILD_PACKAGES[@]}" xvfb xauth trayer strace python3-xlib
cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DHRL_BUILD_TESTS=OFF >/dev/null
cmake --build build-bench --target horalia bench_minimal bench_resetview bench_timezonedialog bench_tick bench_dialogmemory bench_placeindex
for n in $(seq 90 99); do
    [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] || break
done
Xvfb ":$n" -screen 0 1280x800x24 -nolisten tcp -br >/dev/null 2>&1 &
xvfb=$!
tray=
homes=$(mktemp -d)
trap 'kill $tray $xvfb 2>/dev/null; rm -rf "$homes"' EXIT
sleep 1
export DISPLAY=":$n"
# A tray, as on a user's desktop: without one the program shows its "no tray" error box.
trayer --edge top --align right --widthtype request --height 24 >/dev/null 2>&1 &
tray=$!
sleep 0.5
/usr/bin/python3 bench/measure.py build-bench/src/app/horalia build-bench/bench/bench_minimal
# The program's own trace lines are not figures.
figures() { grep -v -e '^[0-9]\{4\}/[0-9][0-9]/[0-9][0-9] ' -e '^SystemTray is not supported$' || true; }
HOME=$(mktemp -d -p "$homes") build-bench/bench/bench_resetview | figures
HOME=$(mktemp -d -p "$homes") build-bench/bench/bench_timezonedialog | figures
HOME=$(mktemp -d -p "$homes") build-bench/bench/bench_tick | figures
HOME=$(mktemp -d -p "$homes") build-bench/bench/bench_dialogmemory | figures
LANG=en_US.UTF-8 build-bench/bench/bench_placeindex | figures
