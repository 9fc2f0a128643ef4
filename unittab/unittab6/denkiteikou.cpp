// 電気抵抗 (electric resistance): SI multiples of the ohm (reference: Ω).
#include <iterator>

#include "unittab/common/build_table.h"

namespace {

// name, symbol, country, aux, generic rate, group, remark, reserved
const char* const kCells[] = {
    "ミリオーム", "mΩ", ";", ";", "0.001", "1", "1000分の1オーム。", "0",
    "オーム", "Ω", ";", ";", "1", "1", "電気抵抗のSI単位；1オーム＝1ボルト毎アンペア。", "0",
    "キロオーム", "kΩ", ";", ";", "1000", "1", "1000オーム。", "0",
    "ボルト毎アンペア", "V/A", ";", ";", "1", "1", "オームに等しい。", "0",
};

} // namespace

UNITTAB_BUILDER void denkiteikou(udb* table) {
    varuno::unittab::build_table(table, 8, 1, kCells, std::size(kCells));
}
