# Shared by the end-to-end tests: a display of their own with a window manager,
# a throwaway HOME (so the preferences store is a temporary one) and helpers.
set -euo pipefail

HRL_BIN=${HRL_BIN:?path of the horalia binary}
WORK=$(mktemp -d)
export HOME="$WORK/home" XDG_CONFIG_HOME="$WORK/home/.config" XDG_RUNTIME_DIR="$WORK/run"
mkdir -p "$HOME" "$XDG_CONFIG_HOME/Quillmark" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
export LANG=en_US.UTF-8 LC_ALL= LANGUAGE= TZ=${TZ:-America/New_York}
unset QT_QPA_PLATFORM
STORE="$XDG_CONFIG_HOME/Quillmark/Horalia.ini"
PIDS=()

fail() { echo "FAIL: $*" >&2; exit 1; }
pass() { echo "ok - $*"; }

cleanup() {
    for pid in "${PIDS[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$WORK"
}
trap cleanup EXIT

start_display() {
    local n
    for n in $(seq 40 79); do
        [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
        Xvfb ":$n" -screen 0 1280x800x24 -nolisten tcp -br >/dev/null 2>&1 &
        PIDS+=($!)
        export DISPLAY=":$n"
        for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
        xdpyinfo >/dev/null 2>&1 && break
    done
    xdpyinfo >/dev/null 2>&1 || fail "no X server"
    openbox --sm-disable >/dev/null 2>&1 &
    PIDS+=($!)
    sleep 0.5
}

start_tray() {
    trayer --edge top --align right --widthtype request --height 24 >/dev/null 2>&1 &
    PIDS+=($!)
    sleep 0.5
}

# write_store "key=value" ... : the preferences the program finds at start.
write_store() {
    {
        echo "[com]"
        # Quoted, as QSettings writes them: a bare ";" would start a comment.
        for kv in "$@"; do echo "quillmark\\hrl\\HRL\\${kv%%=*}=\"${kv#*=}\""; done
    } >"$STORE"
}

store_value() {
    sed -n "s/^quillmark\\\\hrl\\\\HRL\\\\$1=//p" "$STORE" | tr -d '\r"'
}

start_app() {
    "$HRL_BIN" >"$WORK/app.log" 2>&1 &
    APP=$!
    PIDS+=($APP)
    for _ in $(seq 100); do
        WIN=$(xdotool search --sync --onlyvisible --pid "$APP" 2>/dev/null | head -1 || true)
        [ -n "$WIN" ] && break
        sleep 0.1
    done
    [ -n "${WIN:-}" ] || { cat "$WORK/app.log"; fail "the window never mapped"; }
    sleep 0.5
}

window_geometry() {  # prints "x y w h" of the window's outer frame on the root window
    xwininfo -id "$WIN" | awk '/Absolute upper-left X/{x=$4} /Absolute upper-left Y/{y=$4} /Width:/{w=$2} /Height:/{h=$2} END{print x, y, w, h}'
}

window_shot() {  # window_shot file : the window's pixels
    import -window root -crop "$(window_geometry | awk '{print $3 "x" $4 "+" $1 "+" $2}')" "$1"
}
