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

#include "dialogs/balloon_panel_win.h"
#include "dialogs/dialogs_win.h"
#include "dialogs/favourites_file.h"
#include "dialogs/report_columns_win.h"
#include "platform/dpi_win.h"
#include "platform/wide_text.h"
#include "resources/pixel_sizes.h"
#include "resources/resource.h"
#include "unitdb/accessors.h"

namespace varuno {
namespace {

constexpr const char* kErrorCaption = "Varuno：エラー";
constexpr INT_PTR kReconverted = 2;  // the panel's result when a pair went into the courts
constexpr const char* kColumnHeads[] = {"単位種", "前（単位記号）", "後（単位記号）", "回数"};

// One opening of the panel; the sort directions outlive it.
struct FavouritesPanel {
    MainWindowPort& main;
    DialogMemory& memory;
    BalloonPanel balloon{PanelMode::kFavourites};
    HWND panel = nullptr;
    // While the rows are sorted: the texts of the sorted column, by row link.
    std::map<LPARAM, std::string> sort_texts{};
    bool sort_descending = false;

    HWND list() const { return GetDlgItem(panel, IDC_FAV_LIST); }
    // Messages of the panel are owned by the panel, so that it cannot be
    // used while one is open.
    int box(const char* utf8_text, const char* utf8_caption, UINT type) const {
        return MessageBoxW(panel, wide_utf8(utf8_text).c_str(), wide_utf8(utf8_caption).c_str(), type);
    }
};

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
void fill_favourites_list(FavouritesPanel& f) {
    HWND list = f.list();
    SendMessageW(list, LVM_DELETEALLITEMS, 0, 0);
    const std::vector<Favourite> entries = read_favourites();
    for (int i = 0; i < static_cast<int>(entries.size()); ++i) {
        const auto texts = favourite_row_texts(f.main.tables(), entries[static_cast<std::size_t>(i)]);
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

// The row index of the unit chosen in a main-window list, if any.
std::optional<int> chosen_row(const FavouritesPanel& f, int list) {
    const udb* table = f.main.current_kind() >= 0 ? &f.main.tables()[f.main.current_kind()] : nullptr;
    const int p = f.main.chosen_position(list);
    if (!table || p < 0 || p >= table->count) return std::nullopt;
    return table->order[p];
}

void add_to_favourites(FavouritesPanel& f) {
    const int answer = f.box("お気に入り換算リストに現在選択中の単位を登録します。\n\n"
                             "はい\tAコート（赤枠）の単位を登録。\n"
                             "いいえ\tBコート（青枠）の単位を登録。\n"
                             "キャンセル\t登録中止。",
                             "Varuno：お気に入り換算登録", MB_YESNOCANCEL);
    if (answer != IDYES && answer != IDNO) {
        fill_favourites_list(f);
        return;
    }
    const int first = answer == IDYES ? 0 : 2;  // the court's before list; its after list follows
    const char* failure = nullptr;
    switch (add_favourite(f.main.current_kind(), chosen_row(f, first), chosen_row(f, first + 1))) {
    case AddResult::kAdded: fill_favourites_list(f); return;
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
    case AddResult::kFull:
        failure = "お気に入り換算リストがいっぱいです（10,000件まで）。\n"
                  "使わないアイテムを［Delete］キーで削除してから登録してください。";
        f.box(failure, kErrorCaption, MB_OK);
        return;
    case AddResult::kNotStored:
        // The list shows what the file holds: the pair is not in it.
        if (!f.main.save_failed(kFavouritesFile))
            f.box("お気に入り換算リストに登録できませんでした（ファイルに書き込めません）。", kErrorCaption, MB_OK);
        fill_favourites_list(f);
        return;
    }
    f.box(failure, kErrorCaption, MB_OK);
    EndDialog(f.panel, 0);
}

void reconvert_favourite(FavouritesPanel& f) {
    HWND list = f.list();
    if (row_count(list) == 0) {
        f.box("お気に入り換算リストに登録がありません。\n"
              "まず上の登録ボタンから、お気に入りの換算パターンを登録して下さい。",
              kErrorCaption, MB_OK);
        return;
    }
    if (SendMessageW(list, LVM_GETSELECTEDCOUNT, 0, 0) != 1) {
        f.box("アイテムが選択されていないか、複数のアイテムが選択されています。\n"
              "お気に入り換算リストから、アイテムを一つ選択してください。",
              kErrorCaption, MB_OK);
        return;
    }
    const int row = static_cast<int>(SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
    const int entry = row_link(list, row);
    const Favourite fav = read_favourite(entry);
    // A hand-edited entry may name a kind or row the tables do not have:
    // refuse it rather than select a wrong unit.
    if (!favourite_fits(f.main.tables(), fav)) {
        f.box("選択されたアイテムの単位種または単位が見つからないため、再換算できません。\n"
              "このアイテムは［Delete］キーで削除してください。",
              kErrorCaption, MB_OK);
        return;
    }
    f.main.select_kind(fav.kind);
    const udb& table = f.main.tables()[fav.kind];
    const int positions[4] = {display_position(table, fav.before_row), display_position(table, fav.after_row),
                              display_position(table, fav.after_row), display_position(table, fav.before_row)};
    for (int j = 0; j < 4; ++j) f.main.select_unit(j, positions[j]);
    f.main.show_court_units_in_status(kCourtA);
    if (!count_favourite_use(entry)) f.main.save_failed(kFavouritesFile);
    EndDialog(f.panel, kReconverted);
}

// The confirmation is owned by the main window; the panel is disabled
// meanwhile, so that it cannot act (or ask again) under the box.
void delete_selected_favourites(FavouritesPanel& f) {
    EnableWindow(f.panel, FALSE);
    const int answer =
        MessageBoxW(f.main.owner(), wide_utf8("選択中のアイテムを削除してもよろしいでしょうか？").c_str(),
                    wide_utf8("Varuno：削除確認").c_str(), MB_OKCANCEL | MB_DEFBUTTON2);
    EnableWindow(f.panel, TRUE);
    SetActiveWindow(f.panel);
    if (answer != IDOK) return;
    HWND list = f.list();
    const int n = row_count(list);
    std::vector<int> links(static_cast<std::size_t>(n));
    std::vector<bool> selected(static_cast<std::size_t>(n));
    for (int row = 0; row < n; ++row) {
        links[static_cast<std::size_t>(row)] = row_link(list, row);
        selected[static_cast<std::size_t>(row)] = row_selected(list, row);
    }
    const DeleteOutcome outcome = delete_favourites(links, selected);
    if (!outcome.stored) {
        // Some entries are still in the file: the list shows what it holds.
        if (!f.main.save_failed(kFavouritesFile))
            f.box("選択中のアイテムを削除できませんでした（ファイルに書き込めません）。", kErrorCaption, MB_OK);
        fill_favourites_list(f);
        return;
    }
    const std::vector<int>& kept = outcome.kept;
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

int CALLBACK compare_rows(LPARAM a, LPARAM b, LPARAM panel) {
    auto& f = *reinterpret_cast<FavouritesPanel*>(panel);
    const int order = compare_list_texts(f.sort_texts[a], f.sort_texts[b]);
    return f.sort_descending ? -order : order;
}

void sort_by_column(FavouritesPanel& f, int column) {
    if (column < 0 || column >= 4) return;
    SortDirection& direction = f.memory.favourite_directions[static_cast<std::size_t>(column)];
    direction = flipped(direction);
    HWND list = f.list();
    f.sort_texts.clear();
    for (int row = 0; row < row_count(list); ++row) f.sort_texts[row_link(list, row)] = row_text(list, row, column);
    f.sort_descending = direction == SortDirection::kDescending;
    SendMessageW(list, LVM_SORTITEMS, reinterpret_cast<WPARAM>(&f), reinterpret_cast<LPARAM>(compare_rows));
    f.sort_texts.clear();
}

// The list reports the Delete key's release here, and keeps it to itself.
LRESULT CALLBACK list_subclass(HWND list, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR, DWORD_PTR panel) {
    if (message == WM_KEYUP && wparam == VK_DELETE) {
        delete_selected_favourites(*reinterpret_cast<FavouritesPanel*>(panel));
        return 0;
    }
    return DefSubclassProc(list, message, wparam, lparam);
}

void open_panel(FavouritesPanel& f) {
    f.balloon.open(f.panel);
    HWND list = f.list();
    SetWindowSubclass(list, list_subclass, 0, reinterpret_cast<DWORD_PTR>(&f));
    SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    insert_report_columns(list, kColumnHeads, px96::kFavouritesColumns, dpi_of(list));
    fill_favourites_list(f);
}

INT_PTR CALLBACK favourites_proc(HWND panel, UINT message, WPARAM wparam, LPARAM lparam) {
    FavouritesPanel* f = dialog_state<FavouritesPanel>(panel, message, lparam);
    if (!f) return FALSE;
    switch (message) {
    case WM_INITDIALOG:
        f->panel = panel;
        open_panel(*f);
        return TRUE;
    case WM_DESTROY: RemoveWindowSubclass(f->list(), list_subclass, 0); return FALSE;
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC: return f->balloon.colour(reinterpret_cast<HDC>(wparam));
    case WM_NOTIFY: {
        const auto* header = reinterpret_cast<const NMHDR*>(lparam);
        if (header->idFrom != IDC_FAV_LIST) return FALSE;
        if (header->code == NM_DBLCLK) reconvert_favourite(*f);
        if (header->code == LVN_COLUMNCLICK) sort_by_column(*f, reinterpret_cast<const NMLISTVIEW*>(lparam)->iSubItem);
        return TRUE;
    }
    case WM_COMMAND:
        switch (LOWORD(wparam)) {
        case IDC_FAV_ADD: add_to_favourites(*f); break;
        case IDC_FAV_RECONVERT: reconvert_favourite(*f); break;
        case IDC_FAV_CANCEL: EndDialog(panel, 0); break;
        default: break;  // Enter and Esc do nothing: no default button
        }
        return TRUE;
    }
    return FALSE;
}

}  // namespace

bool open_favourites_panel(MainWindowPort& main, DialogMemory& memory) {
    FavouritesPanel f{main, memory};
    return DialogBoxParamW(main.instance(), MAKEINTRESOURCEW(IDD_FAVOURITES), main.owner(), favourites_proc,
                           reinterpret_cast<LPARAM>(&f)) == kReconverted;
}

}  // namespace varuno
