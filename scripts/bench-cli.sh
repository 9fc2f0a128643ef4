#!/usr/bin/env bash
# Times varunoc as whole processes against GNU units, qalc (when installed)
# and a static program that does nothing, run in turn (medians; wall and CPU
# time), and a batch of 1,000,000 mixed expression lines. Prints the ratios,
# the batch's lines per second and the peak memory of each.
#   bash scripts/bench-cli.sh [runs]
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
need_packages "${BUILD_PACKAGES[@]}" units
runs=${1:-51}
BUILD_TARGETS="varunoc process_bench do_nothing" configure_and_build "$VARUNO_BUILD/native" -DVARUNO_BENCH=ON
bin="$VARUNO_BUILD/native/bin"

others=(--- units units -t '12 mile' m)
if command -v qalc >/dev/null; then
    others+=(--- qalc qalc -t '12 mi to m')
else
    echo "(qalc is not installed: left out)"
fi
echo "== one conversion per process, $runs runs each, interleaved"
"$bin/process_bench" "$runs" varunoc "$bin/varunoc" convert 0 mi m 12 "${others[@]}" --- do_nothing "$bin/do_nothing"

# Numbers, expressions and lines the evaluator rejects, in a fixed order.
lines="$VARUNO_BUILD/native/bench-lines.txt"
if [ ! -f "$lines" ]; then
    awk 'BEGIN { split("12|(1+2)/4|2^10|0.3048|-7.5e3|12*|(2+3)*4|a|1/0|１２", e, "|");
                 for (i = 0; i < 1000000; ++i) print e[i % 10 + 1] }' > "$lines"
fi
echo "== 1,000,000 lines through one process (convert 寸法 mm m -), 5 runs"
result=$("$bin/process_bench" 5 batch "$bin/varunoc" convert 0 mm m - "<$lines")
echo "$result"
ms=$(echo "$result" | awk '{ for (i = 1; i < NF; ++i) if ($i == "wall") print $(i + 1) }')
awk -v ms="$ms" 'BEGIN { printf "batch: %.0f lines/s\n", 1000000 / (ms / 1000) }'
