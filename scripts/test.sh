#!/usr/bin/env bash
# Builds everything and runs every test layer: native unit tests (ASan+UBSan),
# Wine tests, end-to-end tests on a virtual display, and a short fuzz run.
# Extra arguments go to ctest, e.g.  scripts/test.sh -L native
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
"$ROOT/scripts/setup.sh"
"$ROOT/scripts/build.sh" win fuzz native

source "$ROOT/scripts/wine-env.sh"
source "$ROOT/scripts/xvfb.sh"
cleanup() {
    korvane_stop_server
    korvane_stop_xvfb
}
trap cleanup EXIT
korvane_ensure_xvfb
korvane_ensure_prefix
korvane_ensure_server

echo "== test"
ctest --test-dir "${KORVANE_BUILD:-$ROOT/build}/native" --output-on-failure -j "${KORVANE_JOBS:-$(nproc)}" "$@"
