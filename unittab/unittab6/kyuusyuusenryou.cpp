// 吸収線量 (absorbed dose): the gray, the rad and SI equivalents
// (reference: Gy).
#include <iterator>

#include "unittab/common/build_table.h"

namespace {

// name, symbol, country, aux, generic rate, group, remark, reserved
const char* const kCells[] = {
    "ミリグレイ", "mGy", ";", ";", "0.001", "1", "1000分の1グレイ。", "0",
    "センチグレイ", "cGy", ";", ";", "0.01", "1", "100分の1グレイ；ラドに等しい。", "0",
    "グレイ", "Gy", ";", ";", "1", "1", "吸収線量のSI単位；1グレイ＝1ジュール毎キログラム。", "0",
    "キログレイ", "kGy", ";", ";", "1000", "1", "1000グレイ。", "0",
    "マイクロラド", "μrad", ";", ";", "10^-8", "1", "100万分の1ラド；10^-8グレイ。", "0",
    "ミリラド", "mrad", ";", ";", "10^-5", "1", "1000分の1ラド；10^-5グレイ；角度のミリラジアンとは別物。", "0",
    "ラド", "rad", ";", ";", "10^-2", "1", "吸収線量の旧単位；0.01グレイ；角度のラジアンとは別物。", "0",
    "キロラド", "krad", ";", ";", "10", "1", "1000ラド；10グレイ。", "0",
    "ジュール毎キログラム", "J/kg", ";", ";", "1", "1", "グレイに等しい。", "0",
    "平方メートル毎秒毎秒", "m2/s2", ";", ";", "1", "1", "SI基本単位による表記；グレイに等しい。", "0",
};

} // namespace

UNITTAB_BUILDER void kyuusyuusenryou(udb* table) {
    varuno::unittab::build_table(table, 8, 1, kCells, std::size(kCells));
}
