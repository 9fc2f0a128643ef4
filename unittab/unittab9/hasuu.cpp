// 波数 (wave number): reciprocal metres as base unit.
#include <iterator>

#include "unittab/common/build_table.h"

namespace {

// name, symbol, country, aux, generic rate, group, remark, reserved
const char* const kCells[] = {
    "毎ミリメートル", "/mm", ";", ";", "10^3", "1", ";", "0",
    "毎センチメートル", "/cm", ";", ";", "10^2", "1", "別称：カイザー。；分光学で使用。", "0",
    "毎メートル", "/m", ";", ";", "1", "1", ";", "0",
};

} // namespace

UNITTAB_BUILDER void hasuu(udb* table) {
    varuno::unittab::build_table(table, 8, 1, kCells, std::size(kCells));
}
