// 電力 (electric power): SI multiples of the watt and the erg per second
// (reference: W).
#include <iterator>

#include "unittab/common/build_table.h"

namespace {

// name, symbol, country, aux, generic rate, group, remark, reserved
const char* const kCells[] = {
    "ミリワット", "mW", ";", ";", "0.001", "1", "1000分の1ワット。", "0",
    "ワット", "W", ";", ";", "1", "1", "電力・仕事率のSI単位；1ワット＝1ジュール毎秒。", "0",
    "キロワット", "kW", ";", ";", "1000", "1", "1000ワット。", "0",
    "ジュール毎秒", "J/s", ";", ";", "1", "1", "ワットに等しい。", "0",
    "エルグ毎秒", "erg/s", ";", ";", "10^-7", "1", "CGS単位系の仕事率単位；10^-7ワット。", "0",
};

} // namespace

UNITTAB_BUILDER void denryoku(udb* table) {
    varuno::unittab::build_table(table, 8, 1, kCells, std::size(kCells));
}
