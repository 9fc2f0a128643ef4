// 質量流量 (mass flow): kilograms per hour as base unit.
#include <iterator>

#include "unittab/common/build_table.h"

namespace {

// name, symbol, country, aux, generic rate, group, remark, reserved
const char* const kCells[] = {
    "グラム毎時", "g/h", ";", ";", "0.001", "1", ";", "0",
    "グラム毎分", "g/min", ";", ";", "0.06", "1", ";", "0",
    "グラム毎秒", "g/s", ";", ";", "3.6", "1", ";", "0",
    "キログラム毎時", "kg/h", ";", ";", "1", "1", ";", "0",
    "キログラム毎分", "kg/min", ";", ";", "60", "1", ";", "0",
    "キログラム毎秒", "kg/s", ";", ";", "3600", "1", ";", "0",
    "トン毎時", "t/h", ";", ";", "1000", "1", "1トン＝1000キログラム。", "0",
    "トン毎分", "t/min", ";", ";", "60000", "1", "1トン＝1000キログラム。", "0",
    "トン毎秒", "t/s", ";", ";", "3600000", "1", "1トン＝1000キログラム。", "0",
};

} // namespace

UNITTAB_BUILDER void situryouryuuryou(udb* table) {
    varuno::unittab::build_table(table, 8, 1, kCells, std::size(kCells));
}
