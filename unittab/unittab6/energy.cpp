// エネルギー (energy): the electronvolt, the erg and watt-time units
// (reference: J).
#include <iterator>

#include "unittab/common/build_table.h"

namespace {

// name, symbol, country, aux, generic rate, group, remark, reserved
const char* const kCells[] = {
    "電子ボルト", "eV", ";", ";", "1.602176634*10^-19", "1", "電子1個が1ボルトの電位差で得るエネルギー；1.602176634×10^-19ジュール。", "0",
    "エルグ", "erg", ";", ";", "10^-7", "1", "CGS単位系のエネルギー単位；10^-7ジュール。", "0",
    "ジュール", "J", ";", ";", "1", "1", "エネルギーのSI単位。", "0",
    "ミリワット時", "mW･h", ";", ";", "3.6", "1", "3.6ジュール。", "0",
    "ミリワット分", "mW･min", ";", ";", "0.06", "1", "0.06ジュール。", "0",
    "ミリワット秒", "mW･s", ";", ";", "10^-3", "1", "0.001ジュール。", "0",
    "ワット時", "W･h", ";", ";", "3.6*10^3", "1", "3600ジュール。", "0",
    "ワット分", "W･min", ";", ";", "60", "1", "60ジュール。", "0",
    "ワット秒", "W･s", ";", ";", "1", "1", "ジュールに等しい。", "0",
    "キロワット時", "kW･h", ";", ";", "3.6*10^6", "1", "3.6×10^6ジュール。", "0",
    "キロワット分", "kW･min", ";", ";", "6*10^4", "1", "6×10^4ジュール。", "0",
    "キロワット秒", "kW･s", ";", ";", "10^3", "1", "1000ジュール。", "0",
};

} // namespace

UNITTAB_BUILDER void energy(udb* table) {
    varuno::unittab::build_table(table, 8, 1, kCells, std::size(kCells));
}
