// 磁場 (magnetic field strength): the CGS oersted and amperes per metre
// (reference: A/m).
#include <iterator>

#include "unittab/common/build_table.h"

namespace {

// name, symbol, country, aux, generic rate, group, remark, reserved
const char* const kCells[] = {
    "エルステッド", "Oe", ";", ";", "250/pi", "1", "CGS電磁単位系の磁場の強さの単位；1000/(4π)アンペア毎メートル（約79.58アンペア毎メートル）。", "0",
    "アンペア回数毎メートル", "AT/m", ";", ";", "1", "1", "アンペア毎メートルに等しい。", "0",
    "アンペア毎メートル", "A/m", ";", ";", "1", "1", "磁場の強さのSI単位。", "0",
};

} // namespace

UNITTAB_BUILDER void jiba(udb* table) {
    varuno::unittab::build_table(table, 8, 1, kCells, std::size(kCells));
}
