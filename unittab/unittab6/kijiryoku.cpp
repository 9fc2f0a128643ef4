// 起磁力 (magnetomotive force): the ampere(-turn) and the CGS gilbert
// (reference: A).
#include <iterator>

#include "unittab/common/build_table.h"

namespace {

// name, symbol, country, aux, generic rate, group, remark, reserved
const char* const kCells[] = {
    "アンペア", "A", ";", ";", "1", "1", "起磁力のSI単位。", "0",
    "アンペア回数", "AT", ";", ";", "1", "1", "コイルの巻数と電流の積；アンペアに等しい。", "0",
    "ギルバート", "Gb", ";", ";", "10/(4*pi)", "1", "CGS電磁単位系の起磁力単位；10/(4π)アンペア（約0.7958アンペア）。", "0",
};

} // namespace

UNITTAB_BUILDER void kijiryoku(udb* table) {
    varuno::unittab::build_table(table, 8, 1, kCells, std::size(kCells));
}
