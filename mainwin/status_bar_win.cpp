#include "mainwin/status_bar_win.h"

#include <commctrl.h>

#include "platform/cp932.h"
#include "platform/wide_text.h"
#include "resources/pixel_sizes.h"
#include "resources/resource.h"

namespace varuno {
namespace {

constexpr UINT_PTR kMarqueeTimer = 1;

}  // namespace

void StatusBar::set_part(int part, std::string_view text, bool popout) {
    SendMessageW(bar_, SB_SETTEXTW, static_cast<WPARAM>(part | (popout ? SBT_POPOUT : 0)),
                 reinterpret_cast<LPARAM>(wide(text).c_str()));
}

void StatusBar::set_dpi(Dpi dpi) {
    if (!bar_) return;
    int edges[px96::kStatusEdges.size()];
    for (std::size_t k = 0; k < px96::kStatusEdges.size(); ++k) edges[k] = dpi.px(px96::kStatusEdges[k]);
    SendMessageW(bar_, SB_SETPARTS, px96::kStatusEdges.size(), reinterpret_cast<LPARAM>(edges));
}

void StatusBar::create(HWND main, HINSTANCE instance, int interval_ms, Dpi dpi) {
    main_ = main;
    bar_ = CreateWindowExW(0, STATUSCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE | SBARS_TOOLTIPS, 0, 0, 0, 0, main,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_STATUS)), instance, nullptr);
    if (!bar_) return;  // without the bar the window still converts; every operation below is then a no-op
    set_dpi(dpi);
    set_part(0, model_.court_text());
    set_part(1, model_.kind_text());
    // Parts 3 and 4 take the pop-out border with the first marquee step.
    for (int k = 0; k < 3; ++k) set_part(k + 2, model_.marquee(k), k == 0);
    auto tip = [&](int part, const char* utf8) {
        SendMessageW(bar_, SB_SETTIPTEXTW, static_cast<WPARAM>(part),
                     reinterpret_cast<LPARAM>(wide_utf8(utf8).c_str()));
    };
    tip(0, "Ａ→Aコートで換算中\nＢ→Bコートで換算中");
    tip(1, "単位種：単位の種類");
    tip(2, "単位の日本語表記（換算前→換算後）");
    tip(3, "備考");
    set_interval(interval_ms);
}

void StatusBar::release() {
    if (bar_) KillTimer(main_, kMarqueeTimer);
    bar_ = nullptr;
}

void StatusBar::set_interval(int milliseconds) {
    if (!bar_) return;
    KillTimer(main_, kMarqueeTimer);
    if (milliseconds > 0) SetTimer(main_, kMarqueeTimer, static_cast<UINT>(milliseconds), nullptr);
}

void StatusBar::tick() {
    if (!bar_) return;
    // The marquee pads with characters, which scale with the font: it counts
    // in the parts' widths at 96 DPI.
    std::array<int, 3> widths{};
    for (std::size_t k = 0; k < 3; ++k) widths[k] = px96::kStatusEdges[k + 2] - px96::kStatusEdges[k + 1];
    const auto shown = model_.tick(widths);
    for (int k = 0; k < 3; ++k) set_part(k + 2, shown[static_cast<std::size_t>(k)]);
}

void StatusBar::set_court(int court) {
    model_.set_court(court);
    if (!bar_) return;
    set_part(0, model_.court_text());
    RECT r{};
    GetWindowRect(GetDlgItem(main_, IDC_INDICATOR), &r);
    MapWindowPoints(nullptr, main_, reinterpret_cast<POINT*>(&r), 2);
    InvalidateRect(main_, &r, TRUE);
}

void StatusBar::set_kind(std::string_view name) {
    model_.set_kind(name);
    if (bar_) set_part(1, model_.kind_text());
}

void StatusBar::list_changed(bool after, const UnitTexts& unit) { model_.list_changed(after, unit); }

void StatusBar::refresh_units(const std::optional<UnitTexts>& before, const std::optional<UnitTexts>& after) {
    model_.refresh_units(before, after);
}

void StatusBar::show_all(bool unit_chosen) {
    MessageBoxW(main_, wide(model_.show_all_text(unit_chosen)).c_str(),
                wide_utf8("Varuno：ステータスバーの内容").c_str(), MB_OK);
}

}  // namespace varuno
