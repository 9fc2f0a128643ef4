// End-to-end tests of the settings dialog of varuno.exe under Wine: what it
// shows from the file, the speed rules, OK with the apply question, 初期化.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <filesystem>

#include "tests/e2e/input_driver.h"
#include "tests/e2e/varuno_test_fixture.h"
#include "tests/e2e/win_driver.h"

namespace varuno::e2e {
namespace {

constexpr int kListABefore = 4000, kListAAfter = 4001, kListBBefore = 4002, kListBAfter = 4003;
constexpr int kInputA = 4004, kOutputA = 4005;
constexpr int kEdit = 20300, kBar = 20800, kDecor = 1107, kSample = 1105;
constexpr int kOk = 20000, kCancel = 20001, kReset = 20002;

std::wstring set_file() { return beside_test(settings_file_name()).wstring(); }

int setting(const wchar_t* section, const wchar_t* key) {
    return static_cast<int>(GetPrivateProfileIntW(section, key, -12345, set_file().c_str()));
}

void write_setting(const wchar_t* section, const wchar_t* key, int value) {
    WritePrivateProfileStringW(section, key, std::to_wstring(value).c_str(), set_file().c_str());
    WritePrivateProfileStringW(nullptr, nullptr, nullptr, set_file().c_str());
}

class Settings : public VarunoTest {
protected:
    void open() {
        dialog = open_settings(app);
        ASSERT_NE(dialog, nullptr);
    }
    bool checked(int id) const { return SendMessageW(GetDlgItem(dialog, id), BM_GETCHECK, 0, 0) == BST_CHECKED; }
    // The buttons checked among 20200 ... 20213.
    std::vector<int> checked_radios() const {
        std::vector<int> ids;
        for (int id = 20200; id <= 20213; ++id)
            if (checked(id)) ids.push_back(id);
        return ids;
    }
    std::wstring edit() const { return window_text(GetDlgItem(dialog, kEdit)); }
    int bar() const { return static_cast<int>(SendMessageW(GetDlgItem(dialog, kBar), TBM_GETPOS, 0, 0)); }
    void type_speed(const wchar_t* text) const {
        SendMessageW(GetDlgItem(dialog, kEdit), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
        WaitForInputIdle(app.process(), 5000);
    }
    void scroll(int code) const {
        PostMessageW(dialog, WM_HSCROLL, MAKEWPARAM(code, 0), reinterpret_cast<LPARAM>(GetDlgItem(dialog, kBar)));
        ASSERT_TRUE(processed(GetDlgItem(dialog, 20212)));  // the hidden radio button
    }
    std::wstring sample() const { return window_text(GetDlgItem(dialog, kSample)); }
    // OK, then answers the apply question.
    void ok_and_answer(int button) {
        click(dialog, kOk);
        HWND box = wait_dialog(app.process_id(), utf16("Varuno：換算設定適用確認"));
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(message_text(box), utf16("換算についての設定内容を今すぐ反映しますか？\n\n※設定内容を反映した場合、現"
                                           "在換算中のデータがリセットされます。\n"
                                           "※スクロールバーの速度は既に適用済みです。"));
        click(box, button);
        ASSERT_TRUE(wait_for([&] { return !IsWindow(dialog); }));
        WaitForInputIdle(app.process(), 5000);
    }
    void cancel() {
        click(dialog, kCancel);
        ASSERT_TRUE(wait_for([&] { return !IsWindow(dialog); }));
        WaitForInputIdle(app.process(), 5000);
    }

    HWND dialog = nullptr;
};

TEST_F(Settings, WithoutAFileTheDefaultsAreWrittenAndShown) {
    std::filesystem::remove(set_file());
    open();
    EXPECT_EQ(window_text(dialog), utf16("設定　QXtool-Varuno -ヴァルーノ-"));
    EXPECT_EQ(setting(L"0_0:RDO", L"1"), 20200);
    EXPECT_EQ(setting(L"2_1:EDT", L"20300"), 300);
    EXPECT_EQ(setting(L"INI", L"SetExist"), 1);
    EXPECT_EQ(checked_radios(), (std::vector<int>{20200, 20203, 20206, 20211}));
    EXPECT_TRUE(checked(kDecor));
    EXPECT_EQ(edit(), L"30");
    EXPECT_EQ(bar(), 30);
    EXPECT_EQ(SendMessageW(GetDlgItem(dialog, kBar), TBM_GETRANGEMAX, 0, 0), 300);
    EXPECT_FALSE(IsWindowVisible(GetDlgItem(dialog, 20212)));
    const std::wstring first = sample();
    EXPECT_TRUE(wait_for([&] { return sample() != first; }, 3));  // the sample scrolls
    screenshot(dialog, beside_test(L"screenshots\\settings.bmp"));
    cancel();
}

TEST_F(Settings, SpeedIsShownInHundredthsClampedAndDrivesTheSample) {
    write_setting(L"2_1:EDT", L"20300", 1500);
    open();
    EXPECT_EQ(edit(), L"150");
    EXPECT_EQ(bar(), 150);

    type_speed(L"999");
    EXPECT_EQ(edit(), L"300");
    EXPECT_EQ(bar(), 300);

    // The sample is always the whole text, rotated by whole characters.
    const std::wstring text =
        utf16("これはスクロール見本です。；100秒/100＝1秒です。；0を入力すると、スクロールを停止します。");
    type_speed(L"5");
    std::wstring first = sample();
    ASSERT_TRUE(wait_for([&] { return sample() != first; }, 3));
    const std::wstring shown = sample();
    EXPECT_EQ(shown.size(), text.size());
    EXPECT_NE((text + text).find(shown), std::wstring::npos) << "not a rotation of the sample";

    type_speed(L"0");  // stops the sample
    EXPECT_EQ(bar(), 0);
    Sleep(100);
    first = sample();
    Sleep(600);
    EXPECT_EQ(sample(), first);

    scroll(TB_PAGEDOWN);
    EXPECT_EQ(edit(), L"30");
    scroll(TB_LINEDOWN);
    EXPECT_EQ(edit(), L"35");
    scroll(TB_LINEUP);
    scroll(TB_LINEUP);
    EXPECT_EQ(edit(), L"25");
    scroll(TB_BOTTOM);
    EXPECT_EQ(edit(), L"300");
    EXPECT_EQ(bar(), 300);
    scroll(TB_PAGEDOWN);  // stays at the limit
    EXPECT_EQ(edit(), L"300");
    scroll(TB_TOP);
    EXPECT_EQ(edit(), L"0");

    type_speed(L"120");
    ok_and_answer(IDNO);
    EXPECT_EQ(setting(L"2_1:EDT", L"20300"), 1200);
}

// The marquee turned one character further: the first character moved to the end.
bool one_step_on(const std::wstring& before, const std::wstring& after) {
    return !before.empty() && after == before.substr(1) + before.substr(0, 1);
}

// Enter and Esc leave the dialog open; the sample keeps its place between
// openings; OK applies the speed and the decorative line at once, and a
// stopped marquee goes on from where it stood.
TEST_F(Settings, KeysDoNothingTheSampleKeepsItsPlaceAndOkAppliesAtOnce) {
    write_setting(L"2_1:EDT", L"20300", 0);  // the dialog's sample stands still when it opens
    open();
    ASSERT_TRUE(input::to_foreground(dialog));
    for (WORD key : {VK_RETURN, VK_ESCAPE}) {
        input::key(key);
        input::settle(dialog);
        ASSERT_TRUE(processed(GetDlgItem(dialog, 20212)));
        EXPECT_TRUE(IsWindow(dialog)) << key;
        EXPECT_EQ(find_dialog(app.process_id(), utf16("Varuno：換算設定適用確認")), nullptr) << key;
    }

    const std::wstring first = sample();
    type_speed(L"5");
    ASSERT_TRUE(wait_for([&] { return sample() != first; }, 3));
    type_speed(L"0");
    const std::wstring stopped = sample();
    cancel();
    open();
    const std::wstring opening = sample();
    type_speed(L"100");  // one step a second
    ASSERT_TRUE(wait_for([&] { return sample() != opening; }, 3));
    EXPECT_TRUE(one_step_on(stopped, sample())) << "the sample started over";
    type_speed(L"0");

    // Speed 0 and no decorative line: both stand still at once.
    if (checked(kDecor)) press(dialog, kDecor);
    ok_and_answer(IDNO);
    const RECT decor = rect_of(app.control(1042));
    Sleep(700);  // longer than a step of either
    const std::wstring marquee = app.status_part(2);
    const std::vector<DWORD> line = screen_pixels(decor);
    Sleep(700);
    EXPECT_EQ(app.status_part(2), marquee);
    EXPECT_TRUE(screen_pixels(decor) == line) << "the decorative line still moves";

    // Both on again: the marquee goes on with its next step.
    open();
    type_speed(L"100");  // one step a second
    press(dialog, kDecor);
    ok_and_answer(IDNO);
    ASSERT_TRUE(wait_for([&] { return app.status_part(2) != marquee; }, 3));
    EXPECT_TRUE(one_step_on(marquee, app.status_part(2))) << app.status_part(2);
    EXPECT_TRUE(wait_for([&] { return !(screen_pixels(decor) == line); }, 3)) << "the decorative line stands still";
}

TEST_F(Settings, OkWithNoKeepsTheCourtsAndWithYesEmptiesThemAndResorts) {
    ASSERT_TRUE(app.choose_kind(0));
    app.select(kListABefore, 4);  // mm
    app.select(kListAAfter, 7);   // m
    app.set_text(kInputA, L"12");
    WaitForInputIdle(app.process(), 5000);
    ASSERT_EQ(app.text(kOutputA), L"1.2e-002");
    const std::wstring first_unit = app.list_item(kListABefore, 0);

    open();
    press(dialog, 20208);  // unit symbols, descending
    press(dialog, 20205);  // no exponent
    EXPECT_EQ(checked_radios(), (std::vector<int>{20200, 20205, 20208, 20211}));
    ok_and_answer(IDNO);
    EXPECT_EQ(setting(L"2_0:RDO", L"1"), 20208);
    EXPECT_EQ(setting(L"0_1:RDO", L"1"), 20205);
    EXPECT_EQ(app.text(kInputA), L"12");
    EXPECT_EQ(app.text(kOutputA), L"1.2e-002");
    EXPECT_EQ(app.selection(kListABefore), 4);
    EXPECT_EQ(app.list_item(kListABefore, 0), first_unit);  // not re-sorted yet

    open();
    EXPECT_EQ(checked_radios(), (std::vector<int>{20200, 20205, 20208, 20211}));
    ok_and_answer(IDYES);
    EXPECT_EQ(app.text(kInputA), L"");
    EXPECT_EQ(app.text(kOutputA), L"");
    for (int list : {kListABefore, kListAAfter, kListBBefore, kListBAfter}) EXPECT_EQ(app.selection(list), -1);
    EXPECT_NE(app.list_item(kListABefore, 0), first_unit);  // now in descending symbol order
    EXPECT_EQ(app.status_part(0), utf16("－"));
    EXPECT_EQ(app.status_part(1), utf16("寸法"));
}

TEST_F(Settings, ResetThenCancelLeavesTheDefaultsAndLaterChoicesSurviveARestart) {
    write_setting(L"0_1:RDO", L"1", 20205);
    write_setting(L"2_1:EDT", L"20300", 1500);
    write_setting(L"3_0:CHE", L"1107", 0);
    open();
    EXPECT_EQ(checked_radios(), (std::vector<int>{20200, 20205, 20206, 20211}));
    EXPECT_FALSE(checked(kDecor));
    EXPECT_EQ(edit(), L"150");

    click(dialog, kReset);
    WaitForInputIdle(app.process(), 5000);
    EXPECT_EQ(checked_radios(), (std::vector<int>{20200, 20203, 20206, 20211}));
    EXPECT_TRUE(checked(kDecor));
    EXPECT_EQ(edit(), L"30");
    EXPECT_EQ(bar(), 30);
    cancel();
    EXPECT_EQ(setting(L"0_1:RDO", L"1"), 20203);
    EXPECT_EQ(setting(L"2_1:EDT", L"20300"), 300);
    EXPECT_EQ(setting(L"3_0:CHE", L"1107"), 1);
    EXPECT_EQ(setting(L"INI", L"SetExist"), 1);

    open();
    press(dialog, 20202);
    press(dialog, kDecor);  // off
    ok_and_answer(IDNO);
    ASSERT_TRUE(app.exit_with_ok());
    Varuno again;
    ASSERT_TRUE(again.start());
    EXPECT_EQ(setting(L"0_1:RDO", L"1"), 20202);
    EXPECT_EQ(setting(L"3_0:CHE", L"1107"), 0);
    HWND d = open_settings(again);
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(SendMessageW(GetDlgItem(d, 20202), BM_GETCHECK, 0, 0), BST_CHECKED);
    click(d, kCancel);
    ASSERT_TRUE(wait_for([&] { return !IsWindow(d); }));
    ASSERT_TRUE(again.exit_with_ok());
}

}  // namespace
}  // namespace varuno::e2e
