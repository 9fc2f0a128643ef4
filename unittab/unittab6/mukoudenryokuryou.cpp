// 無効電力量 (reactive energy): var-hours, -minutes and -seconds
// (reference: var･s).
#include <iterator>

#include "unittab/common/build_table.h"

namespace {

// name, symbol, country, aux, generic rate, group, remark, reserved
const char* const kCells[] = {
    "バール時", "var･h", ";", ";", "3600", "1", "3600バール秒。", "0",
    "バール分", "var･min", ";", ";", "60", "1", "60バール秒。", "0",
    "バール秒", "var･s", ";", ";", "1", "1", "無効電力1バールが1秒間続いたときの量。", "0",
};

} // namespace

UNITTAB_BUILDER void mukoudenryokuryou(udb* table) {
    varuno::unittab::build_table(table, 8, 1, kCells, std::size(kCells));
}
