// 光束 (luminous flux): the lumen and the candela-steradian (reference: lm).
#include <iterator>

#include "unittab/common/build_table.h"

namespace {

// name, symbol, country, aux, generic rate, group, remark, reserved
const char* const kCells[] = {
    "ルーメン", "lm", ";", ";", "1", "1", "光束のSI単位；1ルーメン＝1カンデラ・ステラジアン。", "0",
    "カンデラ･ステラジアン", "cd･sr", ";", ";", "1", "1", "ルーメンに等しい。", "0",
};

} // namespace

UNITTAB_BUILDER void kousoku(udb* table) {
    varuno::unittab::build_table(table, 8, 1, kCells, std::size(kCells));
}
