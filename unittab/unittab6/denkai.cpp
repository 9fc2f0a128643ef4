// 電界 (electric field strength): volts per length and equivalent SI
// expressions (reference: V/m).
#include <iterator>

#include "unittab/common/build_table.h"

namespace {

// name, symbol, country, aux, generic rate, group, remark, reserved
const char* const kCells[] = {
    "ボルト毎ミリメートル", "V/mm", ";", ";", "1000", "1", "1000ボルト毎メートル。", "0",
    "ボルト毎センチメートル", "V/cm", ";", ";", "100", "1", "100ボルト毎メートル。", "0",
    "ボルト毎メートル", "V/m", ";", ";", "1", "1", "電界の強さのSI単位。", "0",
    "ニュートン毎クーロン", "N/C", ";", ";", "1", "1", "ボルト毎メートルに等しい。", "0",
    "メートルキログラム毎アンペア毎秒毎秒毎秒", "m･kg/(s3･A)", ";", ";", "1", "1", "SI基本単位による表記；ボルト毎メートルに等しい。", "0",
};

} // namespace

UNITTAB_BUILDER void denkai(udb* table) {
    varuno::unittab::build_table(table, 8, 1, kCells, std::size(kCells));
}
