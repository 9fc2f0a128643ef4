// 包装箱 (packaged counts): single cigarette packs as base unit.
#include <iterator>

#include "unittab/common/build_table.h"

namespace {

// name, symbol, country, aux, generic rate, group, remark, reserved
const char* const kCells[] = {
    "個数", "個", ";", "煙草", "1", "1", "煙草の箱の数。", "0",
    "カートン", "ctn", ";", "煙草", "10", "1", "＝煙草10個。", "0",
};

} // namespace

UNITTAB_BUILDER void housoubako(udb* table) {
    varuno::unittab::build_table(table, 8, 1, kCells, std::size(kCells));
}
