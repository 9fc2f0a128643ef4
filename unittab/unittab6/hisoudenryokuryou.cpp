// 皮相電力量 (apparent energy): volt-ampere-hours, -minutes and -seconds with
// their milli and kilo multiples (reference: VA･s).
#include <iterator>

#include "unittab/common/build_table.h"

namespace {

// name, symbol, country, aux, generic rate, group, remark, reserved
const char* const kCells[] = {
    "ミリボルトアンペア時", "mVA･h", ";", ";", "3.6", "1", "3.6ボルトアンペア秒。", "0",
    "ミリボルトアンペア分", "mVA･min", ";", ";", "0.06", "1", "0.06ボルトアンペア秒。", "0",
    "ミリボルトアンペア秒", "mVA･s", ";", ";", "0.001", "1", "0.001ボルトアンペア秒。", "0",
    "ボルトアンペア時", "VA･h", ";", ";", "3600", "1", "3600ボルトアンペア秒。", "0",
    "ボルトアンペア分", "VA･min", ";", ";", "60", "1", "60ボルトアンペア秒。", "0",
    "ボルトアンペア秒", "VA･s", ";", ";", "1", "1", "皮相電力1ボルトアンペアが1秒間続いたときの量。", "0",
    "キロボルトアンペア時", "kVA･h", ";", ";", "3600000", "1", "3.6×10^6ボルトアンペア秒。", "0",
    "キロボルトアンペア分", "kVA･min", ";", ";", "60000", "1", "6×10^4ボルトアンペア秒。", "0",
    "キロボルトアンペア秒", "kVA･s", ";", ";", "1000", "1", "1000ボルトアンペア秒。", "0",
};

} // namespace

UNITTAB_BUILDER void hisoudenryokuryou(udb* table) {
    varuno::unittab::build_table(table, 8, 1, kCells, std::size(kCells));
}
