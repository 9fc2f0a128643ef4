// 印刷 (printing measures): millimetres as base unit, with type points.
#include <iterator>

#include "unittab/common/build_table.h"

namespace {

// name, symbol, country, aux, generic rate, group, remark, reserved
const char* const kCells[] = {
    "ポイント", "pt", ";", ";", "0.35146", "1",
        "活字の大きさの単位。；注意：換算率は1ポイント＝0.35146ミリメートル（アメリカ式）として算出。", "0",
    "ポイント(アメリカ式)", "pt", ";", "アメリカ式", "0.35146", "1",
        "＝0.35146ミリメートル。；日本やアメリカで使用。", "0",
    "ポイント(ディドー式)", "pt", ";", "ディドー式", "0.376", "1", "＝0.376ミリメートル。；ヨーロッパ大陸で使用。", "0",
    "パイカ", "pica", ";", ";", "0.35146*12", "1", "＝12ポイント。", "0",
    "級", "級", ";", ";", "1/4", "1", "写植文字の大きさの単位。；＝0.25ミリメートル。", "0",
    "ミリメートル", "mm", ";", ";", "1", "1", ";", "0",
    "センチメートル", "cm", ";", ";", "10", "1", ";", "0",
    "インチ", "in", ";", ";", "25.4", "1", "＝25.4ミリメートル。", "0",
};

} // namespace

UNITTAB_BUILDER void insatu(udb* table) {
    varuno::unittab::build_table(table, 8, 1, kCells, std::size(kCells));
}
