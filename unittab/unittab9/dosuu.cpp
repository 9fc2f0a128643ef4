// 度数 (counts of cycles): one cycle as base unit.
#include <iterator>

#include "unittab/common/build_table.h"

namespace {

// name, symbol, country, aux, generic rate, group, remark, reserved
const char* const kCells[] = {
    "サイクル", "c", ";", ";", "1", "1", "繰り返しの回数。", "0",
    "キロサイクル", "kc", ";", ";", "10^3", "1", "＝1000サイクル。", "0",
    "メガサイクル", "Mc", ";", ";", "10^6", "1", "＝10の6乗サイクル。", "0",
    "ギガサイクル", "Gc", ";", ";", "10^9", "1", "＝10の9乗サイクル。", "0",
};

} // namespace

UNITTAB_BUILDER void dosuu(udb* table) {
    varuno::unittab::build_table(table, 8, 1, kCells, std::size(kCells));
}
