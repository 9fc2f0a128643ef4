#include "mainwin/main_model.h"

#include "resources/resource.h"
#include "unitdb/registry.h"

namespace varuno {
namespace {

// While list j is open, the two controls it covers are hidden; court B's
// lists open towards the left, over court A.
struct Cover {
    int shift;  // pixels at 96 DPI
    std::array<int, 2> hidden;
};
constexpr std::array<Cover, 4> kCovers{{{0, {IDC_INPUT_B, IDC_LIST_B_BEFORE}},
                                        {0, {IDC_OUTPUT_B, IDC_LIST_B_AFTER}},
                                        {-172, {IDC_INPUT_B, IDC_LIST_A_BEFORE}},
                                        {-172, {IDC_OUTPUT_B, IDC_LIST_A_AFTER}}}};
constexpr int kWideWidth = 240, kNarrowWidth = 68, kDroppedHeight = 300;

} // namespace

Widened widened(int j, const Rect& own, const Scale& scale) {
    const Cover& cover = kCovers[static_cast<std::size_t>(j)];
    const int left = own.left + scale(cover.shift);
    return {{left, own.top, left + scale(kWideWidth), own.top + scale(kDroppedHeight)}, cover.hidden};
}

Rect restored(int j, const Rect& now, const Scale& scale) {
    const int left = now.left - scale(kCovers[static_cast<std::size_t>(j)].shift);
    return {left, now.top, left + scale(kNarrowWidth), now.top + scale(kDroppedHeight)};
}

void MainModel::kind_chosen(int kind, const udb* table) {
    kind_ = kind;
    table_ = table;
    for (UnitBox& box : boxes_) box.set(-1);
    courts_.cleared();
    unit_chosen_ = false;
}

ConversionRequest MainModel::request(Court court, std::string_view input, const ConversionSettings& settings) const {
    return {table_, kind_ == kTemperatureKind, input, box(court * 2).chosen(), box(court * 2 + 1).chosen(), settings};
}

} // namespace varuno
