// The unit search (template 168): finds units by text across the chosen
// kinds, lists one row per matching field, explains a hit and, if the user
// agrees, makes its kind current and selects the unit in all four lists of
// the main window. The rules live in dialogs/search_state and
// unitdb/search; this file moves them between the controls.
#include <windows.h>
#include <commctrl.h>

#include <array>
#include <string>
#include <vector>

#include "dialogs/dialogs_win.h"
#include "dialogs/report_columns_win.h"
#include "dialogs/search_state.h"
#include "mainwin/app_win.h"
#include "mainwin/status_bar_win.h"
#include "platform/wide_text.h"
#include "resources/resource.h"
#include "unitdb/accessors.h"
#include "unitdb/lists.h"
#include "unitdb/registry.h"
#include "unitdb/search.h"

namespace varuno {
namespace {

// The hits of the last successful search, record p belonging to result row
// p, and the sort direction of each column: both outlive the dialog.
std::vector<search_hit> g_hits;
std::array<SortDirection, kSearchColumnCount> g_directions{};
// The search history as the search-text combo box lists it, while the dialog runs.
std::vector<std::string> g_history;
// During a sort: the new position of each row, indexed by the row's item data.
std::vector<int> g_sort_rank;
// Whether a hit was applied to the courts during this run of the dialog.
bool g_applied = false;

constexpr ReportColumn kColumns[kSearchColumnCount] = {{"単位種", 70},   {"日本語表記", 100}, {"単位記号", 50}, {"国名", 30},
                                                 {"補助記号", 45}, {"汎用レート", 45}, {"備考", 100}};

// Messages are owned by the dialog, so that it stays disabled while they are up.
int ask(HWND dialog, const std::wstring& text, const char* caption, UINT type) {
    return MessageBoxW(dialog, text.c_str(), wide_utf8(caption).c_str(), type);
}

HWND results(HWND dialog) { return GetDlgItem(dialog, IDC_SEARCH_RESULTS); }

int selected_kind_count(HWND dialog) {
    return static_cast<int>(SendDlgItemMessageW(dialog, IDC_SEARCH_KINDS, LB_GETSELCOUNT, 0, 0));
}

void select_all_kinds(HWND dialog, bool selected) {
    SendDlgItemMessageW(dialog, IDC_SEARCH_KINDS, LB_SETSEL, selected, -1);
}

// What the search-text field shows.
std::wstring search_field(HWND dialog) {
    HWND combo = GetDlgItem(dialog, IDC_SEARCH_TEXT);
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(combo)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(combo, text.data(), static_cast<int>(text.size()))));
    return text;
}

SearchForm read_form(HWND dialog) {
    SearchForm form;
    for (int i = 0; i < kSearchCheckCount; ++i)
        form.checks[static_cast<std::size_t>(i)] = static_cast<int>(IsDlgButtonChecked(dialog, kSearchFirstCheck + i));
    form.kinds.resize(kind_count);
    for (int k = 0; k < kind_count; ++k)
        form.kinds[static_cast<std::size_t>(k)] = SendDlgItemMessageW(dialog, IDC_SEARCH_KINDS, LB_GETSEL, k, 0) > 0;
    form.history = g_history;
    return form;
}

void show_form(HWND dialog, const SearchForm& form) {
    for (int i = 0; i < kSearchCheckCount; ++i)
        CheckDlgButton(dialog, kSearchFirstCheck + i, static_cast<UINT>(form.checks[static_cast<std::size_t>(i)]));
    for (int k = 0; k < kind_count; ++k)
        SendDlgItemMessageW(dialog, IDC_SEARCH_KINDS, LB_SETSEL, form.kinds[static_cast<std::size_t>(k)], k);
    SendDlgItemMessageW(dialog, IDC_SEARCH_KINDS, LB_SETTOPINDEX, 0, 0);  // selecting scrolled to the last kind
    // Emptying the list empties the edit field too: keep what it shows.
    const std::wstring text = search_field(dialog);
    HWND combo = GetDlgItem(dialog, IDC_SEARCH_TEXT);
    SendMessageW(combo, CB_RESETCONTENT, 0, 0);
    g_history = form.history;
    for (const std::string& entry : g_history)
        SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide(entry).c_str()));
    SetWindowTextW(combo, text.c_str());
}

void restore(HWND dialog) {
    SearchForm form = read_form(dialog);
    const bool saved = restore_search_state(form);
    show_form(dialog, form);
    if (saved) return;
    SetDlgItemTextW(dialog, IDC_SEARCH_TEXT, L"");
    SendMessageW(results(dialog), LVM_DELETEALLITEMS, 0, 0);
}

void close(HWND dialog) {
    save_search_state(read_form(dialog));
    EndDialog(dialog, 0);
}

void insert_columns(HWND list) {
    SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    insert_report_columns(list, kColumns, kSearchColumnCount);
}

// One row per hit; a row's item data is its record's position in g_hits.
void show_hits(HWND list) {
    SendMessageW(list, WM_SETREDRAW, FALSE, 0);
    for (std::size_t j = 0; j < g_hits.size(); ++j) {
        std::wstring kind = wide(hit_column_text(g_hits[j], 0));
        LVITEMW row{};
        row.mask = LVIF_TEXT | LVIF_PARAM;
        row.iItem = static_cast<int>(j);
        row.pszText = kind.data();
        row.lParam = static_cast<LPARAM>(j);
        SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&row));
        for (int c = 1; c < kSearchColumnCount; ++c) {
            std::wstring text = wide(hit_column_text(g_hits[j], c));
            LVITEMW cell{};
            cell.iSubItem = c;
            cell.pszText = text.data();
            SendMessageW(list, LVM_SETITEMTEXTW, j, reinterpret_cast<LPARAM>(&cell));
        }
    }
    SendMessageW(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
}

// Adds a successful search text to the history and the combo box's list.
void remember(HWND dialog, const std::string& text) {
    const std::vector<std::string> before = g_history;
    add_to_history(g_history, text);
    if (g_history == before) return;  // the newest entry already
    HWND combo = GetDlgItem(dialog, IDC_SEARCH_TEXT);
    if (g_history.size() == before.size()) SendMessageW(combo, CB_DELETESTRING, 0, 0);  // the oldest went
    SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide(text).c_str()));
}

void run_search(HWND dialog) {
    SendMessageW(results(dialog), LVM_DELETEALLITEMS, 0, 0);
    const SearchOptions options = search_options(read_form(dialog).checks);
    const std::string text = narrow(search_field(dialog));  // exactly as typed, spaces included
    if (text.empty()) {
        ask(dialog, wide_utf8("検索文字列が指定されていません。"), "Varuno：エラー", MB_OK);
        return;
    }
    // The empty mark stands in most cells: searching it finds nothing by rule.
    if (text != ";") {
        if (selected_kind_count(dialog) == 0) {
            if (ask(dialog, wide_utf8("単位種が選択されていません。全てを選択して、検索を続行しますか？"), "Varuno：エラー",
                    MB_YESNO) != IDYES)
                return;
            select_all_kinds(dialog, true);
        }
        std::vector<int> kinds;
        for (int k = 0; k < kind_count; ++k)
            if (SendDlgItemMessageW(dialog, IDC_SEARCH_KINDS, LB_GETSEL, k, 0) > 0) kinds.push_back(k);
        std::vector<search_hit> hits = find_units(text, kinds, options);
        if (!hits.empty()) {
            g_hits = std::move(hits);
            show_hits(results(dialog));
            remember(dialog, text);
            SetDlgItemTextW(dialog, IDC_SEARCH_COUNTER, wide(hit_counter_text(g_hits.size())).c_str());
            return;
        }
    }
    ask(dialog, wide_utf8("見つかりませんでした。"), "Varuno：検索結果", MB_OK);
}

int CALLBACK by_rank(LPARAM a, LPARAM b, LPARAM) {
    return g_sort_rank[static_cast<std::size_t>(a)] - g_sort_rank[static_cast<std::size_t>(b)];
}

// A click on the head of `column`: flips its direction, sorts the rows and
// moves the hit records with them.
void sort_results(HWND list, int column) {
    const SortDirection direction = flip_sort_direction(g_directions[static_cast<std::size_t>(column)]);
    const auto rows = static_cast<std::size_t>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
    if (rows == 0 || rows != g_hits.size()) return;  // an empty list after a reopening or a failed search
    std::vector<std::string> texts;
    for (const search_hit& hit : g_hits) texts.push_back(hit_column_text(hit, column));
    const std::vector<int> order = sorted_row_order(texts, direction);
    g_sort_rank.assign(rows, 0);
    for (std::size_t q = 0; q < rows; ++q) g_sort_rank[static_cast<std::size_t>(order[q])] = static_cast<int>(q);
    SendMessageW(list, LVM_SORTITEMS, 0, reinterpret_cast<LPARAM>(by_rank));
    // The list's order is what the user sees: follow it, then renumber.
    std::vector<int> moved(rows);
    for (std::size_t p = 0; p < rows; ++p) {
        LVITEMW row{};
        row.mask = LVIF_PARAM;
        row.iItem = static_cast<int>(p);
        SendMessageW(list, LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&row));
        moved[p] = static_cast<int>(row.lParam);
    }
    if (!reorder_hits(g_hits, moved)) return;
    for (std::size_t p = 0; p < rows; ++p) {
        LVITEMW row{};
        row.mask = LVIF_PARAM;
        row.iItem = static_cast<int>(p);
        row.lParam = static_cast<LPARAM>(p);
        SendMessageW(list, LVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&row));
    }
}

// Selects the hit's unit on both sides of both courts; no conversion runs.
void select_in_main_window(const search_hit& hit) {
    select_kind(hit.kind, window_lists());
    const int position = display_position(kind_tables[static_cast<std::size_t>(hit.kind)], hit.row);
    for (int j = 0; j < 4; ++j) {
        select_unit(j, position);
        status_list_changed(j);
    }
}

void show_detail(HWND dialog) {
    const auto p = static_cast<int>(SendMessageW(results(dialog), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
    if (p < 0 || static_cast<std::size_t>(p) >= g_hits.size()) return;
    const search_hit hit = g_hits[static_cast<std::size_t>(p)];
    if (ask(dialog, wide(hit_detail_text(hit)), "Varuno：結果詳細", MB_YESNO) != IDYES) return;
    select_in_main_window(hit);
    g_applied = true;
    if (ask(dialog, wide_utf8("単位種の選択と、単位の選択が完了しました。\n\n検索フォームを閉じます。"), "Varuno：自動選択",
            MB_YESNO) == IDYES)
        close(dialog);
}

void open(HWND dialog) {
    for (int k = 0; k < kind_count; ++k)
        SendDlgItemMessageW(dialog, IDC_SEARCH_KINDS, LB_ADDSTRING, 0,
                            reinterpret_cast<LPARAM>(wide(kind_names[static_cast<std::size_t>(k)]).c_str()));
    g_history.clear();
    restore(dialog);
    insert_columns(results(dialog));
}

void on_command(HWND dialog, int id, int code) {
    if (code != BN_CLICKED) return;
    switch (id) {
    case IDC_SEARCH_RUN:
        // Enter on the result list explains the selected hit, as a double
        // click does; anywhere else it searches (検索 is the default button).
        if (GetFocus() == results(dialog) && SendMessageW(results(dialog), LVM_GETSELECTEDCOUNT, 0, 0) > 0)
            show_detail(dialog);
        else
            run_search(dialog);
        break;
    case IDC_SEARCH_CLOSE: close(dialog); break;
    case IDC_SEARCH_RESET:
        forget_search_state();
        restore(dialog);
        break;
    case IDC_SEARCH_ALL_KINDS: select_all_kinds(dialog, true); break;
    case IDC_SEARCH_NO_KINDS: select_all_kinds(dialog, false); break;
    default: break;  // Esc (IDCANCEL) does nothing
    }
}

INT_PTR CALLBACK search_proc(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
    case WM_INITDIALOG:
        open(dialog);
        return TRUE;
    case WM_COMMAND:
        on_command(dialog, LOWORD(wparam), HIWORD(wparam));
        return TRUE;
    case WM_NOTIFY: {
        const auto* head = reinterpret_cast<const NMHDR*>(lparam);
        if (head->idFrom != IDC_SEARCH_RESULTS) return FALSE;
        if (head->code == LVN_COLUMNCLICK) {
            const int column = reinterpret_cast<const NMLISTVIEW*>(lparam)->iSubItem;
            if (column >= 0 && column < kSearchColumnCount) sort_results(results(dialog), column);
        } else if (head->code == NM_DBLCLK) {
            show_detail(dialog);
        }
        return TRUE;
    }
    case WM_CLOSE:  // the close box saves like 終了
        close(dialog);
        return TRUE;
    }
    return FALSE;
}

} // namespace

bool open_search_dialog() {
    g_applied = false;
    DialogBoxParamW(app_instance(), MAKEINTRESOURCEW(IDD_SEARCH), main_window(), search_proc, 0);
    return g_applied;
}

} // namespace varuno
