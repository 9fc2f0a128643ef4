// 線量当量 (dose equivalent): the sievert and the rem (reference: Sv).
#include <iterator>

#include "unittab/common/build_table.h"

namespace {

// name, symbol, country, aux, generic rate, group, remark, reserved
const char* const kCells[] = {
    "マイクロシーベルト", "μSv", ";", ";", "10^-6", "1", "100万分の1シーベルト。", "0",
    "ミリシーベルト", "mSv", ";", ";", "10^-3", "1", "1000分の1シーベルト。", "0",
    "シーベルト", "Sv", ";", ";", "1", "1", "線量当量のSI単位；吸収線量に放射線の種類による係数を掛けた値。", "0",
    "マイクロレム", "μrem", ";", ";", "0.01*10^-6", "1", "100万分の1レム；10^-8シーベルト。", "0",
    "ミリレム", "mrem", ";", ";", "0.01*10^-3", "1", "1000分の1レム；10^-5シーベルト。", "0",
    "レム", "rem", ";", ";", "0.01", "1", "線量当量の旧単位；0.01シーベルト。", "0",
};

} // namespace

UNITTAB_BUILDER void senryoutouryou(udb* table) {
    varuno::unittab::build_table(table, 8, 1, kCells, std::size(kCells));
}
