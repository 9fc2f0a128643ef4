// 照度 (illuminance): the lux, the phot, lumens per area and the foot-candle
// (reference: lx).
#include <iterator>

#include "unittab/common/build_table.h"

namespace {

// name, symbol, country, aux, generic rate, group, remark, reserved
const char* const kCells[] = {
    "ルクス", "lx", ";", ";", "1", "1", "照度のSI単位；1ルクス＝1ルーメン毎平方メートル。", "0",
    "フォト", "ph", ";", ";", "10000", "1", "CGS単位系の照度単位；10^4ルクス。", "0",
    "ルーメン毎平方インチ", "lm/in2", ";", ";", "1/0.0254^2", "1", "約1550ルクス。", "0",
    "ルーメン毎平方フート", "lm/ft2", ";", ";", "1/0.3048^2", "1", "フートキャンドルに等しい；約10.764ルクス。", "0",
    "ルーメン毎平方ヤード", "lm/yd2", ";", ";", "1/0.9144^2", "1", "約1.196ルクス。", "0",
    "ルーメン毎平方ミリメートル", "lm/mm2", ";", ";", "1000000", "1", "10^6ルクス。", "0",
    "ルーメン毎平方センチメートル", "lm/cm2", ";", ";", "10000", "1", "フォトに等しい。", "0",
    "ルーメン毎平方メートル", "lm/m2", ";", ";", "1", "1", "ルクスに等しい。", "0",
    "メートルキャンドル", "mc", ";", ";", "1", "1", "ルクスの旧称。", "0",
    "フートキャンドル", "ft-c", ";", ";", "1/0.3048^2", "1", "1ルーメン毎平方フート；約10.764ルクス。", "0",
    "カンデラ・ステラジアン毎平方メートル", "cd･sr･m^-2", ";", ";", "1", "1", "ルクスに等しい。", "0",
};

} // namespace

UNITTAB_BUILDER void syoudo(udb* table) {
    varuno::unittab::build_table(table, 8, 1, kCells, std::size(kCells));
}
