// End-to-end tests of the unit search dialog of varuno.exe: searching, the
// hit details, the automatic selection in the main window, sorting and the
// state kept in varuno.ini.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <map>
#include <string>

#include <gtest/gtest.h>

#include "platform/cp932.h"
#include "tests/e2e/varuno_test_fixture.h"
#include "tests/e2e/win_driver.h"

namespace varuno::e2e {
namespace {

constexpr int kText = 1075, kRun = 1071, kClose = 1052, kReset = 1057, kKinds = 1063, kNoKinds = 1055;
constexpr int kName = 4010, kCase = 4015, kWhole = 4016, kCounter = 1106, kResults = 1073;
constexpr int kSymbolColumn = 2;

int find_int(const wchar_t* key) {
    return static_cast<int>(GetPrivateProfileIntW(L"FIND", key, -1, beside_test(L"varuno.ini").c_str()));
}

// Result texts compare on their first 29 bytes of code page 932.
int compare_texts(const std::wstring& a, const std::wstring& b) {
    std::string x = cp932::from_utf16(std::u16string(a.begin(), a.end()));
    std::string y = cp932::from_utf16(std::u16string(b.begin(), b.end()));
    x.resize(std::min<std::size_t>(x.size(), 29));
    y.resize(std::min<std::size_t>(y.size(), 29));
    return x.compare(y);  // std::string compares chars as unsigned bytes
}

class SearchDialog : public VarunoTest {
protected:
    void SetUp() override {
        VarunoTest::SetUp();
        ASSERT_TRUE(open());
    }
    void TearDown() override {
        // The main window cannot be closed while the modal dialog runs.
        if (IsWindow(dialog)) {
            PostMessageW(dialog, WM_CLOSE, 0, 0);
            wait_for([&] { return !IsWindow(dialog); });
        }
        VarunoTest::TearDown();
    }

    bool open() {
        PostMessageW(app.main(), WM_COMMAND, MAKEWPARAM(40009, 0), 0);
        dialog = wait_dialog(app.process_id(), utf16("QXtool-Varuno　　単位検索フォーム"));
        WaitForInputIdle(app.process(), 5000);
        return dialog != nullptr;
    }
    // Clicks a button whose command opens no message box; returns when it has been handled.
    void press(int id) const {
        SendMessageTimeoutW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(item(id)),
                            SMTO_NORMAL, 10000, nullptr);
    }
    void close() {
        press(kClose);
        ASSERT_TRUE(wait_for([&] { return !IsWindow(dialog); }));
        WaitForInputIdle(app.process(), 5000);
    }
    HWND item(int id) const { return GetDlgItem(dialog, id); }
    void set_search_text(const char* utf8) const {
        SendMessageW(item(kText), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(utf16(utf8).c_str()));
    }
    void check(int id, bool on) const { SendMessageW(item(id), BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0); }
    bool checked(int id) const { return SendMessageW(item(id), BM_GETCHECK, 0, 0) == BST_CHECKED; }
    std::wstring counter() const { return window_text(item(kCounter)); }
    int rows() const { return list_view_count(item(kResults)); }
    std::wstring cell(int row, int column) const { return list_view_text(app.process(), item(kResults), row, column); }
    int history_count() const { return static_cast<int>(SendMessageW(item(kText), CB_GETCOUNT, 0, 0)); }

    // Runs a search that finds something; answers the number of rows.
    int search(const char* utf8) {
        set_search_text(utf8);
        SendMessageW(item(kCounter), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L""));
        press(kRun);
        EXPECT_FALSE(counter().empty()) << "no hits for " << utf8;
        return rows();
    }
    // Answers the message box with this caption; gives its text.
    std::wstring answer(const char* caption, int button) {
        HWND box = wait_dialog(app.process_id(), utf16(caption));
        if (!box) return L"(no box " + utf16(caption) + L")";
        WaitForInputIdle(app.process(), 5000);
        const std::wstring text = message_text(box);
        click(box, button);
        wait_for([&] { return !IsWindow(box); });
        WaitForInputIdle(app.process(), 5000);
        return text;
    }
    // Runs a search that ends in a message box; gives the box's text.
    std::wstring search_to_box(const char* utf8, const char* caption, int button = IDOK) {
        set_search_text(utf8);
        click(dialog, kRun);
        return answer(caption, button);
    }
    std::wstring detail(int row, int button) {
        list_view_double_click(app.process(), item(kResults), row);
        return answer("Varuno：結果詳細", button);
    }

    HWND dialog = nullptr;
};

TEST_F(SearchDialog, OpensWithEveryTargetAndKindAndAnEmptyList) {
    EXPECT_EQ(SendMessageW(item(kKinds), LB_GETCOUNT, 0, 0), 69);
    EXPECT_EQ(SendMessageW(item(kKinds), LB_GETSELCOUNT, 0, 0), 69);
    for (int id = kName; id < kName + 5; ++id) EXPECT_TRUE(checked(id)) << id;
    EXPECT_FALSE(checked(kCase));
    EXPECT_FALSE(checked(kWhole));
    EXPECT_EQ(rows(), 0);
    EXPECT_EQ(counter(), L"");
    HWND header = reinterpret_cast<HWND>(SendMessageW(item(kResults), LVM_GETHEADER, 0, 0));
    EXPECT_EQ(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0), 7);
    // The columns keep their widths unless their heads need more room.
    EXPECT_EQ(SendMessageW(item(kResults), LVM_GETCOLUMNWIDTH, 0, 0), 70);
    EXPECT_GT(SendMessageW(item(kResults), LVM_GETCOLUMNWIDTH, 5, 0), 45);  // 「汎用レート」
    // Esc does nothing; the close box saves like 終了.
    press(IDCANCEL);
    EXPECT_TRUE(IsWindowVisible(dialog));
    EXPECT_EQ(find_int(L"first"), -1);
    PostMessageW(dialog, WM_CLOSE, 0, 0);
    ASSERT_TRUE(wait_for([&] { return !IsWindow(dialog); }));
    EXPECT_EQ(find_int(L"first"), 1);
    EXPECT_EQ(find_int(L"4010"), 1);
    EXPECT_EQ(find_int(L"4015"), 0);
    EXPECT_EQ(find_int(L"68"), 1);
    EXPECT_EQ(find_int(L"CMB_C"), 0);
}

TEST_F(SearchDialog, LowerMListsEveryMatchingFieldByKindThenStorageOrder) {
    const int n = search("m");
    EXPECT_EQ(n, 509);
    EXPECT_EQ(counter(), L" 509 HIT");
    std::map<std::wstring, int> kind_index;
    for (int k = 0; k < 69; ++k) {
        wchar_t name[64] = {};
        SendMessageW(item(kKinds), LB_GETTEXT, static_cast<WPARAM>(k), reinterpret_cast<LPARAM>(name));
        kind_index[name] = k;
    }
    int previous_kind = 0, repeated_units = 0;
    std::wstring previous_row;
    for (int r = 0; r < n; ++r) {
        const std::wstring kind = cell(r, 0);
        ASSERT_TRUE(kind_index.count(kind)) << r;
        EXPECT_GE(kind_index[kind], previous_kind) << "row " << r;
        previous_kind = kind_index[kind];
        std::wstring whole;
        bool has_m = false;
        for (int c = 0; c < 7; ++c) {
            const std::wstring text = cell(r, c);
            whole += text + L"|";
            if (c != 0 && c != 5) has_m |= text.find(L'm') != std::wstring::npos;
        }
        EXPECT_TRUE(has_m) << "row " << r;
        repeated_units += whole == previous_row;  // a unit that matched in two fields
        previous_row = whole;
    }
    EXPECT_GT(repeated_units, 0);
    // 寸法 comes first, its units in storage order.
    EXPECT_EQ(cell(0, 1), utf16("ナノメートル"));
    EXPECT_EQ(cell(1, 1), utf16("ミリミクロン"));
    EXPECT_EQ(cell(2, 1), utf16("マイクロメートル"));
    EXPECT_EQ(cell(3, 2), L"mm");
    EXPECT_EQ(cell(6, 6), utf16("長さのSI基本単位；光が真空中を1/299792458秒間に進む距離。"));
    EXPECT_EQ(history_count(), 1);
    screenshot(dialog, beside_test(L"screenshots\\search.bmp"));
}

TEST_F(SearchDialog, UpperKmIsAFullMatchOnlyWithoutTheCaseOption) {
    // Enter runs the search: 検索 is the default button.
    set_search_text("KM");
    HWND edit = FindWindowExW(item(kText), nullptr, L"Edit", nullptr);
    PostMessageW(edit, WM_KEYDOWN, VK_RETURN, 0);
    ASSERT_TRUE(wait_for([&] { return !counter().empty(); }));
    ASSERT_EQ(rows(), 1);
    EXPECT_EQ(counter(), L" 1 HIT");
    EXPECT_EQ(cell(0, 2), L"km");
    const std::wstring text = detail(0, IDNO);
    EXPECT_EQ(text.rfind(utf16("◎：完全合致　○：部分合致\n\n\n[単位種：寸法]\n"), 0), 0u) << text;
    EXPECT_NE(text.find(utf16("\n◎単位記号\tkm")), std::wstring::npos) << text;
    EXPECT_NE(text.find(utf16("\n□日本語表記\tキロメートル")), std::wstring::npos);
    EXPECT_NE(text.find(utf16("\n\nこの単位で換算を実行しますか？")), std::wstring::npos);

    check(kWhole, true);
    EXPECT_EQ(search("KM"), 1);
    check(kCase, true);
    EXPECT_EQ(search_to_box("KM", "Varuno：検索結果"), utf16("見つかりませんでした。"));
    EXPECT_EQ(rows(), 0);
    EXPECT_EQ(counter(), L" 1 HIT");  // a search that finds nothing keeps the counter

    // The empty mark finds nothing though most cells hold it.
    check(kCase, false);
    check(kWhole, false);
    EXPECT_EQ(search_to_box(";", "Varuno：検索結果"), utf16("見つかりませんでした。"));
    EXPECT_EQ(search_to_box("", "Varuno：エラー"), utf16("検索文字列が指定されていません。"));
    // Nothing new in the history: "KM" twice in a row is one entry.
    EXPECT_EQ(history_count(), 1);
}

TEST_F(SearchDialog, AUnitWhoseNameAndSymbolMatchIsListedTwice) {
    // No kind selected: No stops, Yes selects all and searches.
    press(kNoKinds);
    EXPECT_EQ(SendMessageW(item(kKinds), LB_GETSELCOUNT, 0, 0), 0);
    EXPECT_EQ(search_to_box("海里", "Varuno：エラー", IDNO),
              utf16("単位種が選択されていません。全てを選択して、検索を続行しますか？"));
    EXPECT_EQ(rows(), 0);
    EXPECT_EQ(SendMessageW(item(kKinds), LB_GETSELCOUNT, 0, 0), 0);
    EXPECT_EQ(search_to_box("海里", "Varuno：エラー", IDYES),
              utf16("単位種が選択されていません。全てを選択して、検索を続行しますか？"));
    ASSERT_TRUE(wait_for([&] { return rows() > 0 && !counter().empty(); }));
    EXPECT_EQ(SendMessageW(item(kKinds), LB_GETSELCOUNT, 0, 0), 69);

    // 速度 alone: ノット's remarks, then 海里毎時 by its name and by its symbol.
    SendMessageW(item(kKinds), LB_SETSEL, FALSE, -1);
    SendMessageW(item(kKinds), LB_SETSEL, TRUE, 13);
    ASSERT_EQ(search("海里"), 9);
    EXPECT_EQ(cell(7, 1), utf16("海里毎時"));
    EXPECT_EQ(cell(8, 1), utf16("海里毎時"));
    EXPECT_EQ(cell(8, 2), utf16("海里/h"));
    const std::wstring by_name = detail(7, IDNO);
    EXPECT_NE(by_name.find(utf16("\n○日本語表記\t海里毎時")), std::wstring::npos) << by_name;
    EXPECT_NE(by_name.find(utf16("\n□単位記号\t海里/h")), std::wstring::npos) << by_name;
    const std::wstring by_symbol = detail(8, IDNO);
    EXPECT_NE(by_symbol.find(utf16("\n□日本語表記\t海里毎時")), std::wstring::npos) << by_symbol;
    EXPECT_NE(by_symbol.find(utf16("\n○単位記号\t海里/h")), std::wstring::npos) << by_symbol;
    EXPECT_NE(detail(0, IDNO).find(utf16("\n○備考　＝1海里毎時")), std::wstring::npos);
}

TEST_F(SearchDialog, SortDirectionsSurviveReopeningAndRowsKeepTheirHits) {
    const int n = search("海里");
    ASSERT_GT(n, 10);
    list_view_click_column(item(kResults), kSymbolColumn);
    for (int r = 1; r < n; ++r) EXPECT_LE(compare_texts(cell(r - 1, kSymbolColumn), cell(r, kSymbolColumn)), 0) << r;
    list_view_click_column(item(kResults), kSymbolColumn);
    for (int r = 1; r < n; ++r) EXPECT_GE(compare_texts(cell(r - 1, kSymbolColumn), cell(r, kSymbolColumn)), 0) << r;
    // Every row still explains its own hit.
    for (int r : {0, n / 2, n - 1}) {
        const std::wstring text = detail(r, IDNO);
        EXPECT_NE(text.find(L"[" + utf16("単位種：") + cell(r, 0) + L"]"), std::wstring::npos) << r;
        EXPECT_NE(text.find(utf16("日本語表記\t") + cell(r, 1)), std::wstring::npos) << r;
        EXPECT_NE(text.find(utf16("単位記号\t") + cell(r, 2)), std::wstring::npos) << r;
    }

    close();
    EXPECT_EQ(find_int(L"CMB_C"), 1);
    ASSERT_TRUE(open());
    EXPECT_EQ(rows(), 0);
    EXPECT_EQ(history_count(), 1);
    EXPECT_EQ(search("海里"), n);
    // Descending before closing: the next click sorts ascending.
    list_view_click_column(item(kResults), kSymbolColumn);
    bool strictly_rising = false;
    for (int r = 1; r < n; ++r) {
        const int c = compare_texts(cell(r - 1, kSymbolColumn), cell(r, kSymbolColumn));
        EXPECT_LE(c, 0) << r;
        strictly_rising |= c < 0;
    }
    EXPECT_TRUE(strictly_rising);
}

TEST_F(SearchDialog, YesInTheDetailSelectsTheUnitInAllFourLists) {
    ASSERT_EQ(search("KM"), 1);
    list_view_double_click(app.process(), item(kResults), 0);
    answer("Varuno：結果詳細", IDYES);
    HWND box = wait_dialog(app.process_id(), utf16("Varuno：自動選択"));
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(message_text(box), utf16("単位種の選択と、単位の選択が完了しました。\n\n検索フォームを閉じます。"));
    for (int list = 4000; list <= 4003; ++list) {
        const int selected = app.selection(list);
        EXPECT_EQ(app.list_item(list, selected), L"km") << list;
    }
    EXPECT_EQ(SendMessageW(app.control(4000), CB_GETCOUNT, 0, 0), 88);  // 寸法's units
    EXPECT_EQ(app.status_part(1), utf16("寸法"));
    answer("Varuno：自動選択", IDNO);
    EXPECT_TRUE(IsWindowVisible(dialog));
    EXPECT_EQ(rows(), 1);
    EXPECT_EQ(find_int(L"first"), -1);  // not saved: the dialog stays

    // Yes in the question saves and closes.
    list_view_double_click(app.process(), item(kResults), 0);
    answer("Varuno：結果詳細", IDYES);
    answer("Varuno：自動選択", IDYES);
    EXPECT_TRUE(wait_for([&] { return !IsWindow(dialog); }));
    EXPECT_EQ(find_int(L"first"), 1);
}

TEST_F(SearchDialog, ResetRestoresTheFirstUseStateButKeepsTheOptions) {
    check(kCase, true);
    check(kName, false);
    SendMessageW(item(kKinds), LB_SETSEL, FALSE, 3);
    ASSERT_GT(search("km"), 0);
    close();
    EXPECT_EQ(find_int(L"4010"), 0);
    EXPECT_EQ(find_int(L"3"), 0);
    ASSERT_TRUE(open());
    EXPECT_FALSE(checked(kName));
    EXPECT_TRUE(checked(kCase));
    EXPECT_EQ(SendMessageW(item(kKinds), LB_GETSEL, 3, 0), 0);
    EXPECT_EQ(history_count(), 1);

    set_search_text("abc");
    press(kReset);
    EXPECT_TRUE(checked(kName));
    EXPECT_TRUE(checked(kCase));
    EXPECT_EQ(SendMessageW(item(kKinds), LB_GETSELCOUNT, 0, 0), 69);
    EXPECT_EQ(history_count(), 0);
    EXPECT_EQ(window_text(item(kText)), L"");
    EXPECT_EQ(find_int(L"first"), 0);
    close();
    EXPECT_EQ(find_int(L"first"), 1);
    EXPECT_EQ(find_int(L"4010"), 1);
    EXPECT_EQ(find_int(L"4015"), 1);
    EXPECT_EQ(find_int(L"CMB_C"), 0);
}

// The history holds 101 texts at most: a search beyond them drops the
// oldest, in the drop-down as in the file.
TEST_F(SearchDialog, TheHistoryKeepsTheNewest101Texts) {
    ASSERT_GT(search("km"), 0);
    close();
    const std::wstring ini = beside_test(L"varuno.ini").wstring();
    WritePrivateProfileStringW(L"FIND", L"CMB_C", L"101", ini.c_str());
    for (int i = 0; i < 101; ++i)
        WritePrivateProfileStringW(L"FIND", std::to_wstring(1000 + i).c_str(), (L"h" + std::to_wstring(i)).c_str(),
                                   ini.c_str());
    WritePrivateProfileStringW(nullptr, nullptr, nullptr, ini.c_str());
    ASSERT_TRUE(open());
    ASSERT_EQ(history_count(), 101);
    ASSERT_GT(search("m"), 0);
    EXPECT_EQ(history_count(), 101);
    const auto item_text = [&](int i) {
        wchar_t text[64] = {};
        SendMessageW(item(kText), CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
        return std::wstring(text);
    };
    EXPECT_EQ(item_text(0), L"h1");
    EXPECT_EQ(item_text(100), L"m");
    close();
    EXPECT_EQ(find_int(L"CMB_C"), 101);
    wchar_t first[16] = {}, last[16] = {};
    GetPrivateProfileStringW(L"FIND", L"1000", L"", first, 16, ini.c_str());
    GetPrivateProfileStringW(L"FIND", L"1100", L"", last, 16, ini.c_str());
    EXPECT_EQ(std::wstring(first), L"h1");
    EXPECT_EQ(std::wstring(last), L"m");
}

}  // namespace
}  // namespace varuno::e2e
