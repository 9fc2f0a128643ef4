// varuno.exe used as a person uses it: every action here is a real mouse
// click or key stroke (SendInput) on the foreground window; the results are
// read from the controls as the other window tests do.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/e2e/input_driver.h"
#include "tests/e2e/win_driver.h"

namespace varuno::e2e {
namespace {

constexpr int kListABefore = 4000, kListAAfter = 4001, kListBBefore = 4002, kListBAfter = 4003;
constexpr int kInputA = 4004, kOutputA = 4005, kInputB = 4006, kOutputB = 4007, kZoom = 1014;

// The drop-down list window of a combo box that is dropped (class
// "ComboLBox", a top-level window of the same thread), or null.
struct ListSearch {
    DWORD thread;
    HWND found;
};
BOOL CALLBACK find_dropdown(HWND window, LPARAM data) {
    auto* s = reinterpret_cast<ListSearch*>(data);
    wchar_t cls[32] = {};
    GetClassNameW(window, cls, 32);

    if (GetWindowThreadProcessId(window, nullptr) == s->thread && IsWindowVisible(window) &&
        std::wstring(cls) == L"ComboLBox") {
        s->found = window;
        return FALSE;
    }
    return TRUE;
}
HWND dropdown_of(HWND combo) {
    ListSearch s{GetWindowThreadProcessId(combo, nullptr), nullptr};
    EnumWindows(find_dropdown, reinterpret_cast<LPARAM>(&s));
    return s.found;
}

class RealInput : public ::testing::Test {
protected:
    void SetUp() override {
        fresh_ini_files();
        ASSERT_TRUE(app.start());
        ASSERT_TRUE(input::to_foreground(app.main()));
    }
    void TearDown() override {
        if (app.wait_exit(0) == 999) app.exit_with_ok();
    }

    HWND c(int id) const { return app.control(id); }
    void settle() const { input::settle(app.main()); }
    void shot(const wchar_t* name) const {
        screenshot(app.main(), beside_test(std::wstring(L"screenshots\\input_") + name));
    }

    // Opens a list with a click on its arrow and clicks its item `index`
    // (one of the items shown without scrolling).
    void choose_by_mouse(int list, int index) const {
        input::click_combo_arrow(c(list));
        HWND items = nullptr;
        ASSERT_TRUE(wait_for([&] { return (items = dropdown_of(c(list))) != nullptr; }, 5));
        settle();
        const auto top = static_cast<int>(SendMessageW(items, LB_GETTOPINDEX, 0, 0));
        const auto height = static_cast<int>(SendMessageW(items, LB_GETITEMHEIGHT, 0, 0));
        RECT client{};
        GetClientRect(items, &client);
        POINT at{client.left + 20, client.top + (index - top) * height + height / 2};
        ClientToScreen(items, &at);
        input::click_at(at);
        ASSERT_TRUE(wait_for([&] { return !input::dropped(c(list)); }, 5));
        settle();
    }

    // The dialog id of the control that has the keyboard focus; a combo
    // box's edit field counts as the combo box.
    int focus_id() const {
        HWND focus = input::focus_of(app.main());
        wchar_t cls[32] = {};
        GetClassNameW(focus, cls, 32);
        if (std::wstring(cls) == L"Edit" && GetDlgCtrlID(focus) == 1001) focus = GetParent(focus);
        return GetDlgCtrlID(focus);
    }
    // Input reaches the program a moment after it was sent. Each action
    // therefore waits for its own visible effect; whatever else the program
    // did on that input it had done before it could show the effect.

    // Presses a key and waits until the focus has moved on.
    void key_moving_focus(WORD vk, unsigned modifiers = input::kNone) const {
        const HWND before = input::focus_of(app.main());
        input::key(vk, modifiers);
        wait_for([&] { return input::focus_of(app.main()) != before; }, 5);
    }
    // The controls that Tab visits from the focus on, `count` of them.
    std::vector<int> tab_sequence(int count) const {
        std::vector<int> ids;
        for (int i = 0; i < count; ++i) {
            key_moving_focus(VK_TAB);
            ids.push_back(focus_id());
        }
        return ids;
    }
    // Clicks a control and waits until it (or its edit field) has the focus.
    void focus_by_click(int id) const {
        input::click(c(id));
        wait_for([&] { return focus_id() == id; }, 5);
    }
    // Types `text` over what a box or field shows, and waits until it shows it.
    void type_over(int id, const std::wstring& text) const {
        focus_by_click(id);
        input::key(VK_END);
        input::key(VK_HOME, input::kShift);
        input::type(text);
        wait_for([&] { return app.text(id) == text; }, 5);
    }
    void type_into(int id, const std::wstring& text) const { type_over(id, text); }
    // A dialog of the program that holds control `child`, once it is there.
    HWND dialog_with(int child) const { return wait_dialog_with(app.process_id(), child, 5); }
    HWND box(const char* caption) const { return wait_dialog(app.process_id(), utf16(caption), 5); }
    bool gone(HWND window) const { return wait_for([&] { return !IsWindow(window); }, 5); }

    // 寸法 through the kind panel: Ω, then OK (寸法 is preselected).
    void choose_length() const {
        input::click(c(5024));
        HWND panel = nullptr;
        ASSERT_TRUE(wait_for([&] { return (panel = wait_dialog_with(app.process_id(), 1055, 0.1)) != nullptr; }, 5));
        settle();
        input::click(GetDlgItem(panel, 1051));
        ASSERT_TRUE(wait_for([&] { return !IsWindow(panel); }, 5));
        settle();
    }

    Varuno app;
};

// Opening a list and closing it again with a click on its arrow chooses
// nothing: the unit, the list text and the result stay as they were.
TEST_F(RealInput, ClosingAListWithoutChoosingKeepsTheUnit) {
    choose_length();
    choose_by_mouse(kListABefore, 15);  // ft
    choose_by_mouse(kListAAfter, 7);    // m
    type_over(kInputA, L"1");
    ASSERT_TRUE(wait_for([&] { return app.text(kOutputA) == L"0.3048"; }, 5));
    input::click_combo_arrow(c(kListAAfter));
    ASSERT_TRUE(wait_for([&] { return input::dropped(c(kListAAfter)); }, 5));
    settle();
    input::click_combo_arrow(c(kListAAfter));
    ASSERT_TRUE(wait_for([&] { return !input::dropped(c(kListAAfter)); }, 5));
    settle();
    EXPECT_EQ(app.selection(kListAAfter), 7);
    EXPECT_EQ(app.text(kListAAfter), L"m");
    type_over(kInputA, L"2");
    ASSERT_TRUE(wait_for([&] { return app.text(kOutputA) == L"0.6096"; }, 5));
    EXPECT_EQ(app.text(kZoom), L"2 ft = 0.6096 m");
}

// F4 opens a list; typing in it and Esc choose nothing, Enter chooses the
// typed unit. A manual court whose units change shows no stale result: its
// output and the zoom view line of its result are emptied.
TEST_F(RealInput, EscapeInAnOpenListKeepsTheUnitEnterChoosesIt) {
    choose_length();
    type_into(kListBBefore, L"in");
    type_into(kListBAfter, L"ft");
    type_over(kInputB, L"24");
    input::key(VK_RETURN);
    ASSERT_TRUE(wait_for([&] { return app.text(kOutputB) == L"2."; }, 5));
    focus_by_click(kListBAfter);
    input::key(VK_F4);
    ASSERT_TRUE(wait_for([&] { return input::dropped(c(kListBAfter)); }, 5));
    input::key(VK_END);
    input::key(VK_HOME, input::kShift);
    input::type(L"m");
    input::key(VK_ESCAPE);
    ASSERT_TRUE(wait_for([&] { return !input::dropped(c(kListBAfter)); }, 5));
    settle();
    EXPECT_EQ(app.text(kListBAfter), L"ft");
    EXPECT_EQ(app.selection(kListBAfter), 15);
    EXPECT_EQ(app.text(kOutputB), L"2.");
    EXPECT_EQ(app.text(kZoom), L"24 in = 2 ft");

    input::key(VK_F4);
    ASSERT_TRUE(wait_for([&] { return input::dropped(c(kListBAfter)); }, 5));
    input::key(VK_END);
    input::key(VK_HOME, input::kShift);
    input::type(L"m");
    input::key(VK_RETURN);
    ASSERT_TRUE(wait_for([&] { return !input::dropped(c(kListBAfter)); }, 5));
    settle();
    EXPECT_EQ(app.text(kListBAfter), L"m");
    EXPECT_EQ(app.selection(kListBAfter), 7);
    EXPECT_EQ(app.text(kOutputB), L"");
    EXPECT_EQ(app.text(kZoom), L"");
    focus_by_click(kInputB);
    input::key(VK_RETURN);
    EXPECT_TRUE(wait_for([&] { return app.text(kOutputB) == L"0.6096"; }, 5));
    shot(L"typed_units.bmp");
}

// A unit typed into a unit list's box is chosen: exactly, or in another case
// when only one label fits; a text that is no label chooses nothing.
TEST_F(RealInput, TypedUnitsAreChosen) {
    choose_length();
    type_into(kListABefore, L"mm");
    EXPECT_EQ(app.selection(kListABefore), 4);
    type_into(kListAAfter, L"m");
    EXPECT_EQ(app.selection(kListAAfter), 7);
    type_over(kInputA, L"12");
    ASSERT_TRUE(wait_for([&] { return app.text(kOutputA) == L"1.2e-002"; }, 5));
    EXPECT_EQ(app.text(kZoom), utf16("12 mm = 1.2×10^-2 m"));
    EXPECT_EQ(app.status_part(0), utf16("Ａ"));

    // No unit of that label: nothing is chosen, and no result of the old
    // units stays in view.
    type_into(kListAAfter, L"zz");
    EXPECT_EQ(app.selection(kListAAfter), -1);
    EXPECT_EQ(app.text(kListAAfter), L"zz");
    EXPECT_EQ(app.text(kOutputA), L"");
    EXPECT_EQ(app.text(kZoom), L"");

    type_into(kListAAfter, L"KM");
    EXPECT_EQ(app.selection(kListAAfter), 9);
    EXPECT_TRUE(wait_for([&] { return app.text(kOutputA) == L"1.2e-005"; }, 5));
    key_moving_focus(VK_TAB);  // leaving the box shows the unit's own label
    EXPECT_EQ(app.text(kListAAfter), L"km");
}

// Opening and closing a list leaves the Tab order as the template has it.
TEST_F(RealInput, TheTabOrderSurvivesOpeningAList) {
    choose_length();
    const std::vector<int> expected{kOutputA, kInputB, kOutputB, kListABefore, kListAAfter, kListBBefore,
                                    kListBAfter, 1034, 1037, kZoom, 1029, 1030};
    focus_by_click(kInputA);
    EXPECT_EQ(tab_sequence(static_cast<int>(expected.size())), expected);
    for (int list : {kListABefore, kListBAfter}) {
        input::click_combo_arrow(c(list));
        ASSERT_TRUE(wait_for([&] { return input::dropped(c(list)); }, 5));
        settle();
        input::click_combo_arrow(c(list));
        ASSERT_TRUE(wait_for([&] { return !input::dropped(c(list)); }, 5));
    }
    focus_by_click(kInputA);
    EXPECT_EQ(tab_sequence(static_cast<int>(expected.size())), expected);
}

// Alt+Down and Alt+Up open and close a list as F4 does; the window is not
// left in menu mode, and the unit stays.
TEST_F(RealInput, AltDownOpensAListLikeF4) {
    choose_length();
    type_into(kListABefore, L"cm");
    const int cm = app.selection(kListABefore);
    ASSERT_GE(cm, 0);
    input::key(VK_DOWN, input::kAlt);
    ASSERT_TRUE(wait_for([&] { return input::dropped(c(kListABefore)); }, 5));
    input::key(VK_UP, input::kAlt);
    ASSERT_TRUE(wait_for([&] { return !input::dropped(c(kListABefore)); }, 5));
    settle();
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(app.main(), nullptr), &info);
    EXPECT_EQ(info.flags & GUI_INMENUMODE, 0u);
    EXPECT_EQ(app.selection(kListABefore), cm);
    EXPECT_EQ(app.text(kListABefore), L"cm");
    // Keys reach the box again at once.
    input::key(VK_END);
    input::key(VK_BACK);
    input::key(VK_BACK);
    input::type(L"mm");
    ASSERT_TRUE(wait_for([&] { return app.text(kListABefore) == L"mm"; }, 5));
    EXPECT_EQ(app.selection(kListABefore), 4);
    // Alt+Down, an arrow key and Alt+Up choose the unit moved to.
    input::key(VK_DOWN, input::kAlt);
    ASSERT_TRUE(wait_for([&] { return input::dropped(c(kListABefore)); }, 5));
    input::key(VK_DOWN);
    input::key(VK_UP, input::kAlt);
    ASSERT_TRUE(wait_for([&] { return !input::dropped(c(kListABefore)); }, 5));
    settle();
    EXPECT_EQ(app.selection(kListABefore), 5);
}

} // namespace
} // namespace varuno::e2e
