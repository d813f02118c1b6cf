# Sourced by the other scripts: a private, quiet Wine prefix inside the build
# folder, so that Korvane never touches the user's own Wine registry.
#   KORVANE_PREFIX_NAME  wine-test (default) or wine-run
KORVANE_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
KORVANE_BUILD="${KORVANE_BUILD:-$KORVANE_ROOT/build}"
export WINEPREFIX="${WINEPREFIX:-$KORVANE_BUILD/${KORVANE_PREFIX_NAME:-wine-test}}"
export WINEARCH=win64
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
WINE=/usr/lib/wine/wine64
WINESERVER=/usr/lib/wine/wineserver64
[ -x "$WINESERVER" ] || WINESERVER=/usr/lib/wine/wineserver

# Creates the prefix once: boot it, then silence audio, stop the 2-second
# unmanaged-window waits on a display without a window manager, and map the
# core fonts to the Liberation families so serif and sans stay apart.
korvane_ensure_prefix() {
    mkdir -p "$KORVANE_BUILD"
    (
        flock -o 9
        if [ ! -f "$WINEPREFIX/.korvane-ready" ]; then
            mkdir -p "$WINEPREFIX"
            timeout 300 "$WINE" wineboot --init </dev/null >/dev/null 2>&1 9>&- || true
            local reg="$WINEPREFIX/korvane-setup.reg"
            printf '%s\r\n' 'REGEDIT4' '' \
                '[HKEY_CURRENT_USER\Software\Wine\Drivers]' '"Audio"=""' '' \
                '[HKEY_CURRENT_USER\Software\Wine\X11 Driver]' '"Managed"="N"' '"Decorated"="N"' '' \
                '[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]' \
                '"Arial"="Liberation Sans"' '"Times New Roman"="Liberation Serif"' \
                '"Times"="Liberation Serif"' '"Courier New"="Liberation Mono"' '' >"$reg"
            timeout 120 "$WINE" regedit /S "$(winepath_of "$reg")" </dev/null >/dev/null 2>&1 9>&-
            timeout 60 "$WINESERVER" -w </dev/null >/dev/null 2>&1 || true
            touch "$WINEPREFIX/.korvane-ready"
        fi
    ) 9>"$KORVANE_BUILD/.$(basename "$WINEPREFIX").lock"
}

winepath_of() { printf 'Z:%s' "$(echo "$1" | sed 's#/#\\#g')"; }

# Starts the server detached, so that ctest's output pipes are not inherited by
# wineserver, services.exe or explorer.exe (ctest would wait for them), and
# persistent, so that no test starts while an idle server is exiting;
# scripts/test.sh stops it at the end of the run.
korvane_ensure_server() {
    (
        flock -o 9
        setsid "$WINESERVER" -p </dev/null >/dev/null 2>&1 9>&- || true
        timeout 60 "$WINE" cmd.exe /c exit </dev/null >/dev/null 2>&1 9>&- || true
    ) 9>"$KORVANE_BUILD/.$(basename "$WINEPREFIX").server.lock"
}

korvane_stop_server() {
    "$WINESERVER" -k </dev/null >/dev/null 2>&1 || true
}
