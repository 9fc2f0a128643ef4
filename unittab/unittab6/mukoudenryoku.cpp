// 無効電力 (reactive power): SI multiples of the var (reference: var).
#include <iterator>

#include "unittab/common/build_table.h"

namespace {

// name, symbol, country, aux, generic rate, group, remark, reserved
const char* const kCells[] = {
    "ミリバール", "mvar", ";", ";", "0.001", "1", "1000分の1バール。", "0",
    "バール", "var", ";", ";", "1", "1", "交流の無効電力の単位（ボルトアンペア無効）；圧力の単位バール（bar）とは別物。", "0",
    "キロバール", "kvar", ";", ";", "1000", "1", "1000バール。", "0",
};

} // namespace

UNITTAB_BUILDER void mukoudenryoku(udb* table) {
    varuno::unittab::build_table(table, 8, 1, kCells, std::size(kCells));
}
