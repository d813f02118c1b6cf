#!/usr/bin/env bash
# A long soak of random use by hand: the test command's walk over the real
# korvane.exe, with as many actions as asked, in a Wine prefix of its own
# (build/wine-soak), so that it can run beside the test command.
#   scripts/soak.sh -n 100000 -s 15015
# Needs one full scripts/test.sh run first (the exe and its probe).
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
BUILD="${KORVANE_BUILD:-$ROOT/build}"
actions=100000
seed=$RANDOM
while getopts "n:s:" opt; do
    case $opt in
    n) actions=$OPTARG ;;
    s) seed=$OPTARG ;;
    *) echo "usage: $0 [-n actions] [-s seed]" >&2; exit 2 ;;
    esac
done
[ -f "$BUILD/win/tests/korvane_probe.exe" ] || "$ROOT/scripts/build.sh" win
echo "soak: $actions actions, seed $seed"
KORVANE_SOAK_ACTIONS=$actions KORVANE_SOAK_SEED=$seed KORVANE_SOAK_PREFIX="$BUILD/wine-soak" \
    KORVANE_EXE="$BUILD/win/korvane.exe" KORVANE_SOURCE_DIR="$ROOT" KORVANE_BUILD_DIR="$BUILD" \
    PYTHONPATH="$ROOT/tests/support" PYTHONDONTWRITEBYTECODE=1 \
    exec /usr/bin/python3 "$ROOT/tests/e2e/soak_e2e.py"
