// 角速度 (angular velocity): seconds of arc per hour as base unit; the
// radian units form group 2 (reference: radian per hour). Group 3 has a
// column but no units.
#include <iterator>

#include "unittab/common/build_table.h"

namespace {

// name, symbol, country, aux, generic rate, G2 rate, G3 rate, group, remark, reserved
const char* const kCells[] = {
    "度毎秒", "゜/s", ";", ";", "3600*3600", ";", ";", "1", ";", "0",
    "度毎分", "゜/min", ";", ";", "3600*60", ";", ";", "1", ";", "0",
    "度毎時", "゜/h", ";", ";", "3600", ";", ";", "1", ";", "0",
    "分毎秒", "'/s", ";", ";", "60*3600", ";", ";", "1", ";", "0",
    "分毎分", "'/min", ";", ";", "60*60", ";", ";", "1", ";", "0",
    "分毎時", "'/h", ";", ";", "60", ";", ";", "1", ";", "0",
    "秒毎秒", "\"/s", ";", ";", "3600", ";", ";", "1", ";", "0",
    "秒毎分", "\"/min", ";", ";", "60", ";", ";", "1", ";", "0",
    "秒毎時", "\"/h", ";", ";", "1", ";", ";", "1", ";", "0",
    // Radian units, group 2 (reference: rad/h).
    "ラジアン毎秒", "rad/s", ";", ";", "3600*360/(2*pi)*3600", "3600", ";", "2", "1回転毎秒＝2πラジアン毎秒。", "0",
    "ラジアン毎分", "rad/min", ";", ";", "3600*360/(2*pi)*60", "60", ";", "2", "1回転毎分＝2πラジアン毎分。", "0",
    "ラジアン毎時", "rad/h", ";", ";", "3600*360/(2*pi)", "1", ";", "2", ";", "0",
};

} // namespace

UNITTAB_BUILDER void kakusokudo(udb* table) {
    varuno::unittab::build_table(table, 10, 3, kCells, std::size(kCells));
}
