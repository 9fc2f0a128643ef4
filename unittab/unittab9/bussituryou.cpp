// 物質量（個数） (amount of substance as a count): single items as base
// unit; a mole is Avogadro's number of items.
#include <iterator>

#include "unittab/common/build_table.h"

namespace {

// name, symbol, country, aux, generic rate, group, remark, reserved
const char* const kCells[] = {
    "ミリモル", "mmol", ";", ";", "10^-3*6.0221419947*10^23", "1", "＝1000分の1モル。", "0",
    "モル", "mol", ";", ";", "6.0221419947*10^23", "1",
        "アボガドロ数個の粒子の集まり。；注意：換算率は1モル＝6.0221419947×10の23乗個として算出。", "0",
    "キロモル", "kmol", ";", ";", "10^3*6.0221419947*10^23", "1", "＝1000モル。", "0",
    "個", "個", ";", ";", "1", "1", ";", "0",
    "ダース", "dz", ";", ";", "12", "1", "＝12個。", "0",
    "グロス", "gr", ";", ";", "144", "1", "＝12ダース＝144個。", "0",
};

} // namespace

UNITTAB_BUILDER void bussituryou(udb* table) {
    varuno::unittab::build_table(table, 8, 1, kCells, std::size(kCells));
}
