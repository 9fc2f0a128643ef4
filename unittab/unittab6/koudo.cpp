// 光度 (luminous intensity): the candela and the older candle units
// (reference: cd).
#include <iterator>

#include "unittab/common/build_table.h"

namespace {

// name, symbol, country, aux, generic rate, group, remark, reserved
const char* const kCells[] = {
    "カンデラ", "cd", ";", ";", "1", "1", "光度のSI基本単位。", "0",
    "キャンドル", "c", ";", ";", "1.018", "1", "カンデラ以前の光度単位（燭光）；1.018カンデラとして換算。", "0",
    "国際キャンドル", "c", ";", "int.", "1.018", "1", "カンデラ採用以前の国際的な光度単位；1.018カンデラとして換算。", "0",
    "ヘフナー･キャンドル", "h.c", ";", ";", "1/1.089", "1", "ヘフナー灯を基準としたドイツの旧光度単位；1/1.089カンデラ（約0.918カンデラ）として換算。", "0",
    "燭", "燭", ";", ";", "1.0067", "1", "日本の旧光度単位；1.0067カンデラとして換算。", "0",
};

} // namespace

UNITTAB_BUILDER void koudo(udb* table) {
    varuno::unittab::build_table(table, 8, 1, kCells, std::size(kCells));
}
