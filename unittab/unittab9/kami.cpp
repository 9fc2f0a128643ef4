// 呼称[紙] (counts of paper): single sheets as base unit.
#include <iterator>

#include "unittab/common/build_table.h"

namespace {

// name, symbol, country, aux, generic rate, group, remark, reserved
const char* const kCells[] = {
    "枚", "枚", ";", ";", "1", "1", ";", "0",
    "れん", "連", ";", ";", "1000", "1", "洋紙1000枚。", "0",
    "れん（板紙）", "連", ";", "板紙", "100", "1", "板紙100枚。", "0",
    "れん（印刷用紙）", "連", ";", "印刷用紙", "516", "1", "印刷用紙516枚。", "0",
    "英れん", "rm", "英", ";", "480", "1", "＝480枚（旧英国式）。", "0",
    "米れん", "rm", "米", ";", "500", "1", "＝500枚。", "0",
    "キロれん", "krm", ";", ";", "1000", "1", "＝1000枚。", "0",
    "クワイヤ", "quire", ";", ";", "24", "1", "＝24枚。", "0",
    "じょう(半紙)", "帖", ";", "半紙", "20", "1", "半紙20枚。", "0",
    "じょう(美濃紙)", "帖", ";", "美濃紙", "48", "1", "美濃紙48枚。", "0",
    "そく(半紙)", "束", ";", ";", "200", "1", "半紙10帖＝200枚。", "0",
};

} // namespace

UNITTAB_BUILDER void kami(udb* table) {
    varuno::unittab::build_table(table, 8, 1, kCells, std::size(kCells));
}
