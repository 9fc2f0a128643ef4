#!/usr/bin/env bash
# Measures how long varuno.exe takes from process start to a shown window
# that accepts input, under Wine on a virtual display, against a minimal
# Win32 dialog program built the same way. Prints both medians and the ratio.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
need_packages "${BUILD_PACKAGES[@]}" "${RUN_PACKAGES[@]}"
BUILD_TARGETS="varuno minimal_dialog startup_bench" configure_and_build "$VARUNO_BUILD/win64" \
    -DCMAKE_TOOLCHAIN_FILE="$VARUNO_ROOT/cmake/mingw-x86_64.cmake" \
    -DCMAKE_CROSSCOMPILING_EMULATOR="$VARUNO_ROOT/scripts/wine-run.sh"
wine_prefix "$VARUNO_BUILD/win64/wineprefix"
bin="$VARUNO_BUILD/win64/bin"
# The guide must not start with the program during the measurement.
printf '[type1]\r\nexp=1\r\n' > "$bin/corvid_varuno.ini"
cd "$bin"
xvfb-run -a -s "-screen 0 1280x800x24" bash -c "wine startup_bench.exe varuno.exe minimal_dialog.exe ${1:-9}; wineserver -k"
