// 電圧 (voltage): SI multiples of the volt and the CGS electromagnetic volt
// (reference: V).
#include <iterator>

#include "unittab/common/build_table.h"

namespace {

// name, symbol, country, aux, generic rate, group, remark, reserved
const char* const kCells[] = {
    "ミリボルト", "mV", ";", ";", "0.001", "1", "1000分の1ボルト。", "0",
    "ボルト", "V", ";", ";", "1", "1", "電圧（電位差）のSI単位；1ボルト＝1ジュール毎クーロン。", "0",
    "キロボルト", "kV", ";", ";", "1000", "1", "1000ボルト。", "0",
    "電磁ボルト", "V", ";", "CGS　emu", "10^-8", "1", "CGS電磁単位系の電圧単位（アブボルト）；10^-8ボルト。", "0",
    "ジュール毎クーロン", "J/C", ";", ";", "1", "1", "ボルトに等しい。", "0",
};

} // namespace

UNITTAB_BUILDER void denatu(udb* table) {
    varuno::unittab::build_table(table, 8, 1, kCells, std::size(kCells));
}
