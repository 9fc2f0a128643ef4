// 電流 (electric current): SI multiples of the ampere and the CGS
// electrostatic and electromagnetic units (reference: A).
#include <iterator>

#include "unittab/common/build_table.h"

namespace {

// name, symbol, country, aux, generic rate, group, remark, reserved
const char* const kCells[] = {
    "ミリアンペア", "mA", ";", ";", "0.001", "1", "1000分の1アンペア。", "0",
    "アンペア", "A", ";", ";", "1", "1", "電流のSI基本単位。", "0",
    "キロアンペア", "kA", ";", ";", "1000", "1", "1000アンペア。", "0",
    "静電アンペア", "A", ";", "CGS esu", "1/(2.99792458*10^9)", "1", "CGS静電単位系の電流単位（スタットアンペア）；約3.3356×10^-10アンペア。", "0",
    "電磁アンペア", "A", ";", "CGS emu", "10", "1", "CGS電磁単位系の電流単位（アブアンペア、ビオ）；10アンペア。", "0",
};

} // namespace

UNITTAB_BUILDER void denryuu(udb* table) {
    varuno::unittab::build_table(table, 8, 1, kCells, std::size(kCells));
}
