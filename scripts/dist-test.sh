#!/usr/bin/env bash
# Builds the zip of a Windows build tree, unpacks it into a folder whose path
# has spaces and double-byte characters, and runs the distribution test there
# under Wine: dist-test.sh BUILD_DIR
set -euo pipefail
build=$(cd "$1" && pwd)
cmake --build "$build" --target dist >/dev/null
zip=$(ls "$build"/dist/varuno-*-win*.zip)
target="$build/dist-test/ユーザー の フォルダ/単位 換算"
rm -rf "$build/dist-test"
mkdir -p "$target"
(cd "$target" && cmake -E tar xf "$zip")
folder=$(ls -d "$target"/varuno-*)
export WINEPREFIX=${WINEPREFIX:-$build/wineprefix} WINEDEBUG=-all
export VARUNO_DIST_DIR=$(winepath -w "$folder")
exec wine "$build/bin/dist_e2e_test.exe"
