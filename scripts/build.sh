#!/usr/bin/env bash
# Builds the trees that the given targets need: win (korvane.exe and the Wine
# tests), app (korvane.exe alone), fuzz (libFuzzer targets), native (portable
# core and its tests, and the registration of every test layer). With no
# argument: win, fuzz and native.
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
BUILD="${KORVANE_BUILD:-$ROOT/build}"
JOBS="${KORVANE_JOBS:-$(nproc)}"

configure_win() {
    cmake -S "$ROOT" -B "$BUILD/win" -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-w64.cmake" >/dev/null
}
build_win() {
    configure_win
    cmake --build "$BUILD/win" -j "$JOBS"
}
build_app() { # korvane.exe alone
    configure_win
    cmake --build "$BUILD/win" -j "$JOBS" --target korvane
}
build_fuzz() {
    CXX=clang++ CC=clang cmake -S "$ROOT" -B "$BUILD/fuzz" -DKORVANE_FUZZ=ON >/dev/null
    cmake --build "$BUILD/fuzz" -j "$JOBS"
}
build_native() {
    cmake -S "$ROOT" -B "$BUILD/native" -DCMAKE_BUILD_TYPE=Debug >/dev/null
    cmake --build "$BUILD/native" -j "$JOBS"
}

targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(win fuzz native)
for t in "${targets[@]}"; do
    echo "== build $t"
    "build_$t"
done
