// 消費水量 (water use per person): cubic metres per person and hour as base
// unit.
#include <iterator>

#include "unittab/common/build_table.h"

namespace {

// name, symbol, country, aux, generic rate, group, remark, reserved
const char* const kCells[] = {
    "立方メートル毎人毎時", "m3/h･人", ";", ";", "1", "1", "1人が1時間に使う水の量。", "0",
    "立方メートル毎人毎分", "m3/min･人", ";", ";", "60", "1", "1人が1分間に使う水の量。", "0",
    "立方メートル毎分毎秒", "m3/s･人", ";", ";", "3600", "1", "立方メートル毎人毎秒（1人が1秒間に使う水の量）。", "0",
    "立方メートル毎人毎日", "m3/day･人", ";", ";", "1/24", "1", "1人が1日に使う水の量。；水道の計画に使用。", "0",
    "リットル毎人毎時", "l/h･人", ";", ";", "0.001", "1", "1リットル＝0.001立方メートル。", "0",
    "リットル毎人毎分", "l/min･人", ";", ";", "0.06", "1", "1リットル＝0.001立方メートル。", "0",
    "リットル毎人毎秒", "l/s･人", ";", ";", "3.6", "1", "1リットル＝0.001立方メートル。", "0",
    "リットル毎人毎日", "l/day･人", ";", ";", "1/24000", "1", "1人が1日に使う水の量。；生活用水の目安に使用。", "0",
};

} // namespace

UNITTAB_BUILDER void syouhisuiryou(udb* table) {
    varuno::unittab::build_table(table, 8, 1, kCells, std::size(kCells));
}
