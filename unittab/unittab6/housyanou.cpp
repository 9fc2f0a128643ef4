// 放射能 (radioactivity): the becquerel, the curie and disintegration rates
// (reference: Bq).
#include <iterator>

#include "unittab/common/build_table.h"

namespace {

// name, symbol, country, aux, generic rate, group, remark, reserved
const char* const kCells[] = {
    "ミリベクレル", "mBq", ";", ";", "0.001", "1", "1000分の1ベクレル。", "0",
    "ベクレル", "Bq", ";", ";", "1", "1", "放射能のSI単位；1秒間に1個の原子核が壊変する放射能。", "0",
    "キロベクレル", "kBq", ";", ";", "1000", "1", "1000ベクレル。", "0",
    "マイクロマイクロキュリー", "μμCi", ";", ";", "3.7*10^-2", "1", "10^-12キュリー（ピコキュリー）；0.037ベクレル。", "0",
    "マイクロキュリー", "μCi", ";", ";", "3.7*10^4", "1", "3.7×10^4ベクレル。", "0",
    "ミリキュリー", "mCi", ";", ";", "3.7*10^7", "1", "3.7×10^7ベクレル。", "0",
    "キュリー", "Ci", ";", ";", "3.7*10^10", "1", "放射能の旧単位；3.7×10^10ベクレル。", "0",
    "キロキュリー", "kCi", ";", ";", "3.7*10^13", "1", "3.7×10^13ベクレル。", "0",
    "壊変毎時", "dph", ";", ";", "1/3600", "1", "1時間あたりの壊変数；1/3600ベクレル。", "0",
    "壊変毎分", "dpm", ";", ";", "1/60", "1", "1分間あたりの壊変数；1/60ベクレル。", "0",
    "壊変毎秒", "dps", ";", ";", "1", "1", "ベクレルに等しい。", "0",
};

} // namespace

UNITTAB_BUILDER void housyanou(udb* table) {
    varuno::unittab::build_table(table, 8, 1, kCells, std::size(kCells));
}
