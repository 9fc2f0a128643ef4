// The unit search (template 168): finds units by text across the chosen
// kinds, lists one row per matching field, explains a hit and, if the user
// agrees, makes its kind current and selects the unit in all four lists of
// the main window. The rules live in dialogs/search_state and unitdb/search;
// this file moves them between the controls.
#include <windows.h>
#include <commctrl.h>

#include <array>
#include <string>
#include <vector>

#include "dialogs/dialogs_win.h"
#include "dialogs/report_columns_win.h"
#include "platform/dpi_win.h"
#include "platform/wide_text.h"
#include "resources/pixel_sizes.h"
#include "resources/resource.h"
#include "unitdb/accessors.h"

namespace varuno {
namespace {

constexpr const char* kColumnHeads[kSearchColumnCount] = {"単位種",   "日本語表記", "単位記号", "国名",
                                                          "補助記号", "汎用レート", "備考"};

// One run of the dialog. The hits and the sort directions outlive it, in
// the dialogs' memory.
struct SearchDialog {
    MainWindowPort& main;
    DialogMemory& memory;
    HWND dialog = nullptr;
    std::vector<std::string> history{};  // the search-text list, oldest first
    bool applied = false;                // a hit went into the courts

    HWND control(int id) const { return GetDlgItem(dialog, id); }
    HWND results() const { return control(IDC_SEARCH_RESULTS); }

    // Messages are owned by the dialog, so that it stays disabled while they are up.
    int ask(const char* utf8_text, const char* utf8_caption, UINT type) const {
        return MessageBoxW(dialog, wide_utf8(utf8_text).c_str(), wide_utf8(utf8_caption).c_str(), type);
    }
};

int selected_kind_count(const SearchDialog& d) {
    return static_cast<int>(SendMessageW(d.control(IDC_SEARCH_KINDS), LB_GETSELCOUNT, 0, 0));
}

void select_all_kinds(const SearchDialog& d, bool selected) {
    SendMessageW(d.control(IDC_SEARCH_KINDS), LB_SETSEL, selected, -1);
}

// What the search-text field shows.
std::wstring search_field(const SearchDialog& d) {
    HWND combo = d.control(IDC_SEARCH_TEXT);
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(combo)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(combo, text.data(), static_cast<int>(text.size()))));
    return text;
}

SearchForm read_form(const SearchDialog& d) {
    SearchForm form;
    for (int i = 0; i < kSearchCheckCount; ++i)
        form.checks[static_cast<std::size_t>(i)] =
            static_cast<int>(IsDlgButtonChecked(d.dialog, kSearchFirstCheck + i));
    form.kinds.resize(kind_count);
    for (int k = 0; k < kind_count; ++k)
        form.kinds[static_cast<std::size_t>(k)] = SendMessageW(d.control(IDC_SEARCH_KINDS), LB_GETSEL, k, 0) > 0;
    form.history = d.history;
    return form;
}

void show_form(SearchDialog& d, const SearchForm& form) {
    for (int i = 0; i < kSearchCheckCount; ++i)
        CheckDlgButton(d.dialog, kSearchFirstCheck + i, static_cast<UINT>(form.checks[static_cast<std::size_t>(i)]));
    HWND kinds = d.control(IDC_SEARCH_KINDS);
    for (int k = 0; k < kind_count; ++k) SendMessageW(kinds, LB_SETSEL, form.kinds[static_cast<std::size_t>(k)], k);
    SendMessageW(kinds, LB_SETTOPINDEX, 0, 0);  // selecting scrolled to the last kind
    // Emptying the list empties the edit field too: keep what it shows.
    const std::wstring text = search_field(d);
    HWND combo = d.control(IDC_SEARCH_TEXT);
    SendMessageW(combo, CB_RESETCONTENT, 0, 0);
    d.history = form.history;
    for (const std::string& entry : d.history)
        SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide(entry).c_str()));
    SetWindowTextW(combo, text.c_str());
}

void restore(SearchDialog& d) {
    SearchForm form = read_form(d);
    const bool saved = restore_search_state(form);
    show_form(d, form);
    if (saved) return;
    SetDlgItemTextW(d.dialog, IDC_SEARCH_TEXT, L"");
    SendMessageW(d.results(), LVM_DELETEALLITEMS, 0, 0);
}

void close(SearchDialog& d) {
    if (!save_search_state(read_form(d))) d.main.save_failed(kSearchStateFile);
    EndDialog(d.dialog, 0);
}

// One row per hit; a row's item data is its record's position in the hits.
void show_hits(SearchDialog& d) {
    HWND list = d.results();
    const std::vector<search_hit>& hits = d.memory.hits;
    SendMessageW(list, WM_SETREDRAW, FALSE, 0);
    for (std::size_t j = 0; j < hits.size(); ++j) {
        std::wstring kind = wide(hit_column_text(d.main.tables(), hits[j], 0));
        LVITEMW row{};
        row.mask = LVIF_TEXT | LVIF_PARAM;
        row.iItem = static_cast<int>(j);
        row.pszText = kind.data();
        row.lParam = static_cast<LPARAM>(j);
        SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&row));
        for (int c = 1; c < kSearchColumnCount; ++c) {
            std::wstring text = wide(hit_column_text(d.main.tables(), hits[j], c));
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
void remember(SearchDialog& d, const std::string& text) {
    const std::vector<std::string> before = d.history;
    add_to_history(d.history, text);
    if (d.history == before) return;  // the newest entry already
    HWND combo = d.control(IDC_SEARCH_TEXT);
    if (d.history.size() == before.size()) SendMessageW(combo, CB_DELETESTRING, 0, 0);  // the oldest went
    SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide(text).c_str()));
}

void run_search(SearchDialog& d) {
    SendMessageW(d.results(), LVM_DELETEALLITEMS, 0, 0);
    const SearchOptions options = search_options(read_form(d).checks);
    const std::string text = narrow(search_field(d));  // exactly as typed, spaces included
    if (text.empty()) {
        d.ask("検索文字列が指定されていません。", "Varuno：エラー", MB_OK);
        return;
    }
    // The empty mark stands in most cells: searching it finds nothing by rule.
    if (!is_empty_mark(text)) {
        if (selected_kind_count(d) == 0) {
            if (d.ask("単位種が選択されていません。全てを選択して、検索を続行しますか？", "Varuno：エラー", MB_YESNO) !=
                IDYES)
                return;
            select_all_kinds(d, true);
        }
        std::vector<int> kinds;
        for (int k = 0; k < kind_count; ++k)
            if (SendMessageW(d.control(IDC_SEARCH_KINDS), LB_GETSEL, k, 0) > 0) kinds.push_back(k);
        std::vector<search_hit> hits = find_units(d.main.tables(), text, kinds, options);
        if (!hits.empty()) {
            d.memory.hits = std::move(hits);
            show_hits(d);
            remember(d, text);
            SetDlgItemTextW(d.dialog, IDC_SEARCH_COUNTER, wide(hit_counter_text(d.memory.hits.size())).c_str());
            return;
        }
    }
    d.ask("見つかりませんでした。", "Varuno：検索結果", MB_OK);
}

// The list control orders its rows by their ranks: the rank of the row
// whose item data is i is rank[i].
int CALLBACK by_rank(LPARAM a, LPARAM b, LPARAM ranks) {
    const auto& rank = *reinterpret_cast<const std::vector<int>*>(ranks);
    return rank[static_cast<std::size_t>(a)] - rank[static_cast<std::size_t>(b)];
}

// A click on the head of `column`: flips its direction, sorts the rows and
// moves the hit records with them.
void sort_results(SearchDialog& d, int column) {
    SortDirection& direction = d.memory.hit_directions[static_cast<std::size_t>(column)];
    direction = flipped(direction);
    HWND list = d.results();
    std::vector<search_hit>& hits = d.memory.hits;
    const auto rows = static_cast<std::size_t>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
    if (rows == 0 || rows != hits.size()) return;  // an empty list after a reopening or a failed search
    std::vector<std::string> texts;
    for (const search_hit& hit : hits) texts.push_back(hit_column_text(d.main.tables(), hit, column));
    const std::vector<int> order = sorted_row_order(texts, direction);
    std::vector<int> rank(rows, 0);
    for (std::size_t q = 0; q < rows; ++q) rank[static_cast<std::size_t>(order[q])] = static_cast<int>(q);
    SendMessageW(list, LVM_SORTITEMS, reinterpret_cast<WPARAM>(&rank), reinterpret_cast<LPARAM>(by_rank));
    // The list's order is what the user sees: follow it, then renumber.
    std::vector<int> moved(rows);
    for (std::size_t p = 0; p < rows; ++p) {
        LVITEMW row{};
        row.mask = LVIF_PARAM;
        row.iItem = static_cast<int>(p);
        SendMessageW(list, LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&row));
        moved[p] = static_cast<int>(row.lParam);
    }
    if (!reorder_hits(hits, moved)) return;
    for (std::size_t p = 0; p < rows; ++p) {
        LVITEMW row{};
        row.mask = LVIF_PARAM;
        row.iItem = static_cast<int>(p);
        row.lParam = static_cast<LPARAM>(p);
        SendMessageW(list, LVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&row));
    }
}

// Selects the hit's unit on both sides of both courts; no conversion runs.
void select_in_main_window(SearchDialog& d, const search_hit& hit) {
    d.main.select_kind(hit.kind);
    const int position = display_position(d.main.tables()[hit.kind], hit.row);
    for (int j = 0; j < 4; ++j) {
        d.main.select_unit(j, position);
        d.main.show_unit_in_status(j);
    }
    d.applied = true;
}

void show_detail(SearchDialog& d) {
    const auto p = static_cast<int>(SendMessageW(d.results(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
    if (p < 0 || static_cast<std::size_t>(p) >= d.memory.hits.size()) return;
    const search_hit hit = d.memory.hits[static_cast<std::size_t>(p)];
    if (MessageBoxW(d.dialog, wide(hit_detail_text(d.main.tables(), hit)).c_str(),
                    wide_utf8("Varuno：結果詳細").c_str(), MB_YESNO) != IDYES)
        return;
    select_in_main_window(d, hit);
    if (d.ask("単位種の選択と、単位の選択が完了しました。\n\n検索フォームを閉じます。", "Varuno：自動選択", MB_YESNO) ==
        IDYES)
        close(d);
}

void open(SearchDialog& d) {
    for (int k = 0; k < kind_count; ++k)
        SendMessageW(d.control(IDC_SEARCH_KINDS), LB_ADDSTRING, 0,
                     reinterpret_cast<LPARAM>(wide(kind_names[static_cast<std::size_t>(k)]).c_str()));
    restore(d);
    SendMessageW(d.results(), LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    insert_report_columns(d.results(), kColumnHeads, px96::kSearchColumns, dpi_of(d.dialog));
}

void on_command(SearchDialog& d, int id, int code) {
    if (code != BN_CLICKED) return;
    switch (id) {
    case IDC_SEARCH_RUN:
        // Enter on the result list explains the selected hit, as a double
        // click does; anywhere else it searches (検索 is the default button).
        if (GetFocus() == d.results() && SendMessageW(d.results(), LVM_GETSELECTEDCOUNT, 0, 0) > 0)
            show_detail(d);
        else
            run_search(d);
        break;
    case IDC_SEARCH_CLOSE: close(d); break;
    case IDC_SEARCH_RESET:
        if (!forget_search_state()) d.main.save_failed(kSearchStateFile);
        restore(d);
        break;
    case IDC_SEARCH_ALL_KINDS: select_all_kinds(d, true); break;
    case IDC_SEARCH_NO_KINDS: select_all_kinds(d, false); break;
    default: break;  // Esc (IDCANCEL) does nothing
    }
}

INT_PTR CALLBACK search_proc(HWND dialog, UINT message, WPARAM wparam, LPARAM lparam) {
    SearchDialog* d = dialog_state<SearchDialog>(dialog, message, lparam);
    if (!d) return FALSE;
    switch (message) {
    case WM_INITDIALOG:
        d->dialog = dialog;
        open(*d);
        return TRUE;
    case WM_COMMAND: on_command(*d, LOWORD(wparam), HIWORD(wparam)); return TRUE;
    case WM_NOTIFY: {
        const auto* head = reinterpret_cast<const NMHDR*>(lparam);
        if (head->idFrom != IDC_SEARCH_RESULTS) return FALSE;
        if (head->code == LVN_COLUMNCLICK) {
            const int column = reinterpret_cast<const NMLISTVIEW*>(lparam)->iSubItem;
            if (column >= 0 && column < kSearchColumnCount) sort_results(*d, column);
        } else if (head->code == NM_DBLCLK) {
            show_detail(*d);
        }
        return TRUE;
    }
    case WM_CLOSE:  // the close box saves like 終了
        close(*d);
        return TRUE;
    }
    return FALSE;
}

}  // namespace

bool open_search_dialog(MainWindowPort& main, DialogMemory& memory) {
    SearchDialog d{main, memory};
    DialogBoxParamW(main.instance(), MAKEINTRESOURCEW(IDD_SEARCH), main.owner(), search_proc,
                    reinterpret_cast<LPARAM>(&d));
    return d.applied;
}

}  // namespace varuno
