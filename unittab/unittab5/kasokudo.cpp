// 加速度 (acceleration): metres per second squared as base unit; the foot
// and yard units form group 2 (reference: yard per second squared).
#include <iterator>

#include "unittab/common/build_table.h"

namespace {

// name, symbol, country, aux, generic rate, G2 rate, group, remark, reserved
const char* const kCells[] = {
    "ミリガル", "mGal", ";", ";", "10^-5", ";", "1", "＝0.001ガル。；重力の測定に使用。", "0",
    "ガル", "Gal", ";", ";", "10^-2", ";", "1", "＝1センチメートル毎秒毎秒。；重力や地震動の加速度に使用。", "0",
    "標準重力加速度(ジー)", "G", ";", ";", "9.80665", ";", "1",
        "標準重力加速度＝9.80665メートル毎秒毎秒（定義値）。", "0",
    "ミリメートル毎秒毎秒", "mm/s2", ";", ";", "10^-3", ";", "1", ";", "0",
    "センチメートル毎秒毎秒", "cm/s2", ";", ";", "10^-2", ";", "1", "＝1ガル。", "0",
    "メートル毎秒毎秒", "m/s2", ";", ";", "1", ";", "1", ";", "0",
    "フート（フィート）毎秒毎秒", "ft/s2", ";", ";", "0.3048", "1/3", "2", "1フィート＝0.3048メートル。", "0",
    "ヤード毎秒毎秒", "yd/s2", ";", ";", "0.9144", "1", "2", "1ヤード＝0.9144メートル。", "0",
};

} // namespace

UNITTAB_BUILDER void kasokudo(udb* table) {
    varuno::unittab::build_table(table, 9, 2, kCells, std::size(kCells));
}
