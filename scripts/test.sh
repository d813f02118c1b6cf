#!/usr/bin/env bash
# Builds everything and runs every test layer: native unit tests (ASan+UBSan),
# Wine tests, end-to-end tests on a virtual display, a short fuzz run, and the
# package tests (the packages of dist/ installed, started and removed; the
# Debian one is installed system-wide for a moment, so run the whole command
# in the machine's heavy lock when others share it).
# Extra arguments go to ctest, e.g.  scripts/test.sh -L native
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
"$ROOT/scripts/setup.sh"
"$ROOT/scripts/build.sh" win fuzz native
# The setup, the zip and the Debian package, for the package tests.
"$ROOT/scripts/package.sh"

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
