#!/usr/bin/env bash
# Builds everything and starts the program: varuno.exe under Wine, on the
# display if there is one. Without a display it runs on a virtual one, takes a
# screenshot (build/screenshots/run.png) and closes again.
# Arguments, if any, go to the command-line converter instead:
#   bash scripts/run.sh convert 寸法 mm m 12
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
need_packages "${BUILD_PACKAGES[@]}" "${RUN_PACKAGES[@]}"

echo "== native build"
configure_and_build "$VARUNO_BUILD/native" -DVARUNO_BENCH=ON
if [ $# -gt 0 ]; then
    exec "$VARUNO_BUILD/native/bin/varunoc" "$@"
fi
echo "== Windows build (MinGW-w64, x86_64)"
configure_and_build "$VARUNO_BUILD/win64" -DCMAKE_TOOLCHAIN_FILE="$VARUNO_ROOT/cmake/mingw-x86_64.cmake" \
    -DCMAKE_CROSSCOMPILING_EMULATOR="$VARUNO_ROOT/scripts/wine-run.sh"
wine_prefix "$VARUNO_BUILD/win64/wineprefix"

program="$VARUNO_BUILD/win64/bin/varuno.exe"
if [ -n "${DISPLAY:-}" ]; then
    echo "== starting $program"
    exec wine "$program"
fi
echo "== no display: starting $program on a virtual one"
mkdir -p "$VARUNO_BUILD/screenshots"
xvfb-run -a -s "-screen 0 1280x800x24" bash -c "
    wine '$program' &
    sleep 8
    import -window root -crop 700x400+0+0 '$VARUNO_BUILD/screenshots/run.png'
    wineserver -k"
echo "== screenshot: $VARUNO_BUILD/screenshots/run.png"
