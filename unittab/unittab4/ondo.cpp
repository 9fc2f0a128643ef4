// 温度 (temperature): five scales. The conversion picks its formulas by row
// index (0 kelvin, 1 Celsius, 2 Fahrenheit, 3 Reaumur, 4 Rankine), so the
// order is fixed; the rate cells hold descriptive formulas giving the kelvin
// value, shown in the unit search and never evaluated by the conversion.
#include <iterator>

#include "unittab/common/build_table.h"

namespace {

// name, symbol, country, aux, formula, group, remark, reserved
const char* const kCells[] = {
    "ケルビン温度", "K", ";", ";", "K=K", "1", "熱力学温度のSI基本単位。；0Kが絶対零度。", "0",
    "セ氏温度目盛", "℃", ";", ";", "K=C+273.15", "1", "セルシウス度。；0℃＝273.15K、水の沸点は約100℃。", "0",
    "カ氏温度目盛", "ﾟF", ";", ";", "K=(5/9)(F-32)+273.15", "1", "ファーレンハイト度。；水の氷点は32ﾟF、沸点は212ﾟF。", "0",
    "レ氏温度目盛", "ﾟR", ";", ";", "K=(5/4)R+273.15", "1", "レオミュール度。；水の氷点は0ﾟR、沸点は80ﾟR。", "0",
    "ランキン温度目盛", "ﾟR", ";", "Rankine", "K=(5/9)r", "1", "ランキン度。；絶対零度が0、目盛の幅はカ氏と同じ。", "0",
};

} // namespace

UNITTAB_BUILDER void ondo(udb* table) {
    varuno::unittab::build_table(table, 8, 1, kCells, std::size(kCells));
}
