// 動粘度 (kinematic viscosity): stokes (cm2/s) as base unit; the poise per
// density units divide a viscosity in poise by a density in kg/m3 or g/m3.
#include <iterator>

#include "unittab/common/build_table.h"

namespace {

// name, symbol, country, aux, generic rate, group, remark, reserved
const char* const kCells[] = {
    "ミリストークス", "mSt", ";", ";", "10^-3", "1", ";", "0",
    "センチストークス", "cSt", ";", ";", "10^-2", "1", "＝1平方ミリメートル毎秒。", "0",
    "ストークス", "St", ";", ";", "1", "1", "CGS単位系の動粘度の単位。；＝1平方センチメートル毎秒。", "0",
    "ポアズ毎キログラム毎立方メートル", "P/kg･m3", ";", ";", "10^3", "1",
        "粘度（ポアズ）を密度（キログラム毎立方メートル）で割った値。；＝0.1平方メートル毎秒。", "0",
    "ポアズ毎グラム毎立方メートル", "P/g･m3", ";", ";", "10^6", "1",
        "粘度（ポアズ）を密度（グラム毎立方メートル）で割った値。；＝100平方メートル毎秒。", "0",
    "平方ミリメートル毎秒", "mm2/s", ";", ";", "0.01", "1", "＝センチストークス。", "0",
    "平方センチメートル毎秒", "cm2/s", ";", ";", "1", "1", "＝ストークス。", "0",
    "平方メートル毎秒", "m2/s", ";", ";", "10000", "1", "国際単位系（SI）の動粘度の単位。；＝10000ストークス。", "0",
};

} // namespace

UNITTAB_BUILDER void dounendo(udb* table) {
    varuno::unittab::build_table(table, 8, 1, kCells, std::size(kCells));
}
