#!/usr/bin/env bash
# Measures how long varuno.exe takes from process start to a shown window
# that accepts input, under Wine on a virtual display, against a minimal
# Win32 dialog program built the same way, both stripped as the zip ships
# them (debug information makes the image larger to load). Prints both medians, the ratio,
# the peak working sets, and the median time of each of varuno's start-up
# steps (the program times them when VARUNO_STARTUP_LOG names a file).
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
need_packages "${BUILD_PACKAGES[@]}" "${RUN_PACKAGES[@]}"
BUILD_TARGETS="varuno minimal_dialog startup_bench" configure_and_build "$VARUNO_BUILD/win64" \
    -DCMAKE_TOOLCHAIN_FILE="$VARUNO_ROOT/cmake/mingw-x86_64.cmake" \
    -DCMAKE_CROSSCOMPILING_EMULATOR="$VARUNO_ROOT/scripts/wine-run.sh"
wine_prefix "$VARUNO_BUILD/win64/wineprefix"
bin="$VARUNO_BUILD/win64/bench-startup"
rm -rf "$bin"
mkdir -p "$bin"
cp "$VARUNO_BUILD"/win64/bin/{varuno,minimal_dialog,startup_bench}.exe "$VARUNO_BUILD"/win64/bin/*.dll "$bin"
x86_64-w64-mingw32-strip --strip-unneeded "$bin"/varuno.exe "$bin"/minimal_dialog.exe "$bin"/*.dll
# The guide must not start with the program during the measurement.
printf '[type1]\r\nexp=1\r\n' > "$bin/corvid_varuno.ini"
cd "$bin"
rm -f startup-steps.log
VARUNO_STARTUP_LOG=startup-steps.log xvfb-run -a -s "-screen 0 1280x800x24" \
    bash -c "wine startup_bench.exe varuno.exe minimal_dialog.exe ${1:-9}; wineserver -k"
echo "varuno.exe start-up steps, median ms:"
python3 - startup-steps.log <<'PY'
import statistics, sys
steps = {}
for line in open(sys.argv[1]):
    name, ms = line.rstrip("\n").split("\t")
    steps.setdefault(name, []).append(float(ms))
for name, values in steps.items():
    print(f"  {name:<55} {statistics.median(values):8.2f}")
print(f"  {'sum':<55} {sum(statistics.median(v) for v in steps.values()):8.2f}")
PY
