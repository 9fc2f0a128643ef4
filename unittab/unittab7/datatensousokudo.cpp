// データ転送速度 (data rate): bits per second as base unit; the byte-based
// units are marked with "※" in their names.
#include <iterator>

#include "unittab/common/build_table.h"

namespace {

// name, symbol, country, aux, generic rate, group, remark, reserved
const char* const kCells[] = {
    "ビーピーエス(ビット毎秒)", "bps", ";", ";", "1", "1", "1秒間に送るビット数。", "0",
    "キロビーピーエス(キロビット毎秒)", "kbps", ";", ";", "10^3", "1", "＝1000ビット毎秒。", "0",
    "メガビーピーエス(メガビット毎秒)", "Mbps", ";", ";", "10^6", "1", "＝10の6乗ビット毎秒。", "0",
    "ギガビーピーエス(メガビット毎秒)", "Gbps", ";", ";", "10^9", "1", "ギガビット毎秒（＝10の9乗ビット毎秒）。", "0",
    "テラビーピーエス(メガビット毎秒)", "Tbps", ";", ";", "10^12", "1", "テラビット毎秒（＝10の12乗ビット毎秒）。", "0",
    // Byte-based units, 8 bits to the byte.
    "※バイト毎秒", "Bps", ";", ";", "8", "1", "＝8ビット毎秒。；注意：換算率は1バイト＝8ビットとして算出。", "0",
    "※キロバイト毎秒", "kBps", ";", ";", "8*10^3", "1", "＝8×10の3乗ビット毎秒。", "0",
    "※メガバイト毎秒", "MBps", ";", ";", "8*10^6", "1", "＝8×10の6乗ビット毎秒。", "0",
    "※ギガバイト毎秒", "GBps", ";", ";", "8*10^9", "1", "＝8×10の9乗ビット毎秒。", "0",
    "※テラバイト毎秒", "TBps", ";", ";", "8*10^12", "1", "＝8×10の12乗ビット毎秒。", "0",
};

} // namespace

UNITTAB_BUILDER void datatensousokudo(udb* table) {
    varuno::unittab::build_table(table, 8, 1, kCells, std::size(kCells));
}
