#!/usr/bin/env bash
# Builds everything and runs every test: the native tests, the same tests
# under AddressSanitizer and UBSan, bounded fuzz runs, and the Windows builds
# of the tests under Wine. Ends with the count of all tests run.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
need_packages "${BUILD_PACKAGES[@]}" "${RUN_PACKAGES[@]}" "${TEST_PACKAGES[@]}"

summary=()
run_ctest() {  # run_ctest NAME DIR [ctest args...]
    local name=$1 dir=$2
    shift 2
    echo "== $name: tests"
    local log="$dir/ctest.log" status=0
    (cd "$dir" && eval "${VARUNO_CTEST_PREFIX:-}" ctest --output-on-failure -j "$JOBS" '"$@"') 2>&1 | tee "$log" || status=$?
    summary+=("$name: $(grep -E 'tests passed, [0-9]+ tests failed out of' "$log" || echo 'no summary')")
    if [ $status -ne 0 ] || ! grep -q '100% tests passed' "$log"; then
        printf '%s\n' "${summary[@]}"
        exit 1
    fi
}

echo "== native build"
configure_and_build "$VARUNO_BUILD/native" -DVARUNO_BENCH=ON
run_ctest native "$VARUNO_BUILD/native"

echo "== native build with AddressSanitizer and UBSan"
configure_and_build "$VARUNO_BUILD/asan" -DVARUNO_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug
export ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1
run_ctest asan "$VARUNO_BUILD/asan"

echo "== fuzz targets (clang, libFuzzer)"
CC=clang CXX=clang++ BUILD_TARGETS="fuzz_formula fuzz_strkit fuzz_cp932 fuzz_ini" configure_and_build "$VARUNO_BUILD/fuzz" -DVARUNO_FUZZ=ON -DVARUNO_SANITIZE=ON -DVARUNO_TESTS=OFF
run_ctest fuzz "$VARUNO_BUILD/fuzz"

echo "== Windows build (MinGW-w64, x86_64)"
configure_and_build "$VARUNO_BUILD/win64" -DCMAKE_TOOLCHAIN_FILE="$VARUNO_ROOT/cmake/mingw-x86_64.cmake" \
    -DCMAKE_CROSSCOMPILING_EMULATOR="$VARUNO_ROOT/scripts/wine-run.sh"
wine_prefix "$VARUNO_BUILD/win64/wineprefix"
# The window tests need a display: a virtual one of 1280 x 800.
VARUNO_CTEST_PREFIX="xvfb-run -a -s '-screen 0 1280x800x24'" run_ctest "windows (wine)" "$VARUNO_BUILD/win64"
wineserver -k 2>/dev/null || true
screenshots "$VARUNO_BUILD/win64/bin/screenshots" "$VARUNO_BUILD/screenshots"

# The 32-bit programs run under wine32. To keep the run short they run their
# unit tests and the release test (the zip unpacked, a conversion, the files
# beside the program); the window tests run on the 64-bit build, and their
# 32-bit programs are not built. Where the machine runs no 32-bit programs
# only the programs are built.
echo "== Windows build (MinGW-w64, i686)"
win32=("$VARUNO_BUILD/win32" -DCMAKE_TOOLCHAIN_FILE="$VARUNO_ROOT/cmake/mingw-i686.cmake"
       -DCMAKE_CROSSCOMPILING_EMULATOR="$VARUNO_ROOT/scripts/wine-run.sh")
if can_run_i386; then
    BUILD_TARGETS="varuno Corvid varunoc unit_tests dist_e2e_test" configure_and_build "${win32[@]}"
    need_wine32
    wine_prefix "$VARUNO_BUILD/win32/wineprefix"
    VARUNO_CTEST_PREFIX="xvfb-run -a -s '-screen 0 1280x800x24'" \
        run_ctest "windows 32-bit (wine)" "$VARUNO_BUILD/win32" -E '_e2e_test$|_e2e_screen_'
    VARUNO_CTEST_PREFIX="xvfb-run -a -s '-screen 0 1280x800x24'" \
        run_ctest "windows 32-bit release (wine)" "$VARUNO_BUILD/win32" -R '^dist_e2e_test$'
    wineserver -k 2>/dev/null || true
else
    BUILD_TARGETS="varuno Corvid varunoc" configure_and_build "${win32[@]}"
    not_run="windows 32-bit: programs built, tests not run (this machine runs no 32-bit x86 programs: its kernel has no IA-32 emulation)"
    echo "== $not_run"
fi

printf '%s\n' "${summary[@]}"
total=0
for line in "${summary[@]}"; do
    n=$(echo "$line" | sed -E 's/.*out of ([0-9]+).*/\1/')
    total=$((total + n))
done
[ -z "${not_run:-}" ] || echo "$not_run"
echo "all: $total passed, 0 failed"
