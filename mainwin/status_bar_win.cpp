#include "mainwin/status_bar_win.h"

#include <commctrl.h>

#include <optional>

#include "mainwin/app_win.h"
#include "mainwin/status_model.h"
#include "dialogs/settings_file.h"
#include "platform/wide_text.h"
#include "resources/resource.h"
#include "unitdb/accessors.h"
#include "unitdb/registry.h"

namespace varuno {
namespace {

constexpr UINT_PTR kMarqueeTimer = 1;
constexpr int kRightEdges[5] = {15, 99, 259, 349, 439};

HWND g_bar = nullptr;
StatusModel* g_model = nullptr;

void set_part(int part, std::string_view text) {
    SendMessageW(g_bar, SB_SETTEXTW, static_cast<WPARAM>(part | SBT_POPOUT),
                 reinterpret_cast<LPARAM>(wide(text).c_str()));
}

void set_tip(int part, const char* utf8) {
    SendMessageW(g_bar, SB_SETTIPTEXTW, static_cast<WPARAM>(part), reinterpret_cast<LPARAM>(wide_utf8(utf8).c_str()));
}

// The unit at the selection of list `list` of the main window, if any.
std::optional<UnitTexts> selected_unit(int list) {
    if (!current_table) return std::nullopt;
    const int p = chosen_position(list);
    if (p < 0 || p >= current_table->count) return std::nullopt;
    return UnitTexts{unit_name(*current_table, p), unit_remark(*current_table, p)};
}

} // namespace

void status_create(HWND main) {
    g_model = new StatusModel();
    g_bar = CreateWindowExW(0, STATUSCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE | SBARS_TOOLTIPS, 0, 0, 0, 0, main,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_STATUS)), app_instance(), nullptr);
    SendMessageW(g_bar, SB_SETPARTS, 5, reinterpret_cast<LPARAM>(kRightEdges));
    set_part(0, g_model->court_text());
    set_part(1, g_model->kind_text());
    for (int k = 0; k < 3; ++k) set_part(k + 2, g_model->marquee(k));
    set_tip(0, "Ａ→Aコートで換算中\nＢ→Bコートで換算中");
    set_tip(1, "単位種：単位の種類");
    set_tip(2, "単位の日本語表記（換算前→換算後）");
    set_tip(3, "備考");
    status_set_interval(marquee_interval_setting());
}

void status_release() {
    if (g_bar) KillTimer(GetParent(g_bar), kMarqueeTimer);
    delete g_model;
    g_model = nullptr;
    g_bar = nullptr;
}

void status_set_interval(int milliseconds) {
    if (!g_bar) return;
    KillTimer(main_window(), kMarqueeTimer);
    if (milliseconds > 0) SetTimer(main_window(), kMarqueeTimer, static_cast<UINT>(milliseconds), nullptr);
}

void status_tick() {
    if (!g_model) return;
    std::array<int, 3> widths{};
    for (int k = 0; k < 3; ++k) widths[k] = kRightEdges[k + 2] - kRightEdges[k + 1];
    const auto shown = g_model->tick(widths);
    for (int k = 0; k < 3; ++k) set_part(k + 2, shown[k]);
}

void status_set_court(int court) {
    if (!g_model) return;
    g_model->set_court(court);
    set_part(0, g_model->court_text());
    HWND indicator = GetDlgItem(main_window(), IDC_INDICATOR);
    RECT r;
    GetWindowRect(indicator, &r);
    MapWindowPoints(nullptr, main_window(), reinterpret_cast<POINT*>(&r), 2);
    InvalidateRect(main_window(), &r, TRUE);
}

void status_set_kind(std::string_view name) {
    if (!g_model) return;
    g_model->set_kind(name);
    set_part(1, g_model->kind_text());
}

void status_list_changed(int j) {
    if (!g_model) return;
    if (auto unit = selected_unit(j)) g_model->list_changed(j % 2 == 1, *unit);
}

void status_refresh_units(Court court) {
    if (!g_model) return;
    const int first = court == kCourtA ? 0 : 2;
    g_model->refresh_units(selected_unit(first), selected_unit(first + 1));
}

void status_show_all(bool unit_chosen) {
    if (!g_model) return;
    message_box(g_model->show_all_text(unit_chosen && current_kind >= 0), cp932::from_utf8("Varuno：ステータスバーの内容"),
                MB_OK);
}

int status_active_court() { return g_model ? g_model->active_court() : 0; }

} // namespace varuno
