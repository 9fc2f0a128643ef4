// 周波数 (frequency): hertz as base unit, with revolutions and cycles per
// time.
#include <iterator>

#include "unittab/common/build_table.h"

namespace {

// name, symbol, country, aux, generic rate, group, remark, reserved
const char* const kCells[] = {
    "ヘルツ", "Hz", ";", ";", "1", "1", "＝1回毎秒。", "0",
    "キロヘルツ", "kHz", ";", ";", "1000", "1", ";", "0",
    "メガヘルツ", "MHz", ";", ";", "1000000", "1", ";", "0",
    "回毎時", "rph", ";", ";", "1/3600", "1", ";", "0",
    "回毎分", "rpm", ";", ";", "1/60", "1", "回転数の表示に使用。", "0",
    "回毎秒", "rps", ";", ";", "1", "1", "＝1ヘルツ。", "0",
    "サイクル毎時", "c/h", ";", ";", "1/3600", "1", ";", "0",
    "サイクル毎分", "c/min", ";", ";", "1/60", "1", ";", "0",
    "サイクル毎秒", "c/s", ";", ";", "1", "1", "＝1ヘルツ（旧称）。", "0",
    "キロサイクル毎秒", "kc/s", ";", ";", "10^3", "1", "＝1キロヘルツ（旧称）。", "0",
    "メガサイクル毎秒", "Mc/s", ";", ";", "10^6", "1", "＝1メガヘルツ（旧称）。", "0",
    "ギガサイクル毎秒", "Gc/s", ";", ";", "10^9", "1", "＝1ギガヘルツ（旧称）。", "0",
};

} // namespace

UNITTAB_BUILDER void syuuhasuu(udb* table) {
    varuno::unittab::build_table(table, 8, 1, kCells, std::size(kCells));
}
