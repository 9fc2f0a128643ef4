// 比抵抗 (resistivity): ohm-lengths and volt-lengths per ampere with milli and
// kilo prefixes (reference: Ω･m).
#include <iterator>

#include "unittab/common/build_table.h"

namespace {

// name, symbol, country, aux, generic rate, group, remark, reserved
const char* const kCells[] = {
    "オームメートル", "Ω･m", ";", ";", "1", "1", "比抵抗（抵抗率）のSI単位。", "0",
    "オームミリメートル", "Ω･mm", ";", ";", "0.001", "1", "0.001オームメートル。", "0",
    "オームセンチメートル", "Ω･cm", ";", ";", "0.01", "1", "0.01オームメートル。", "0",
    "ミリオームメートル", "mΩ･m", ";", ";", "0.001", "1", "0.001オームメートル。", "0",
    "ミリオームミリメートル", "mΩ･mm", ";", ";", "0.000001", "1", "10^-6オームメートル。", "0",
    "ミリオームセンチメートル", "mΩ･cm", ";", ";", "0.00001", "1", "10^-5オームメートル。", "0",
    "キロオームメートル", "kΩ･m", ";", ";", "1000", "1", "1000オームメートル。", "0",
    "キロオームミリメートル", "kΩ･mm", ";", ";", "1", "1", "オームメートルに等しい。", "0",
    "キロオームセンチメートル", "kΩ･cm", ";", ";", "10", "1", "10オームメートル。", "0",
    "ボルトメートル毎アンペア", "V･m/A", ";", ";", "1", "1", "オームメートルに等しい。", "0",
    "ボルトミリメートル毎アンペア", "V･mm/A", ";", ";", "0.001", "1", "0.001オームメートル。", "0",
    "ボルトセンチメートル毎アンペア", "V･cm/A", ";", ";", "0.01", "1", "0.01オームメートル。", "0",
};

} // namespace

UNITTAB_BUILDER void hiteikou(udb* table) {
    varuno::unittab::build_table(table, 8, 1, kCells, std::size(kCells));
}
