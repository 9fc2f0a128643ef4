// 呼称[稲] (counts of rice sheaves): 把 as base unit.
#include <iterator>

#include "unittab/common/build_table.h"

namespace {

// name, symbol, country, aux, generic rate, group, remark, reserved
const char* const kCells[] = {
    "わ", "把", ";", ";", "1", "1", "刈った稲を手でひとつかみに束ねたもの。", "0",
    "そく", "束", ";", ";", "10", "1", "＝10把。", "0",
};

} // namespace

UNITTAB_BUILDER void ine(udb* table) {
    varuno::unittab::build_table(table, 8, 1, kCells, std::size(kCells));
}
