// End-to-end tests of the favourites panel (★) of varuno.exe under Wine:
// adding a court's pair, re-converting into both courts, use counts,
// deleting with renumbering, sorting, and entries that do not fit.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <vector>

#include "tests/e2e/varuno_test_fixture.h"
#include "tests/e2e/win_driver.h"

namespace varuno::e2e {
namespace {

constexpr int kListABefore = 4000, kListAAfter = 4001, kListBBefore = 4002, kListBAfter = 4003;
constexpr int kAdd = 1078, kList = 1056, kReconvert = 1076, kCancel = 1077;
constexpr int kMissing = -12345;

struct Entry {
    int kind, before_row, after_row, uses;
};

std::wstring fv_file() { return beside_test(L"varuno_fv.ini").wstring(); }

int fv(const wchar_t* section, const std::wstring& key) {
    return static_cast<int>(GetPrivateProfileIntW(section, key.c_str(), kMissing, fv_file().c_str()));
}

Entry stored(int i) {
    const std::wstring key = std::to_wstring(i);
    return {fv(L"uk", key), fv(L"bf", key), fv(L"af", key), fv(L"COU", key)};
}

bool operator==(const Entry& a, const Entry& b) {
    return a.kind == b.kind && a.before_row == b.before_row && a.after_row == b.after_row && a.uses == b.uses;
}

void PrintTo(const Entry& e, std::ostream* os) {
    *os << "{" << e.kind << ", " << e.before_row << ", " << e.after_row << ", " << e.uses << "}";
}

// Writes a favourites file as the program would have left it.
void store(const std::vector<Entry>& entries) {
    const std::wstring file = fv_file();
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const std::wstring key = std::to_wstring(i);
        WritePrivateProfileStringW(L"uk", key.c_str(), std::to_wstring(entries[i].kind).c_str(), file.c_str());
        WritePrivateProfileStringW(L"bf", key.c_str(), std::to_wstring(entries[i].before_row).c_str(), file.c_str());
        WritePrivateProfileStringW(L"af", key.c_str(), std::to_wstring(entries[i].after_row).c_str(), file.c_str());
        WritePrivateProfileStringW(L"COU", key.c_str(), std::to_wstring(entries[i].uses).c_str(), file.c_str());
    }
    WritePrivateProfileStringW(L"FV", L"c", std::to_wstring(entries.size()).c_str(), file.c_str());
    WritePrivateProfileStringW(nullptr, nullptr, nullptr, file.c_str());
}

class Favourites : public VarunoTest {
protected:
    bool start_at_once() const override { return false; }
    void start() { ASSERT_TRUE(app.start()); }
    void open() {
        panel = open_favourites(app);
        ASSERT_NE(panel, nullptr);
        list = GetDlgItem(panel, kList);
    }
    std::wstring cell(int row, int column) const { return list_view_text(app.process(), list, row, column); }
    std::vector<std::wstring> column(int k) const {
        std::vector<std::wstring> texts;
        for (int row = 0; row < list_view_count(list); ++row) texts.push_back(cell(row, k));
        return texts;
    }
    void select_only(std::initializer_list<int> rows) const {
        for (int row = 0; row < list_view_count(list); ++row) list_view_set_selected(app.process(), list, row, false);
        for (int row : rows) list_view_set_selected(app.process(), list, row, true);
    }
    // Answers a message box with the given caption; returns its text.
    std::wstring answer(const char* caption, int button) const {
        HWND box = wait_dialog(app.process_id(), utf16(caption));
        if (!box) return L"(no message box)";
        const std::wstring text = message_text(box);
        click(box, button);
        wait_for([&] { return !IsWindow(box); });
        WaitForInputIdle(app.process(), 5000);
        return text;
    }
    bool panel_closes() const {
        return wait_for([&] { return !IsWindow(panel); });
    }
    void press_delete() const { PostMessageW(list, WM_KEYUP, VK_DELETE, 0xC0000001); }
    void expect_main_lists(int a_before, int a_after, int b_before, int b_after) const {
        EXPECT_EQ(app.selection(kListABefore), a_before);
        EXPECT_EQ(app.selection(kListAAfter), a_after);
        EXPECT_EQ(app.selection(kListBBefore), b_before);
        EXPECT_EQ(app.selection(kListBAfter), b_after);
    }

    HWND panel = nullptr;
    HWND list = nullptr;
};

// 再換算 needs exactly one row: with none and with two it says so and does
// nothing; with one the pair goes into court A and the status bar names it.
// Adding without a before unit says what is missing and closes the panel.
TEST_F(Favourites, ReconvertNeedsOneRowAndAddingNeedsBothUnits) {
    store({{0, 4, 7, 0}, {0, 13, 15, 0}});  // 寸法 mm -> m, in -> ft
    start();
    ASSERT_TRUE(app.choose_kind(0));
    open();
    const std::wstring one_row = utf16("アイテムが選択されていないか、複数のアイテムが選択されています。\n"
                                       "お気に入り換算リストから、アイテムを一つ選択してください。");
    for (std::initializer_list<int> rows : {std::initializer_list<int>{}, std::initializer_list<int>{0, 1}}) {
        select_only(rows);
        PostMessageW(panel, WM_COMMAND, MAKEWPARAM(kReconvert, BN_CLICKED), 0);
        EXPECT_EQ(answer("Varuno：エラー", IDOK), one_row) << rows.size() << " rows";
        EXPECT_TRUE(IsWindow(panel));
        expect_main_lists(-1, -1, -1, -1);
    }
    EXPECT_EQ(stored(0).uses, 0);
    select_only({1});
    PostMessageW(panel, WM_COMMAND, MAKEWPARAM(kReconvert, BN_CLICKED), 0);
    ASSERT_TRUE(panel_closes());
    ASSERT_TRUE(app.processed());
    expect_main_lists(13, 15, 15, 13);
    // The marquee shows the new pair from its next step; turning, it lies
    // whole in the text seen twice.
    EXPECT_TRUE(wait_for(
        [&] {
            const std::wstring units = app.status_part(2);
            return (units + units).find(utf16("インチ")) != std::wstring::npos;
        },
        5))
        << app.status_part(2);

    app.select(kListABefore, -1);
    open();
    PostMessageW(panel, WM_COMMAND, MAKEWPARAM(kAdd, BN_CLICKED), 0);
    EXPECT_FALSE(answer("Varuno：お気に入り換算登録", IDYES).empty());
    EXPECT_EQ(answer("Varuno：エラー", IDOK),
              utf16("換算『前』単位が選択されていません。\n換算『前』単位リストから単位を選択してください。\n\n"
                    "お気に入りフォームを閉じます。"));
    EXPECT_TRUE(panel_closes());
    EXPECT_EQ(fv(L"FV", L"c"), 2);
}

TEST_F(Favourites, AddingFromCourtBAndReconvertingPutsItReversedIntoCourtB) {
    start();
    ASSERT_TRUE(app.choose_kind(0));  // 寸法, storage order
    app.select(kListBBefore, 4);      // mm
    app.select(kListBAfter, 7);       // m
    app.select(kListABefore, 13);     // in
    app.select(kListAAfter, 15);      // ft
    open();
    EXPECT_EQ(list_view_count(list), 0);

    click(panel, kAdd);
    EXPECT_EQ(answer("Varuno：お気に入り換算登録", IDNO),
              utf16("お気に入り換算リストに現在選択中の単位を登録します。\n\nはい\tAコート（赤枠）の単位を登録。\n"
                    "いいえ\tBコート（青枠）の単位を登録。\nキャンセル\t登録中止。"));
    ASSERT_EQ(list_view_count(list), 1);
    EXPECT_EQ(cell(0, 0), utf16("寸法"));
    EXPECT_EQ(cell(0, 1), L"mm");
    EXPECT_EQ(cell(0, 2), L"m");
    EXPECT_EQ(cell(0, 3), L"0");
    EXPECT_EQ(fv(L"FV", L"c"), 1);
    EXPECT_EQ(stored(0), (Entry{0, 4, 7, kMissing}));  // no use count is written by adding

    click(panel, kAdd);
    answer("Varuno：お気に入り換算登録", IDYES);  // court A: in -> ft
    click(panel, kAdd);
    answer("Varuno：お気に入り換算登録", IDCANCEL);  // nothing added
    ASSERT_EQ(list_view_count(list), 2);
    EXPECT_EQ(cell(1, 1), L"in");
    EXPECT_EQ(cell(1, 2), L"ft");
    EXPECT_EQ(fv(L"FV", L"c"), 2);
    screenshot(panel, beside_test(L"screenshots\\favourites.bmp"));

    select_only({0});
    click(panel, kReconvert);
    ASSERT_TRUE(panel_closes());
    WaitForInputIdle(app.process(), 5000);
    expect_main_lists(4, 7, 7, 4);
    EXPECT_EQ(app.text(4004), L"");  // no conversion runs: the fields wait for input
    EXPECT_EQ(stored(0).uses, 1);
    EXPECT_EQ(stored(1).uses, kMissing);
}

TEST_F(Favourites, UseCountsRiseWithEachReconversionAndStopAt999) {
    store({{0, 4, 7, 0}, {5, 0, 1, 999}});
    start();
    for (int i = 0; i < 5; ++i) {
        open();
        select_only({0});
        if (i % 2 == 0)
            click(panel, kReconvert);
        else
            list_view_double_click(app.process(), list, 0);  // exactly like 再換算
        ASSERT_TRUE(panel_closes()) << "re-conversion " << i;
        WaitForInputIdle(app.process(), 5000);
    }
    EXPECT_EQ(stored(0).uses, 5);
    open();
    EXPECT_EQ(cell(0, 3), L"5");
    EXPECT_EQ(cell(1, 3), L"999");
    select_only({1});
    click(panel, kReconvert);
    ASSERT_TRUE(panel_closes());
    WaitForInputIdle(app.process(), 5000);
    EXPECT_EQ(stored(1).uses, 999);
    EXPECT_EQ(app.status_part(1), utf16("圧力"));
    expect_main_lists(0, 1, 1, 0);
}

TEST_F(Favourites, DeletingEntryOneOfThreeRenumbersTheFile) {
    store({{0, 4, 7, 3}, {5, 0, 1, 8}, {0, 13, 15, 12}});
    start();
    open();
    ASSERT_EQ(list_view_count(list), 3);

    select_only({1});
    press_delete();
    HWND box = wait_dialog(app.process_id(), utf16("Varuno：削除確認"));
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(message_text(box), utf16("選択中のアイテムを削除してもよろしいでしょうか？"));
    EXPECT_TRUE(GetWindowLongW(GetDlgItem(box, IDCANCEL), GWL_STYLE) & BS_DEFPUSHBUTTON);
    click(box, IDCANCEL);  // changes nothing
    ASSERT_TRUE(wait_for([&] { return !IsWindow(box); }));
    WaitForInputIdle(app.process(), 5000);
    EXPECT_EQ(list_view_count(list), 3);
    EXPECT_EQ(fv(L"FV", L"c"), 3);

    press_delete();
    answer("Varuno：削除確認", IDOK);
    EXPECT_TRUE(IsWindow(panel));  // the panel stays open
    ASSERT_EQ(list_view_count(list), 2);
    EXPECT_EQ(column(3), (std::vector<std::wstring>{L"3", L"12"}));
    EXPECT_EQ(fv(L"FV", L"c"), 2);
    EXPECT_EQ(stored(0), (Entry{0, 4, 7, 3}));
    EXPECT_EQ(stored(1), (Entry{0, 13, 15, 12}));
    EXPECT_EQ(stored(2), (Entry{kMissing, kMissing, kMissing, kMissing}));

    select_only({});
    press_delete();  // nothing selected: still asks, removes nothing
    answer("Varuno：削除確認", IDOK);
    EXPECT_EQ(list_view_count(list), 2);
    EXPECT_EQ(fv(L"FV", L"c"), 2);
    click(panel, kCancel);
    EXPECT_TRUE(panel_closes());
}

TEST_F(Favourites, SortedRowsKeepTheirEntriesForDeleteAndReconvert) {
    store({{0, 4, 7, 9}, {5, 0, 1, 10}, {0, 13, 15, 2}, {0, 7, 4, 30}});
    start();
    open();
    list_view_click_column(list, 3);  // 回数, ascending as text
    ASSERT_TRUE(wait_for([&] { return cell(0, 3) == L"10"; }, 5));
    EXPECT_EQ(column(3), (std::vector<std::wstring>{L"10", L"2", L"30", L"9"}));
    list_view_click_column(list, 0);  // 単位種: 圧力 sorts before 寸法 in code page 932
    ASSERT_TRUE(wait_for([&] { return cell(0, 0) == utf16("圧力"); }, 5));
    list_view_click_column(list, 3);  // 回数 again: descending
    ASSERT_TRUE(wait_for([&] { return cell(0, 3) == L"9"; }, 5));
    EXPECT_EQ(column(3), (std::vector<std::wstring>{L"9", L"30", L"2", L"10"}));

    select_only({0, 3});  // entries 0 and 1, both in one go
    press_delete();
    answer("Varuno：削除確認", IDOK);
    EXPECT_EQ(column(3), (std::vector<std::wstring>{L"30", L"2"}));
    EXPECT_EQ(fv(L"FV", L"c"), 2);
    EXPECT_EQ(stored(0), (Entry{0, 13, 15, 2}));
    EXPECT_EQ(stored(1), (Entry{0, 7, 4, 30}));

    select_only({0});  // shows entry 1 now (3 before)
    click(panel, kReconvert);
    ASSERT_TRUE(panel_closes());
    WaitForInputIdle(app.process(), 5000);
    EXPECT_EQ(stored(1).uses, 31);
    EXPECT_EQ(stored(0).uses, 2);
    expect_main_lists(7, 4, 4, 7);
}

TEST_F(Favourites, WithoutAFileTheListIsEmptyAndNothingCanBeRecalled) {
    start();
    open();
    EXPECT_EQ(list_view_count(list), 0);
    click(panel, kReconvert);
    EXPECT_EQ(answer("Varuno：エラー", IDOK), utf16("お気に入り換算リストに登録がありません。\nまず上の登録ボタンから、"
                                                    "お気に入りの換算パターンを登録して下さい。"));
    EXPECT_TRUE(IsWindow(panel));

    click(panel, kAdd);  // no kind chosen yet
    answer("Varuno：お気に入り換算登録", IDYES);
    EXPECT_EQ(answer("Varuno：エラー", IDOK),
              utf16("単位種が選択されていません。\n『Ω』ボタンを押して、単位種と単位を選択してください。\n\n"
                    "お気に入りフォームを閉じます。"));
    EXPECT_TRUE(panel_closes());
    EXPECT_FALSE(std::filesystem::exists(fv_file()));

    ASSERT_TRUE(app.choose_kind(0));
    app.select(kListABefore, 4);
    open();
    click(panel, kAdd);
    answer("Varuno：お気に入り換算登録", IDYES);
    EXPECT_EQ(answer("Varuno：エラー", IDOK),
              utf16("換算『後』単位が選択されていません。\n換算『後』単位リストから単位を選択してください。\n\n"
                    "お気に入りフォームを閉じます。"));
    EXPECT_TRUE(panel_closes());
    EXPECT_EQ(fv(L"FV", L"c"), kMissing);  // the count is never written
    EXPECT_EQ(fv(L"bf", L"0"), 4);         // left beyond the count
}

TEST_F(Favourites, EntriesThatDoNotFitAreMarkedRefusedAndCanBeDeleted) {
    store({{75, 4, 7, 3}, {0, 4, 9999, 1}, {0, 4, 7, 0}});
    start();
    open();
    ASSERT_EQ(list_view_count(list), 3);
    EXPECT_EQ(cell(0, 0), utf16("（無効）"));
    EXPECT_EQ(cell(1, 0), utf16("寸法"));
    EXPECT_EQ(cell(1, 1), L"mm");
    EXPECT_EQ(cell(1, 2), utf16("（無効）"));
    for (int row : {0, 1}) {
        select_only({row});
        click(panel, kReconvert);
        EXPECT_EQ(answer("Varuno：エラー", IDOK),
                  utf16("選択されたアイテムの単位種または単位が見つからないため、再換算できません。\n"
                        "このアイテムは［Delete］キーで削除してください。"));
    }
    EXPECT_TRUE(IsWindow(panel));
    EXPECT_EQ(app.status_part(1), utf16("（単位種）"));  // no kind was selected
    EXPECT_EQ(stored(0).uses, 3);

    select_only({0, 1});
    press_delete();
    answer("Varuno：削除確認", IDOK);
    ASSERT_EQ(list_view_count(list), 1);
    EXPECT_EQ(fv(L"FV", L"c"), 1);
    EXPECT_EQ(stored(0), (Entry{0, 4, 7, 0}));
    click(panel, kCancel);
    EXPECT_TRUE(panel_closes());
}

}  // namespace
}  // namespace varuno::e2e
