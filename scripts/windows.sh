#!/usr/bin/env bash
# The Windows build, cross-compiled on Linux with mingw-w64
# (cmake/mingw-w64-x86_64.cmake): the plain code and kelvor-cli, linked
# statically so that the .exe runs on a bare Windows. No Qt, so no editor.
#   scripts/windows.sh cli    kelvor-cli.exe, optimised: build/windows/cli/kelvor-cli.exe
#   scripts/windows.sh test   the plain code, its tests and kelvor-cli.exe in
#                             build/mingw, tested under wine in a prefix made
#                             anew (no display needed), and compared with the
#                             Linux build of ./test (build/debug)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
jobs=$(nproc)
toolchain=(-G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake -DKELVOR_TABLE_ONLY=ON)

case "${1:-}" in
  cli)
    scripts/setup.sh windows
    cmake -S . -B build/windows "${toolchain[@]}" -DCMAKE_BUILD_TYPE=Release -DKELVOR_TESTS=OFF >/dev/null
    cmake --build build/windows -j "$jobs" --target kelvor-cli
    echo "Built build/windows/cli/kelvor-cli.exe"
    ;;
  test)
    # No build type: no optimisation and no debug information, which
    # nothing reads under wine; the build takes half the time.
    cmake -S . -B build/mingw "${toolchain[@]}" -DCMAKE_BUILD_TYPE= -DKELVOR_TESTS=ON \
      -DKELVOR_LINUX_BUILD="$root/build/debug" >/dev/null
    cmake --build build/mingw -j "$jobs"
    # A prefix of its own, made anew; no window, no downloads of wine's
    # .NET and HTML parts, none of wine's own notes.
    export WINEPREFIX="$root/build/mingw/wine" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
    unset DISPLAY
    rm -rf "$WINEPREFIX"
    "$(sed -n 's/^KELVOR_WINE:FILEPATH=//p' build/mingw/CMakeCache.txt)" wineboot -i >/dev/null 2>&1
    (cd build/mingw && ctest --output-on-failure -j "$jobs")
    ;;
  *)
    echo "usage: $0 cli|test" >&2
    exit 2
    ;;
esac
