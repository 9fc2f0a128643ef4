// 流量 (volume flow): cubic metres per hour as base unit.
#include <iterator>

#include "unittab/common/build_table.h"

namespace {

// name, symbol, country, aux, generic rate, group, remark, reserved
const char* const kCells[] = {
    "立方メートル毎時", "m3/h", ";", ";", "1", "1", ";", "0",
    "立方メートル毎分", "m3/min", ";", ";", "60", "1", ";", "0",
    "立方メートル毎秒", "m3/s", ";", ";", "3600", "1", ";", "0",
    "リットル毎時", "l/h", ";", ";", "0.001", "1", "1リットル＝0.001立方メートル。", "0",
    "リットル毎分", "l/min", ";", ";", "0.06", "1", "1リットル＝0.001立方メートル。", "0",
    "リットル毎秒", "l/s", ";", ";", "3.6", "1", "1リットル＝0.001立方メートル。", "0",
};

} // namespace

UNITTAB_BUILDER void ryuuryou(udb* table) {
    varuno::unittab::build_table(table, 8, 1, kCells, std::size(kCells));
}
