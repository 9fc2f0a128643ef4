// 立体角 (solid angle): the steradian alone.
#include <iterator>

#include "unittab/common/build_table.h"

namespace {

// name, symbol, country, aux, generic rate, group, remark, reserved
const char* const kCells[] = {
    "ステラジアン", "sr", ";", ";", "1", "1",
        "半径の2乗に等しい面積の球面を切り取る立体角。；全球＝4πステラジアン。", "0",
};

} // namespace

UNITTAB_BUILDER void rittaikaku(udb* table) {
    varuno::unittab::build_table(table, 8, 1, kCells, std::size(kCells));
}
