// インダクタンス (inductance): the henry, its SI equivalents and the CGS
// electromagnetic henry (reference: H).
#include <iterator>

#include "unittab/common/build_table.h"

namespace {

// name, symbol, country, aux, generic rate, group, remark, reserved
const char* const kCells[] = {
    "ヘンリー", "H", ";", ";", "1", "1", "インダクタンスのSI単位；1ヘンリー＝1ウェーバ毎アンペア。", "0",
    "電磁ヘンリー", "H", ";", "CGS emu", "10^-9", "1", "CGS電磁単位系のインダクタンス単位（アブヘンリー）；10^-9ヘンリー。", "0",
    "ボルト秒毎アンペア", "V･s/A", ";", ";", "1", "1", "ヘンリーに等しい。", "0",
    "ウェーバ毎アンペア", "Wb/A", ";", ";", "1", "1", "ヘンリーに等しい。", "0",
};

} // namespace

UNITTAB_BUILDER void indakutansu(udb* table) {
    varuno::unittab::build_table(table, 8, 1, kCells, std::size(kCells));
}
