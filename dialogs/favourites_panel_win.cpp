// The favourites panel (★): a balloon panel with the stored unit pairs.
// 登録 stores the pair of a court, 再換算 (or a double click) puts a pair
// into both courts, court B reversed, and the Delete key removes the selected
// rows. The file rules live in favourites_file; this is the window side.
#include <windows.h>
#include <commctrl.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "convert/engine.h"
#include "dialogs/dialogs_win.h"
#include "dialogs/favourites_file.h"
#include "dialogs/kind_panel_win.h"
#include "dialogs/report_columns_win.h"
#include "mainwin/app_win.h"
#include "mainwin/status_bar_win.h"
#include "platform/wide_text.h"
#include "resources/resource.h"
#include "unitdb/accessors.h"
#include "unitdb/lists.h"
#include "unitdb/registry.h"

namespace varuno {
namespace {

constexpr const char* kErrorCaption = "Varuno：エラー";
constexpr INT_PTR kReconverted = 2;  // the panel's result when a pair went into the courts
constexpr ReportColumn kColumns[4] = {{"単位種", 50}, {"前（単位記号）", 40}, {"後（単位記号）", 40}, {"回数", 20}};

// One direction per column, kept for the program's run.
SortDirection g_directions[4] = {};
WNDPROC g_list_proc = nullptr;

// Messages of the panel are owned by the panel, so that it cannot be used
// while one is open.
int panel_box(HWND panel, const char* text, const char* caption, UINT type) {
    return MessageBoxW(panel, wide_utf8(text).c_str(), wide_utf8(caption).c_str(), type);
}

HWND list_of(HWND panel) { return GetDlgItem(panel, IDC_FAV_LIST); }

int row_count(HWND list) { return static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0)); }

int row_link(HWND list, int row) {
    LVITEMW item{};
    item.mask = LVIF_PARAM;
    item.iItem = row;
    SendMessageW(list, LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
    return static_cast<int>(item.lParam);
}

bool row_selected(HWND list, int row) {
    return SendMessageW(list, LVM_GETITEMSTATE, static_cast<WPARAM>(row), LVIS_SELECTED) & LVIS_SELECTED;
}

std::string row_text(HWND list, int row, int column) {
    wchar_t buffer[256] = {};
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = buffer;
    item.cchTextMax = 256;
    SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    return narrow(buffer);
}

// Reads the file and shows entry i in row i, linked to entry i.
void fill_favourites_list(HWND list) {
    SendMessageW(list, LVM_DELETEALLITEMS, 0, 0);
    const std::vector<Favourite> entries = read_favourites();
    for (int i = 0; i < static_cast<int>(entries.size()); ++i) {
        const auto texts = favourite_row_texts(entries[static_cast<std::size_t>(i)]);
        std::wstring first = wide(texts[0]);
        LVITEMW item{};
        item.mask = LVIF_TEXT | LVIF_PARAM;
        item.iItem = i;
        item.lParam = i;
        item.pszText = first.data();
        const auto row = static_cast<int>(SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
        for (int k = 1; k < 4; ++k) {
            std::wstring text = wide(texts[static_cast<std::size_t>(k)]);
            LVITEMW sub{};
            sub.iSubItem = k;
            sub.pszText = text.data();
            SendMessageW(list, LVM_SETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&sub));
        }
    }
}

// The row index of the unit selected in a main-window list, if any.
std::optional<int> selected_row_of(int list_id) {
    if (!current_table) return std::nullopt;
    const int p = chosen_position(list_id - IDC_LIST_A_BEFORE);
    if (p < 0 || p >= current_table->count) return std::nullopt;
    return current_table->order[p];
}

void add_to_favourites(HWND panel) {
    const int answer = panel_box(panel,
                                 "お気に入り換算リストに現在選択中の単位を登録します。\n\n"
                                 "はい\tAコート（赤枠）の単位を登録。\n"
                                 "いいえ\tBコート（青枠）の単位を登録。\n"
                                 "キャンセル\t登録中止。",
                                 "Varuno：お気に入り換算登録", MB_YESNOCANCEL);
    if (answer != IDYES && answer != IDNO) {
        fill_favourites_list(list_of(panel));
        return;
    }
    const bool court_a = answer == IDYES;
    const std::optional<int> before = selected_row_of(court_a ? IDC_LIST_A_BEFORE : IDC_LIST_B_BEFORE);
    const std::optional<int> after = selected_row_of(court_a ? IDC_LIST_A_AFTER : IDC_LIST_B_AFTER);
    const char* failure = nullptr;
    switch (add_favourite(current_kind, before, after)) {
    case AddResult::kAdded:
        fill_favourites_list(list_of(panel));
        return;
    case AddResult::kNoKind:
        failure = "単位種が選択されていません。\n『Ω』ボタンを押して、単位種と単位を選択してください。\n\n"
                  "お気に入りフォームを閉じます。";
        break;
    case AddResult::kNoBefore:
        failure = "換算『前』単位が選択されていません。\n換算『前』単位リストから単位を選択してください。\n\n"
                  "お気に入りフォームを閉じます。";
        break;
    case AddResult::kNoAfter:
        failure = "換算『後』単位が選択されていません。\n換算『後』単位リストから単位を選択してください。\n\n"
                  "お気に入りフォームを閉じます。";
        break;
    }
    panel_box(panel, failure, kErrorCaption, MB_OK);
    EndDialog(panel, 0);
}

void reconvert_favourite(HWND panel) {
    HWND list = list_of(panel);
    if (row_count(list) == 0) {
        panel_box(panel,
                  "お気に入り換算リストに登録がありません。\n"
                  "まず上の登録ボタンから、お気に入りの換算パターンを登録して下さい。",
                  kErrorCaption, MB_OK);
        return;
    }
    if (SendMessageW(list, LVM_GETSELECTEDCOUNT, 0, 0) != 1) {
        panel_box(panel,
                  "アイテムが選択されていないか、複数のアイテムが選択されています。\n"
                  "お気に入り換算リストから、アイテムを一つ選択してください。",
                  kErrorCaption, MB_OK);
        return;
    }
    const int row = static_cast<int>(SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
    const int entry = row_link(list, row);
    const Favourite f = read_favourite(entry);
    // A hand-edited entry may name a kind or row the tables do not have:
    // refuse it rather than select a wrong unit.
    if (!favourite_fits(f)) {
        panel_box(panel,
                  "選択されたアイテムの単位種または単位が見つからないため、再換算できません。\n"
                  "このアイテムは［Delete］キーで削除してください。",
                  kErrorCaption, MB_OK);
        return;
    }
    select_kind(f.kind, window_lists());
    const udb& table = kind_tables[static_cast<std::size_t>(f.kind)];
    const int positions[4] = {display_position(table, f.before_row), display_position(table, f.after_row),
                              display_position(table, f.after_row), display_position(table, f.before_row)};
    for (int j = 0; j < 4; ++j)
        select_unit(j, positions[j]);
    status_refresh_units(kCourtA);
    count_favourite_use(entry);
    EndDialog(panel, kReconverted);
}

void delete_selected_favourites(HWND list) {
    if (message_box(cp932::from_utf8("選択中のアイテムを削除してもよろしいでしょうか？"), cp932::from_utf8("Varuno：削除確認"),
                    MB_OKCANCEL | MB_DEFBUTTON2) != IDOK)
        return;
    const int n = row_count(list);
    std::vector<int> links(static_cast<std::size_t>(n));
    std::vector<bool> selected(static_cast<std::size_t>(n));
    for (int row = 0; row < n; ++row) {
        links[static_cast<std::size_t>(row)] = row_link(list, row);
        selected[static_cast<std::size_t>(row)] = row_selected(list, row);
    }
    const std::vector<int> kept = delete_favourites(links, selected);
    for (int row = n - 1; row >= 0; --row)
        if (selected[static_cast<std::size_t>(row)]) SendMessageW(list, LVM_DELETEITEM, static_cast<WPARAM>(row), 0);
    for (int row = 0; row < static_cast<int>(kept.size()); ++row) {
        LVITEMW item{};
        item.mask = LVIF_PARAM;
        item.iItem = row;
        item.lParam = kept[static_cast<std::size_t>(row)];
        SendMessageW(list, LVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item));
    }
}

// The texts of the column being sorted, by row link, for the comparison.
std::map<LPARAM, std::string> g_sort_texts;

int CALLBACK compare_rows(LPARAM a, LPARAM b, LPARAM descending) {
    const int order = compare_favourite_texts(g_sort_texts[a], g_sort_texts[b]);
    return descending ? -order : order;
}

void sort_by_column(HWND list, int column) {
    if (column < 0 || column >= 4) return;
    g_directions[column] = flip(g_directions[column]);
    g_sort_texts.clear();
    for (int row = 0; row < row_count(list); ++row) g_sort_texts[row_link(list, row)] = row_text(list, row, column);
    SendMessageW(list, LVM_SORTITEMS, g_directions[column] == SortDirection::kDescending,
                 reinterpret_cast<LPARAM>(compare_rows));
    g_sort_texts.clear();
}

// The list reports the Delete key's release here, and keeps it to itself.
LRESULT CALLBACK list_subclass(HWND list, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_KEYUP && wparam == VK_DELETE) {
        delete_selected_favourites(list);
        return 0;
    }
    return CallWindowProcW(g_list_proc, list, message, wparam, lparam);
}

void open_panel(HWND panel) {
    balloon_open(panel);
    HWND list = list_of(panel);
    g_list_proc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(list, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(list_subclass)));
    SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    insert_report_columns(list, kColumns, 4);
    fill_favourites_list(list);
}

INT_PTR CALLBACK favourites_proc(HWND panel, UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
    case WM_INITDIALOG:
        open_panel(panel);
        return TRUE;
    case WM_DESTROY:
        if (g_list_proc)
            SetWindowLongPtrW(list_of(panel), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_list_proc));
        g_list_proc = nullptr;
        return FALSE;
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC:
        SetTextColor(reinterpret_cast<HDC>(wparam), RGB(0, 0, 0));
        SetBkMode(reinterpret_cast<HDC>(wparam), TRANSPARENT);
        return reinterpret_cast<INT_PTR>(balloon_brush(PanelMode::kFavourites));
    case WM_NOTIFY: {
        const auto* header = reinterpret_cast<const NMHDR*>(lparam);
        if (header->idFrom != IDC_FAV_LIST) return FALSE;
        if (header->code == NM_DBLCLK) reconvert_favourite(panel);
        if (header->code == LVN_COLUMNCLICK)
            sort_by_column(header->hwndFrom, reinterpret_cast<const NMLISTVIEW*>(lparam)->iSubItem);
        return TRUE;
    }
    case WM_COMMAND:
        switch (LOWORD(wparam)) {
        case IDC_FAV_ADD: add_to_favourites(panel); break;
        case IDC_FAV_RECONVERT: reconvert_favourite(panel); break;
        case IDC_FAV_CANCEL: EndDialog(panel, 0); break;
        default: break;  // Enter and Esc do nothing: no default button
        }
        return TRUE;
    }
    return FALSE;
}

} // namespace

bool open_favourites_panel() {
    return DialogBoxParamW(app_instance(), MAKEINTRESOURCEW(IDD_FAVOURITES), main_window(), favourites_proc, 0) ==
           kReconverted;
}

} // namespace varuno
