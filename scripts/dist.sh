#!/usr/bin/env bash
# Builds the two zips for users: build/win64/dist/varuno-<version>-win64.zip
# and build/win32/dist/varuno-<version>-win32.zip (32-bit Windows).
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
need_packages "${BUILD_PACKAGES[@]}"
for arch in x86_64:win64 i686:win32; do
    BUILD_TARGETS=dist configure_and_build "$VARUNO_BUILD/${arch#*:}" \
        -DCMAKE_TOOLCHAIN_FILE="$VARUNO_ROOT/cmake/mingw-${arch%%:*}.cmake" \
        -DCMAKE_CROSSCOMPILING_EMULATOR="$VARUNO_ROOT/scripts/wine-run.sh"
done
ls -l "$VARUNO_BUILD"/win*/dist/*.zip
