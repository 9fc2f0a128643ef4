// 通貨 (currency): a placeholder table that nothing loads. Its one row
// repeats the first five cells of the last 質量 row (古式中鈞); the group,
// remark and reserved cells are empty.
#include <iterator>

#include "unittab/common/build_table.h"

namespace {

// name, symbol, country, aux, generic rate, group, remark, reserved
const char* const kCells[] = {
    "古式中鈞（きん）", "鈞", "中", "古式", "0.5*11520", ";", ";", ";",
};

} // namespace

UNITTAB_BUILDER void tuka(udb* table) {
    varuno::unittab::build_table(table, 8, 1, kCells, std::size(kCells));
}
