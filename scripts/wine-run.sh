#!/usr/bin/env bash
# Runs a Windows program of a build tree under Wine: the CTest emulator of the
# Windows builds. The prefix is the build tree's own (bin/../wineprefix).
set -e
exe=$1
export WINEPREFIX=${WINEPREFIX:-$(cd "$(dirname "$exe")/.." && pwd)/wineprefix}
export WINEDEBUG=-all
exec wine "$@"
