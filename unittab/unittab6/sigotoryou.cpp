// 仕事量 (work, radiation use): the joule, the gram-rad and the erg
// (reference: J).
#include <iterator>

#include "unittab/common/build_table.h"

namespace {

// name, symbol, country, aux, generic rate, group, remark, reserved
const char* const kCells[] = {
    "ジュール", "J", ";", ";", "1", "1", "仕事量のSI単位。", "0",
    "グラムラド", "g rad", ";", ";", "10^-5", "1", "1グラムの物質が1ラドを吸収したときのエネルギー；100エルグ（10^-5ジュール）。", "0",
    "エルグ", "erg", ";", ";", "10^-7", "1", "CGS単位系の仕事量単位；10^-7ジュール。", "0",
};

} // namespace

UNITTAB_BUILDER void sigotoryou(udb* table) {
    varuno::unittab::build_table(table, 8, 1, kCells, std::size(kCells));
}
