#!/usr/bin/env bash
# Builds everything and starts the program. Until the main window exists,
# the program to start is the command-line converter varunoc: this shows its
# help and a sample conversion.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
need_packages "${BUILD_PACKAGES[@]}"

echo "== native build"
configure_and_build "$VARUNO_BUILD/native"
echo "== Windows build (MinGW-w64, x86_64)"
configure_and_build "$VARUNO_BUILD/win64" -DCMAKE_TOOLCHAIN_FILE="$VARUNO_ROOT/cmake/mingw-x86_64.cmake" \
    -DCMAKE_CROSSCOMPILING_EMULATOR="$VARUNO_ROOT/scripts/wine-run.sh"

varunoc=$VARUNO_BUILD/native/bin/varunoc
echo
"$varunoc" --help
echo
echo "\$ varunoc convert 寸法 mm m 12"
"$varunoc" convert 寸法 mm m 12
if [ $# -gt 0 ]; then
    echo "\$ varunoc $*"
    exec "$varunoc" "$@"
fi
