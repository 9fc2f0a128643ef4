// 照射線量 (exposure): the roentgen and coulombs per kilogram
// (reference: C/kg; 1 R = 2.58*10^-4 C/kg).
#include <iterator>

#include "unittab/common/build_table.h"

namespace {

// name, symbol, country, aux, generic rate, group, remark, reserved
const char* const kCells[] = {
    "ミリレントゲン", "mR", ";", ";", "2.58*10^-7", "1", "1000分の1レントゲン；2.58×10^-7クーロン毎キログラム。", "0",
    "レントゲン", "R", ";", ";", "2.58*10^-4", "1", "照射線量の旧単位；2.58×10^-4クーロン毎キログラム。", "0",
    "キロレントゲン", "kR", ";", ";", "2.58*10^-1", "1", "1000レントゲン；0.258クーロン毎キログラム。", "0",
    "ミリクーロン毎キログラム", "mC/kg", ";", ";", "0.001", "1", "1000分の1クーロン毎キログラム。", "0",
    "クーロン毎キログラム", "C/kg", ";", ";", "1", "1", "照射線量のSI単位。", "0",
    "キロクーロン毎キログラム", "kC/kg", ";", ";", "1000", "1", "1000クーロン毎キログラム。", "0",
};

} // namespace

UNITTAB_BUILDER void syousyasenryou(udb* table) {
    varuno::unittab::build_table(table, 8, 1, kCells, std::size(kCells));
}
