#!/usr/bin/env bash
# Runs one Windows program of the build under Wine in the test prefix, on the
# test display; the program's exit code comes through. ctest uses it for every
# Wine test.
set -u
source "$(dirname "$0")/wine-env.sh"
source "$(dirname "$0")/xvfb.sh"
korvane_ensure_xvfb
korvane_ensure_prefix
korvane_ensure_server
exec timeout "${KORVANE_WINE_TIMEOUT:-280}" "$WINE" "$@" </dev/null
