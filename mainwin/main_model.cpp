#include "mainwin/main_model.h"

#include <utility>

#include "resources/pixel_sizes.h"
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
                                        {-px96::kListWideShift, {IDC_INPUT_B, IDC_LIST_A_BEFORE}},
                                        {-px96::kListWideShift, {IDC_OUTPUT_B, IDC_LIST_A_AFTER}}}};

}  // namespace

ListPlace ListWidening::widen(int j, const Rect& own, Dpi dpi) {
    const Cover& cover = kCovers[static_cast<std::size_t>(j)];
    closed_[static_cast<std::size_t>(j)] = own;
    const int left = own.left + dpi.px(cover.shift);
    return {{left, own.top, left + dpi.px(px96::kListWide), own.top + dpi.px(px96::kListDropped)}, cover.hidden};
}

std::optional<ListPlace> ListWidening::restore(int j, Dpi dpi) {
    std::optional<Rect>& closed = closed_[static_cast<std::size_t>(j)];
    if (!closed) return std::nullopt;
    const Rect own = *std::exchange(closed, std::nullopt);
    return ListPlace{{own.left, own.top, own.right, own.top + dpi.px(px96::kListDropped)},
                     kCovers[static_cast<std::size_t>(j)].hidden};
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

}  // namespace varuno
