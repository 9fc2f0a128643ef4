#!/usr/bin/env bash
# Measures how long varuno.exe takes from process start to a shown window
# that accepts input, under Wine on a virtual display, against a minimal
# Win32 dialog program built the same way, both stripped as the zip ships
# them (debug information makes the image larger to load), on all
# processors and then on one. Prints both medians, the ratio, the peak
# working sets, and the median time of each of varuno's start-up steps (the
# program times them when VARUNO_STARTUP_LOG names a file).
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
# Twice: as the machine schedules the processes, then with Wine, the programs
# and the X server confined to one processor. Making and painting windows is
# mostly requests to the Wine server; on a virtual machine whose idle
# processors sleep, each request that wakes the server on the other processor
# can cost ten times what it costs on one, and then the count of requests
# decides the ratio more than the programs' own work does.
rm -f startup-steps*.log
echo "== all processors"
VARUNO_STARTUP_LOG=startup-steps.log xvfb-run -a -s "-screen 0 1280x800x24" \
    bash -c "wine startup_bench.exe varuno.exe minimal_dialog.exe ${1:-9}; wineserver -k"
echo "== one processor (taskset -c 0)"
VARUNO_STARTUP_LOG=startup-steps-one.log taskset -c 0 xvfb-run -a -s "-screen 0 1280x800x24" \
    bash -c "wine startup_bench.exe varuno.exe minimal_dialog.exe ${1:-9}; wineserver -k"
echo "varuno.exe start-up steps, median ms (all processors, one processor):"
python3 - startup-steps.log startup-steps-one.log <<'PY'
import statistics, sys
runs = []
for path in sys.argv[1:]:
    steps = {}
    for line in open(path):
        name, ms = line.rstrip("\n").split("\t")
        steps.setdefault(name, []).append(float(ms))
    runs.append({name: statistics.median(values) for name, values in steps.items()})
for name in runs[0]:
    print(f"  {name:<55}" + "".join(f" {run.get(name, float('nan')):8.2f}" for run in runs))
print(f"  {'sum':<55}" + "".join(f" {sum(run.values()):8.2f}" for run in runs))
PY
