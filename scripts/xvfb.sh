# Sourced: a virtual X display for tests, shared by every test of one run.
KORVANE_TEST_DISPLAY="${KORVANE_TEST_DISPLAY:-:87}"

korvane_ensure_xvfb() {
    local n="${KORVANE_TEST_DISPLAY#:}"
    mkdir -p "$KORVANE_BUILD"
    (
        flock -o 9
        if ! xdpyinfo -display "$KORVANE_TEST_DISPLAY" >/dev/null 2>&1; then
            rm -f "/tmp/.X${n}-lock" "/tmp/.X11-unix/X${n}"
            setsid Xvfb "$KORVANE_TEST_DISPLAY" -screen 0 1280x1024x24 -nolisten tcp \
                </dev/null >/dev/null 2>&1 9>&- &
            echo $! >"$KORVANE_BUILD/.xvfb.pid"
            for _ in $(seq 100); do
                xdpyinfo -display "$KORVANE_TEST_DISPLAY" >/dev/null 2>&1 && break
                sleep 0.1
            done
        fi
    ) 9>"$KORVANE_BUILD/.xvfb.lock"
    export DISPLAY="$KORVANE_TEST_DISPLAY"
}

korvane_stop_xvfb() {
    local pidfile="$KORVANE_BUILD/.xvfb.pid"
    if [ -f "$pidfile" ]; then
        kill "$(cat "$pidfile")" 2>/dev/null || true
        rm -f "$pidfile"
    fi
}
