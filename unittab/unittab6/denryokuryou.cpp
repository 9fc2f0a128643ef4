// 電力量 (electric energy): watt-hours, -minutes and -seconds with their
// milli and kilo multiples (reference: W･s).
#include <iterator>

#include "unittab/common/build_table.h"

namespace {

// name, symbol, country, aux, generic rate, group, remark, reserved
const char* const kCells[] = {
    "ミリワット時", "mW･h", ";", ";", "3.6", "1", "3.6ワット秒。", "0",
    "ミリワット分", "mW･min", ";", ";", "0.06", "1", "0.06ワット秒。", "0",
    "ミリワット秒", "mW･s", ";", ";", "10^-3", "1", "0.001ワット秒。", "0",
    "ワット時", "W･h", ";", ";", "3.6*10^3", "1", "3600ワット秒。", "0",
    "ワット分", "W･min", ";", ";", "60", "1", "60ワット秒。", "0",
    "ワット秒", "W･s", ";", ";", "1", "1", "1ジュールに等しい。", "0",
    "キロワット時", "kW･h", ";", ";", "3.6*10^6", "1", "電気料金の計量に使われる；3.6×10^6ワット秒。", "0",
    "キロワット分", "kW･min", ";", ";", "6*10^4", "1", "6×10^4ワット秒。", "0",
    "キロワット秒", "kW･s", ";", ";", "10^3", "1", "1000ワット秒。", "0",
};

} // namespace

UNITTAB_BUILDER void denryokuryou(udb* table) {
    varuno::unittab::build_table(table, 8, 1, kCells, std::size(kCells));
}
