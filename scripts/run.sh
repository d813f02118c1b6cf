#!/usr/bin/env bash
# Builds Korvane and starts it under Wine on your X display.
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
"$ROOT/scripts/setup.sh"

if [ -z "${DISPLAY:-}" ] || ! xdpyinfo >/dev/null 2>&1; then
    cat >&2 <<'MSG'
Korvane needs an X display to show its window, and none is reachable
(DISPLAY is unset or the server does not answer).

Run it from a desktop session, or start a virtual display and look at it
through a VNC viewer or screenshots, for example:
    Xvfb :1 -screen 0 1280x1024x24 &
    DISPLAY=:1 scripts/run.sh
    DISPLAY=:1 import -window root shot.png
MSG
    exit 1
fi

"$ROOT/scripts/build.sh" app
export KORVANE_PREFIX_NAME=wine-run
source "$ROOT/scripts/wine-env.sh"
korvane_ensure_prefix
exec "$WINE" "$KORVANE_BUILD/win/korvane.exe"
