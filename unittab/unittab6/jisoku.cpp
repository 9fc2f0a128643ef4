// 磁束 (magnetic flux): the weber, the volt-second and the CGS maxwell
// (reference: Wb).
#include <iterator>

#include "unittab/common/build_table.h"

namespace {

// name, symbol, country, aux, generic rate, group, remark, reserved
const char* const kCells[] = {
    "ウェーバ", "Wb", ";", ";", "1", "1", "磁束のSI単位；1ウェーバ＝1ボルト秒。", "0",
    "マクスウェル", "Mx", ";", ";", "10^-8", "1", "CGS電磁単位系の磁束単位；10^-8ウェーバ。", "0",
    "ボルト秒", "V･s", ";", ";", "1", "1", "ウェーバに等しい。", "0",
};

} // namespace

UNITTAB_BUILDER void jisoku(udb* table) {
    varuno::unittab::build_table(table, 8, 1, kCells, std::size(kCells));
}
