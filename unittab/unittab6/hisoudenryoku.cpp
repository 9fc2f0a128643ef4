// 皮相電力 (apparent power): SI multiples of the volt-ampere (reference: VA).
#include <iterator>

#include "unittab/common/build_table.h"

namespace {

// name, symbol, country, aux, generic rate, group, remark, reserved
const char* const kCells[] = {
    "ミリボルトアンペア", "mVA", ";", ";", "0.001", "1", "1000分の1ボルトアンペア。", "0",
    "ボルトアンペア", "VA", ";", ";", "1", "1", "交流の皮相電力の単位；電圧と電流の実効値の積。", "0",
    "キロボルトアンペア", "kVA", ";", ";", "1000", "1", "1000ボルトアンペア；変圧器や発電機の容量表示に使われる。", "0",
};

} // namespace

UNITTAB_BUILDER void hisoudenryoku(udb* table) {
    varuno::unittab::build_table(table, 8, 1, kCells, std::size(kCells));
}
