// コンダクタンス (conductance): the siemens and its equivalents (reference: S).
#include <iterator>

#include "unittab/common/build_table.h"

namespace {

// name, symbol, country, aux, generic rate, group, remark, reserved
const char* const kCells[] = {
    "ジーメンス", "S", ";", ";", "1", "1", "コンダクタンスのSI単位；オームの逆数。", "0",
    "モー", "mho", ";", ";", "1", "1", "ジーメンスの旧称；ohmを逆につづった名。", "0",
    "アンペア毎ボルト", "A/V", ";", ";", "1", "1", "ジーメンスに等しい。", "0",
};

} // namespace

UNITTAB_BUILDER void kondakutansu(udb* table) {
    varuno::unittab::build_table(table, 8, 1, kCells, std::size(kCells));
}
