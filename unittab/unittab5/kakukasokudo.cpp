// 角加速度 (angular acceleration): seconds of arc per second squared as base
// unit.
#include <iterator>

#include "unittab/common/build_table.h"

namespace {

// name, symbol, country, aux, generic rate, group, remark, reserved
const char* const kCells[] = {
    "度毎秒毎秒", "゜/s2", ";", ";", "3600", "1", ";", "0",
    "分毎秒毎秒", "'/s2", ";", ";", "60", "1", ";", "0",
    "秒毎秒毎秒", "\"/s2", ";", ";", "1", "1", ";", "0",
    "ラジアン毎秒毎秒", "rad/s2", ";", ";", "3600*360/(2*pi)", "1", "1ラジアン＝180÷π度。", "0",
};

} // namespace

UNITTAB_BUILDER void kakukasokudo(udb* table) {
    varuno::unittab::build_table(table, 8, 1, kCells, std::size(kCells));
}
