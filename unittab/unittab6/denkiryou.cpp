// 電気量 (electric charge): SI multiples of the coulomb, ampere-time units and
// the CGS units (reference: C).
#include <iterator>

#include "unittab/common/build_table.h"

namespace {

// name, symbol, country, aux, generic rate, group, remark, reserved
const char* const kCells[] = {
    "ミリクーロン", "mC", ";", ";", "0.001", "1", "1000分の1クーロン。", "0",
    "クーロン", "C", ";", ";", "1", "1", "電気量（電荷）のSI単位；1クーロン＝1アンペア秒。", "0",
    "キロクーロン", "kC", ";", ";", "1000", "1", "1000クーロン。", "0",
    "アンペア時", "A･h", ";", ";", "3600", "1", "蓄電池の容量表示に使われる；3600クーロン。", "0",
    "アンペア分", "A･min", ";", ";", "60", "1", "60クーロン。", "0",
    "アンペア秒", "A･s", ";", ";", "1", "1", "クーロンに等しい。", "0",
    "静電クーロン", "C", ";", "CGS esu", "1/(2.99792458*10^9)", "1",
        "CGS静電単位系の電荷単位（スタットクーロン、フランクリン）；約3.3356×10^-10クーロン。", "0",
    "電磁クーロン", "C", ";", "CGS emu", "10", "1", "CGS電磁単位系の電荷単位（アブクーロン）；10クーロン。", "0",
};

} // namespace

UNITTAB_BUILDER void denkiryou(udb* table) {
    varuno::unittab::build_table(table, 8, 1, kCells, std::size(kCells));
}
