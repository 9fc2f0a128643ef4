#!/usr/bin/env bash
# Runs a Windows test program under Wine on a virtual screen of its own size:
#   run_on_screen.sh WIDTHxHEIGHT program.exe [arguments...]
# A Wine prefix serves one display at a time, so the script waits until the
# prefix's Wine processes have ended before it starts and before it returns.
set -u
size=$1
shift
export WINEPREFIX=${WINEPREFIX:-$(cd "$(dirname "$1")/.." && pwd)/wineprefix}
export WINEDEBUG=-all
wineserver -w
exec xvfb-run -a -s "-screen 0 ${size}x24" bash -c 'wine "$@"; status=$?; wineserver -w; exit $status' run "$@"
