// 綿密度 (linear density of yarn): tex (grams per 1000 m) as base unit.
#include <iterator>

#include "unittab/common/build_table.h"

namespace {

// name, symbol, country, aux, generic rate, group, remark, reserved
const char* const kCells[] = {
    "テクス", "tex", ";", ";", "1", "1", "長さ1000メートルあたりの質量をグラムで表す。；糸や繊維の太さの単位。", "0",
    "キログラム毎メートル", "kg/m", ";", ";", "10^6", "1", ";", "0",
    "キログラム毎センチメートル", "kg/cm", ";", ";", "10^8", "1", ";", "0",
    "キログラム毎ミリメートル", "kg/mm", ";", ";", "10^9", "1", ";", "0",
    "グラム毎メートル", "g/m", ";", ";", "10^3", "1", ";", "0",
    "グラム毎センチメートル", "g/cm", ";", ";", "10^5", "1", ";", "0",
    "グラム毎ミリメートル", "g/mm", ";", ";", "10^6", "1", ";", "0",
};

} // namespace

UNITTAB_BUILDER void menmitudo(udb* table) {
    varuno::unittab::build_table(table, 8, 1, kCells, std::size(kCells));
}
