#!/usr/bin/env bash
# Builds the Debian package (cpack -G DEB), installs it with apt-get as a user would, and starts
# the installed program under Xvfb with a window manager and a throwaway HOME: it must map its
# window and end cleanly on SIGTERM. The package stays installed only if it was installed before.
# Not part of ./test.sh: it changes the machine's installed packages. Run as root (or with sudo).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
source tools/deps.sh
hrl_install_packages "${HRL_BUILD_PACKAGES[@]}" "${HRL_DISPLAY_PACKAGES[@]}" "${HRL_PACKAGE_PACKAGES[@]}"

build="$root/build-package"
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DHRL_BUILD_TESTS=OFF "${launcher[@]}" >/dev/null
cmake --build "$build" --target horalia -j "$(nproc)"
rm -f "$build"/horalia_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls "$build"/horalia_*.deb)
echo "Built $(basename "$deb") ($(du -k "$deb" | cut -f1) kB)"
echo "Depends: $(dpkg-deb -f "$deb" Depends)"
dpkg-deb -f "$deb" Depends | grep -qw tzdata || { echo "FAIL: tzdata is not a dependency" >&2; exit 1; }
dpkg-deb -f "$deb" Depends | grep -q 'libqt6widgets6' || { echo "FAIL: no Qt dependency: shlibdeps did not run" >&2; exit 1; }

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
installed_before=no
dpkg-query -W -f='${Status}' horalia 2>/dev/null | grep -q "install ok installed" && installed_before=yes
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "$deb" >/dev/null
remove_package() {
    [ "$installed_before" = yes ] || DEBIAN_FRONTEND=noninteractive $sudo apt-get remove -y -qq horalia >/dev/null
}
trap remove_package EXIT

[ "$(command -v horalia)" = /usr/bin/horalia ] || { echo "FAIL: horalia is not /usr/bin/horalia" >&2; exit 1; }
missing=$(ldd /usr/bin/horalia | grep 'not found' || true)
[ -z "$missing" ] || { echo "FAIL: libraries not found: $missing" >&2; exit 1; }
[ -f /usr/share/applications/com.quillmark.Horalia.desktop ] || { echo "FAIL: no desktop entry in /usr/share/applications" >&2; exit 1; }

# The end-to-end helpers start the display, the window manager and the program for us.
(
    export HRL_BIN=/usr/bin/horalia
    source "$root/tests/e2e/lib.sh"
    start_display
    start_tray
    start_app
    read -r x y w h < <(window_geometry)
    echo "ok - the installed program maps its window: ${w}x${h} at ($x, $y)"
    import -window root "$build/package-shot.png"
    kill -TERM "$APP"
    wait_app_exit
    [ "$STATUS" -eq 0 ] || fail "SIGTERM ended the installed program with status $STATUS"
    [ -n "$(store_value MainWindowPosX)" ] || fail "no position stored at the end"
    echo "ok - it ends on SIGTERM with status 0 and its position stored"
)
echo "Screenshot: $build/package-shot.png"
