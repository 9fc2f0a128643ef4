// End-to-end tests of varuno.exe under Wine (or Windows): the program is
// started as a user starts it and driven through its window.
#include <windows.h>

#include <gtest/gtest.h>

#include "tests/e2e/varuno_test_fixture.h"
#include "unitdb/registry.h"
#include "tests/e2e/win_driver.h"

namespace varuno::e2e {
namespace {

constexpr int kListABefore = 4000, kListAAfter = 4001, kListBBefore = 4002, kListBAfter = 4003;
constexpr int kInputA = 4004, kOutputA = 4005, kInputB = 4006, kOutputB = 4007, kZoom = 1014;

int ini_int(const wchar_t* section, const wchar_t* key, const wchar_t* file) {
    return static_cast<int>(GetPrivateProfileIntW(section, key, -12345, beside_test(file).c_str()));
}

RECT window_rect(HWND w) {
    RECT r{};
    GetWindowRect(w, &r);
    return r;
}

// The kind panel: the dialog that holds the kind list 1055.
HWND kind_panel() {
    for (HWND w = FindWindowExW(nullptr, nullptr, L"#32770", nullptr); w;
         w = FindWindowExW(nullptr, w, L"#32770", nullptr))
        if (GetDlgItem(w, 1055)) return w;
    return nullptr;
}

class MainWindow : public VarunoTest {
protected:
    // 寸法 in court A with mm -> m (rows 4 and 7 in storage order).
    void length_mm_to_m() {
        ASSERT_TRUE(app.choose_kind(0));
        app.select(kListABefore, 4);
        app.select(kListAAfter, 7);
    }
    void shot(const wchar_t* name) { screenshot(app.main(), beside_test(std::wstring(L"screenshots\\") + name)); }
};

TEST_F(MainWindow, FirstStartAtTopLeftTopmostWithGuidanceAndDefaults) {
    const RECT r = window_rect(app.main());
    EXPECT_EQ(r.left, 0);
    EXPECT_EQ(r.top, 0);
    EXPECT_TRUE(GetWindowLongW(app.main(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_EQ(SendMessageW(app.control(kListBAfter), CB_GETCOUNT, 0, 0), 5);
    EXPECT_EQ(app.list_item(kListABefore, 0), utf16("―まずは単位種を選択して下さい。"));
    EXPECT_EQ(ini_int(L"INI", L"SetExist", settings_file_name().c_str()), 1);
    EXPECT_EQ(ini_int(L"0_1:RDO", L"1", settings_file_name().c_str()), 20203);
    EXPECT_EQ(ini_int(L"2_1:EDT", L"20300", settings_file_name().c_str()), 300);
    EXPECT_EQ(app.status_part(0), utf16("－"));
    EXPECT_EQ(app.status_part(1), utf16("（単位種）"));
    // One picture per button: court A live (自動 lit), court B not (手動 lit).
    auto shown = [&](int id) { return (GetWindowLongW(app.control(id), GWL_STYLE) & WS_VISIBLE) != 0; };
    EXPECT_TRUE(shown(5032) && !shown(5033) && !shown(5036) && shown(5037));
    EXPECT_TRUE(!shown(5040) && shown(5041) && shown(5044) && !shown(5045));
    EXPECT_TRUE(shown(5000) && !shown(5001) && !shown(5002));
    EXPECT_TRUE(shown(5012) && !shown(5013));
    shot(L"main.bmp");
}

TEST_F(MainWindow, GuidanceLineOpensTheKindPanel) {
    app.select(kListABefore, 2);
    HWND panel = nullptr;
    ASSERT_TRUE(wait_for([&] { return (panel = kind_panel()) != nullptr; }));
    WaitForInputIdle(app.process(), 5000);
    HWND kinds = GetDlgItem(panel, 1055);
    EXPECT_EQ(SendMessageW(kinds, CB_GETCOUNT, 0, 0), 69);
    EXPECT_EQ(SendMessageW(kinds, CB_GETCURSEL, 0, 0), 0);  // 寸法 while no kind is chosen
    screenshot(nullptr, beside_test(L"screenshots\\kind_panel.bmp"));
    click(panel, 1051);
    ASSERT_TRUE(wait_for([&] { return !IsWindow(panel); }));
    WaitForInputIdle(app.process(), 5000);
    EXPECT_EQ(SendMessageW(app.control(kListAAfter), CB_GETCOUNT, 0, 0), 88);
    EXPECT_EQ(app.list_item(kListBBefore, 4), L"mm");
    EXPECT_EQ(app.status_part(1), utf16("寸法"));
}

TEST_F(MainWindow, CourtAConvertsAsTheUserTypes) {
    length_mm_to_m();
    app.set_text(kInputA, L"12");
    WaitForInputIdle(app.process(), 5000);
    EXPECT_EQ(app.text(kOutputA), L"1.2e-002");
    EXPECT_EQ(app.text(kZoom), utf16("12 mm = 1.2×10^-2 m"));
    EXPECT_EQ(app.status_part(0), utf16("Ａ"));
    shot(L"conversion.bmp");
}

TEST_F(MainWindow, CourtBConvertsOnItsButtonOrEnterUntilLive) {
    length_mm_to_m();
    app.select(kListBBefore, 13);  // in
    app.select(kListBAfter, 15);   // ft
    app.set_text(kInputB, L"24");
    WaitForInputIdle(app.process(), 5000);
    EXPECT_EQ(app.text(kOutputB), L"");
    app.command(1037);
    EXPECT_EQ(app.text(kOutputB), L"2.");
    EXPECT_EQ(app.status_part(0), utf16("Ｂ"));
    app.set_text(kInputB, L"36");
    SendMessageW(app.control(kInputB), WM_KEYUP, VK_RETURN, 0);
    EXPECT_EQ(app.text(kOutputB), L"3.");
    app.click_picture(5040);  // court B's live switch: on
    WaitForInputIdle(app.process(), 5000);
    app.set_text(kInputB, L"48");
    WaitForInputIdle(app.process(), 5000);
    EXPECT_EQ(app.text(kOutputB), L"4.");
}

TEST_F(MainWindow, ErrorMarkAndTheFormulaErrorBox) {
    length_mm_to_m();
    app.set_text(kInputA, L"12*");
    WaitForInputIdle(app.process(), 5000);
    EXPECT_EQ(app.text(kOutputA), utf16("ERR!ヘルプ参照"));
    EXPECT_EQ(app.text(kZoom), utf16("ERR!ここをクリックしてください。"));
    EXPECT_EQ(find_dialog(app.process_id(), utf16("Varuno：数式エラー")), nullptr);  // nothing pops up while typing
    PostMessageW(app.control(kZoom), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    HWND box = nullptr;
    ASSERT_TRUE(
        wait_for([&] { return (box = find_dialog(app.process_id(), utf16("Varuno：数式エラー"))) != nullptr; }));
    EXPECT_EQ(message_text(box).rfind(utf16("換算結果がエラーとなりました。"), 0), 0u);
    click(box, IDYES);
    ASSERT_TRUE(wait_for([&] { return !IsWindow(box); }));
    app.set_text(kInputA, L"120");
    WaitForInputIdle(app.process(), 5000);
    EXPECT_EQ(app.text(kOutputA), L"0.12");
}

TEST_F(MainWindow, CopyPutsTheZoomViewOnTheClipboard) {
    length_mm_to_m();
    app.set_text(kInputA, L"1500");
    app.command(1029);
    std::wstring copied;
    ASSERT_TRUE(wait_for([&] {
        if (!OpenClipboard(nullptr)) return false;
        if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
            copied = static_cast<const wchar_t*>(GlobalLock(data));
            GlobalUnlock(data);
        }
        CloseClipboard();
        return !copied.empty();
    }));
    EXPECT_EQ(copied, utf16("1500 mm = 1.5 m"));
}

TEST_F(MainWindow, PlacementMenuItems) {
    const RECT before = window_rect(app.main());
    const int w = before.right - before.left, h = before.bottom - before.top;
    const int W = GetSystemMetrics(SM_CXMAXIMIZED), H = GetSystemMetrics(SM_CYMAXIMIZED);
    app.command(40012, 0);  // bottom right
    RECT r = window_rect(app.main());
    EXPECT_EQ(r.left, W - w - 8);
    EXPECT_EQ(r.top, H - h - 8);
    app.command(40007, 0);  // centre
    r = window_rect(app.main());
    EXPECT_EQ(r.left, (W - w) / 2);
    EXPECT_EQ(r.top, (H - h) / 2);
    app.command(40008, 0);  // top left
    r = window_rect(app.main());
    EXPECT_EQ(r.left, 0);
    EXPECT_EQ(r.top, 0);
    EXPECT_EQ(r.right - r.left, w);  // never resized
}

TEST_F(MainWindow, CancelInTheExitBoxKeepsRunning) {
    PostMessageW(app.main(), WM_CLOSE, 0, 0);
    HWND box = nullptr;
    ASSERT_TRUE(wait_for([&] { return (box = find_dialog(app.process_id(), utf16("Varuno：終了確認"))) != nullptr; }));
    EXPECT_EQ(message_text(box), utf16("終了しますか"));
    click(box, IDCANCEL);
    ASSERT_TRUE(wait_for([&] { return !IsWindow(box); }));
    ASSERT_TRUE(app.processed());
    EXPECT_TRUE(app.running());
    EXPECT_EQ(ini_int(L"INI", L"MainExist", L"varuno.ini"), -12345);
}

TEST_F(MainWindow, AlwaysOnTopToggleBothWays) {
    app.click_picture(5012);
    EXPECT_TRUE(wait_for([&] { return !(GetWindowLongW(app.main(), GWL_EXSTYLE) & WS_EX_TOPMOST); }, 5));
    app.click_picture(5012);
    EXPECT_TRUE(wait_for([&] { return (GetWindowLongW(app.main(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }, 5));
}

TEST_F(MainWindow, CourtBListWidensOverCourtAWhileOpen) {
    ASSERT_TRUE(app.choose_kind(1));
    RECT client{};
    auto rect = [&](int id) {
        GetWindowRect(app.control(id), &client);
        MapWindowPoints(nullptr, app.main(), reinterpret_cast<POINT*>(&client), 2);
        return client;
    };
    const RECT before = rect(kListBBefore);
    app.command(kListBBefore, CBN_DROPDOWN);
    const RECT wide = rect(kListBBefore);
    EXPECT_EQ(wide.left, before.left - 172);
    EXPECT_EQ(wide.right - wide.left, 240);
    EXPECT_EQ(wide.top, before.top);
    EXPECT_FALSE(IsWindowVisible(app.control(kInputB)));
    EXPECT_FALSE(IsWindowVisible(app.control(kListABefore)));
    shot(L"widened.bmp");
    app.command(kListBBefore, CBN_CLOSEUP);
    const RECT back = rect(kListBBefore);
    EXPECT_EQ(back.left, before.left);
    EXPECT_EQ(back.right - back.left, 68);
    EXPECT_TRUE(IsWindowVisible(app.control(kInputB)));
    EXPECT_TRUE(IsWindowVisible(app.control(kListABefore)));
}

TEST_F(MainWindow, StatusBarMarqueeAndItsWholeContent) {
    const std::wstring first = app.status_part(2);
    EXPECT_TRUE(wait_for([&] { return app.status_part(2) != first; }, 3));  // turns every 300 ms
    length_mm_to_m();
    // A click on the bar: the control tells its parent itself.
    HWND bar = app.control(1100);
    PostMessageW(bar, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(150, 8));
    PostMessageW(bar, WM_LBUTTONUP, 0, MAKELPARAM(150, 8));
    HWND box = nullptr;
    ASSERT_TRUE(wait_for(
        [&] { return (box = find_dialog(app.process_id(), utf16("Varuno：ステータスバーの内容"))) != nullptr; }));
    const std::wstring text = message_text(box);
    EXPECT_EQ(text.rfind(utf16("[ステータスバーの内容]\n\n□スクロール対象\t－\n\n□単位種\t\t寸法"), 0), 0u);
    EXPECT_NE(text.find(utf16("〔換算前〕　→　〔換算後〕　＝\n\t\tミリメートル　→　メートル　　")), std::wstring::npos);
    click(box, IDOK);
    EXPECT_TRUE(wait_for([&] { return !IsWindow(box); }));
}

// The first and the last kind show their own pictures in the kind list;
// 単位の検索 closes the panel and opens the unit search instead.
TEST_F(MainWindow, KindPanelShowsEachKindsPictureAndOpensTheSearch) {
    app.click_picture(5024);
    HWND panel = nullptr;
    ASSERT_TRUE(wait_for([&] { return (panel = kind_panel()) != nullptr; }));
    WaitForInputIdle(app.process(), 5000);
    HWND kinds = GetDlgItem(panel, 1055);
    // The focus on OK, so that the list draws its picture unselected.
    PostMessageW(panel, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(panel, 1051)), TRUE);
    for (int kind : {0, kind_count - 1}) {
        SendMessageW(kinds, CB_SETCURSEL, static_cast<WPARAM>(kind), 0);
        RedrawWindow(kinds, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        ASSERT_TRUE(app.processed());
        const RECT r = rect_of(kinds);
        const Picture picture = program_picture(kind_icons[static_cast<std::size_t>(kind)]);
        ASSERT_EQ(picture.w, 16) << kind;
        EXPECT_TRUE(shows_picture(screen_pixels(r), r.right - r.left, r.bottom - r.top, picture, 0xFF00FF))
            << "kind " << kind;
    }
    screenshot(nullptr, beside_test(L"screenshots\\kind_panel_last.bmp"));
    click(panel, 1056);
    ASSERT_TRUE(wait_for([&] { return !IsWindow(panel); }));
    HWND search = wait_dialog(app.process_id(), utf16("QXtool-Varuno　　単位検索フォーム"));
    ASSERT_NE(search, nullptr);
    PostMessageW(search, WM_CLOSE, 0, 0);
    ASSERT_TRUE(wait_for([&] { return !IsWindow(search); }));
    ASSERT_TRUE(app.processed());
    EXPECT_EQ(kind_panel(), nullptr) << "the panel came back";
}

TEST_F(MainWindow, KindPanelCancelChangesNothingAndFocusesCourtA) {
    app.click_picture(5024);
    HWND panel = nullptr;
    ASSERT_TRUE(wait_for([&] { return (panel = kind_panel()) != nullptr; }));
    click(panel, 1052);
    ASSERT_TRUE(wait_for([&] { return !IsWindow(panel); }));
    WaitForInputIdle(app.process(), 5000);
    EXPECT_EQ(SendMessageW(app.control(kListABefore), CB_GETCOUNT, 0, 0), 5);  // still the guidance lines
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    ASSERT_TRUE(GetGUIThreadInfo(GetWindowThreadProcessId(app.main(), nullptr), &info));
    EXPECT_TRUE(info.hwndFocus == app.control(kListABefore) || GetParent(info.hwndFocus) == app.control(kListABefore));
}

TEST(MainWindowRestart, ExitSavesThePositionAndARestartRestoresIt) {
    fresh_ini_files();
    {
        Varuno app;
        ASSERT_TRUE(app.start());
        app.command(40007, 0);  // centre
        const RECT r = window_rect(app.main());
        ASSERT_TRUE(app.exit_with_ok());
        EXPECT_EQ(ini_int(L"MAIN", L"x", L"varuno.ini"), r.left);
        EXPECT_EQ(ini_int(L"MAIN", L"y", L"varuno.ini"), r.top);
        EXPECT_EQ(ini_int(L"INI", L"MainExist", L"varuno.ini"), 1);
        Varuno again;
        ASSERT_TRUE(again.start());
        const RECT back = window_rect(again.main());
        EXPECT_EQ(back.left, r.left);
        EXPECT_EQ(back.top, r.top);
        ASSERT_TRUE(again.exit_with_ok());
    }
    // Negative coordinates restore as 0.
    WritePrivateProfileStringW(L"MAIN", L"x", L"-40", beside_test(L"varuno.ini").c_str());
    WritePrivateProfileStringW(L"MAIN", L"y", L"-25", beside_test(L"varuno.ini").c_str());
    WritePrivateProfileStringW(nullptr, nullptr, nullptr, beside_test(L"varuno.ini").c_str());
    Varuno app;
    ASSERT_TRUE(app.start());
    const RECT r = window_rect(app.main());
    EXPECT_EQ(r.left, 0);
    EXPECT_EQ(r.top, 0);
    ASSERT_TRUE(app.exit_with_ok());
}

// A second start says so and ends; OK brings the running window back,
// Cancel leaves it as it is.
TEST(MainWindowRestart, SecondStartShowsTheRunningWindowAndEnds) {
    fresh_ini_files();
    Varuno first;
    ASSERT_TRUE(first.start());
    const auto second_start = [](int answer) {
        ChildProcess second;
        ASSERT_TRUE(second.start(L"\"" + beside_test(L"varuno.exe").wstring() + L"\""));
        HWND box = nullptr;
        ASSERT_TRUE(
            wait_for([&] { return (box = find_dialog(second.id(), utf16("Varuno：二重起動防止"))) != nullptr; }));
        EXPECT_EQ(message_text(box),
                  utf16("本ソフトウェアは二重起動できません。\n既に起動済みのVarunoをアクティブにします。"));
        click(box, answer);
        EXPECT_EQ(second.exit_code(), 0u);
    };
    ShowWindow(first.main(), SW_MINIMIZE);
    second_start(IDCANCEL);
    EXPECT_TRUE(first.processed());
    EXPECT_TRUE(IsIconic(first.main()));
    second_start(IDOK);
    EXPECT_TRUE(wait_for([&] { return !IsIconic(first.main()); }));
    ASSERT_TRUE(first.exit_with_ok());
}

}  // namespace
}  // namespace varuno::e2e
