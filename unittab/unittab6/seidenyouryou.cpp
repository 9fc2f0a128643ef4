// 静電容量 (capacitance): the farad and its SI equivalent (reference: F).
#include <iterator>

#include "unittab/common/build_table.h"

namespace {

// name, symbol, country, aux, generic rate, group, remark, reserved
const char* const kCells[] = {
    "ファラド", "F", ";", ";", "1", "1", "静電容量のSI単位；1ファラド＝1クーロン毎ボルト。", "0",
    "クーロン毎ボルト", "C/V", ";", ";", "1", "1", "ファラドに等しい。", "0",
};

} // namespace

UNITTAB_BUILDER void seidenyouryou(udb* table) {
    varuno::unittab::build_table(table, 8, 1, kCells, std::size(kCells));
}
