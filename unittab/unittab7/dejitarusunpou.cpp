// デジタル寸法 (screen and document measures): twips as base unit. The
// logical inch and foot form group 2 with rates in yards, the reference of
// the yard-pound group of length, so that they convert between each other
// exactly although no yard is listed here.
#include <iterator>

#include "unittab/common/build_table.h"

namespace {

// name, symbol, country, aux, generic rate, G2 rate, group, remark, reserved
const char* const kCells[] = {
    "twip", "twip", ";", ";", "1", ";", "1",
        "1440分の1インチ＝20分の1ポイント。；Windowsの画面・文書の座標に使用。", "0",
    "論理ミリメートル", "論理mm", ";", ";", "56.7", ";", "1",
        "注意：換算率は1ミリメートル＝56.7twip（正確には1440÷25.4）として算出。", "0",
    "論理センチメートル", "論理cm", ";", ";", "567", ";", "1",
        "注意：換算率は1センチメートル＝567twipとして算出。", "0",
    "論理インチ", "論理in", ";", ";", "1440", "1/36", "2", "＝1440twip。", "0",
    "論理フート（フィート）", "論理ｆｔ", ";", ";", "1440*12", "1/3", "2", "＝12論理インチ＝17280twip。", "0",
    "ポイント", "pt", ";", ";", "20", ";", "1", "＝20twip（72分の1インチ）。", "0",
    "キャラクタ(水平)", "キャラクタ", ";", "水平", "120", ";", "1",
        "水平方向の1文字分＝120twip（12分の1インチ）。", "0",
    "キャラクタ(垂直)", "キャラクタ", ";", "垂直", "240", ";", "1", "垂直方向の1文字分＝240twip（6分の1インチ）。", "0",
    "ハイメートリック", "HiMetric", ";", ";", "0.567", ";", "1", "＝0.01ミリメートル。；OLEの座標に使用。", "0",
};

} // namespace

UNITTAB_BUILDER void dejitarusunpou(udb* table) {
    varuno::unittab::build_table(table, 9, 2, kCells, std::size(kCells));
}
