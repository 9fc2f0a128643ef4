// 軍事 (military yield and casualty measures): the US kahn as base unit.
#include <iterator>

#include "unittab/common/build_table.h"

namespace {

// name, symbol, country, aux, generic rate, group, remark, reserved
const char* const kCells[] = {
    "米カーン", "kahn", "米", ";", "1", "1", "＝200メガデス。", "0",
    "旧ソカーン", "kahn", "旧ソ", ";", "23/20", "1", "注意：換算率は米カーンの1.15倍（23÷20）として算出。", "0",
    "メガデス", "Mdeath", ";", ";", "1/200", "1", "100万人の死者。", "0",
    "米メガトン", "Mton", "米", ";", "10^-4", "1", "＝1万分の1米カーン。", "0",
    "旧ソメガトン", "Mton", "旧ソ", ";", "23/20*10^-4", "1",
        "注意：換算率は米メガトンの1.15倍（23÷20）として算出。", "0",
};

} // namespace

UNITTAB_BUILDER void gunji(udb* table) {
    varuno::unittab::build_table(table, 8, 1, kCells, std::size(kCells));
}
