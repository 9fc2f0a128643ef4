// varuno.exe used as a person uses it: every action here is a real mouse
// click or key stroke (SendInput) on the foreground window; the results are
// read from the controls as the other window tests do.
#include <windows.h>

#include <gtest/gtest.h>

#include <commctrl.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/dpi.h"
#include "tests/e2e/input_driver.h"
#include "tests/e2e/varuno_test_fixture.h"
#include "tests/e2e/win_driver.h"

namespace varuno::e2e {
namespace {

constexpr int kListABefore = 4000, kListAAfter = 4001, kListBBefore = 4002, kListBAfter = 4003;
constexpr int kInputA = 4004, kOutputA = 4005, kInputB = 4006, kOutputB = 4007, kZoom = 1014;

// A visible top-level window of the class `cls` in the thread of `window`
// (a combo box's dropped list "ComboLBox", a popup menu "#32768"), or null.
struct ThreadWindowSearch {
    DWORD thread;
    const wchar_t* cls;
    HWND found;
};
BOOL CALLBACK match_thread_window(HWND window, LPARAM data) {
    auto* s = reinterpret_cast<ThreadWindowSearch*>(data);
    wchar_t cls[32] = {};
    GetClassNameW(window, cls, 32);
    if (GetWindowThreadProcessId(window, nullptr) == s->thread && IsWindowVisible(window) &&
        std::wstring(cls) == s->cls) {
        s->found = window;
        return FALSE;
    }
    return TRUE;
}
HWND thread_window(HWND window, const wchar_t* cls) {
    ThreadWindowSearch s{GetWindowThreadProcessId(window, nullptr), cls, nullptr};
    EnumWindows(match_thread_window, reinterpret_cast<LPARAM>(&s));
    return s.found;
}
HWND dropdown_of(HWND combo) { return thread_window(combo, L"ComboLBox"); }
HWND shown_tooltip(HWND main) { return thread_window(main, TOOLTIPS_CLASSW); }

class RealInput : public VarunoTest {
protected:
    void SetUp() override {
        VarunoTest::SetUp();
        ASSERT_TRUE(input::to_foreground(app.main()));
    }

    HWND c(int id) const { return app.control(id); }
    void settle() const { input::settle(app.main()); }
    void shot(const wchar_t* name) const {
        screenshot(app.main(), beside_test(std::wstring(L"screenshots\\input_") + name));
    }

    // Opens a list with a click on its arrow and clicks its item `index`
    // (one of the items shown without scrolling).
    void choose_by_mouse(int list, int index) const {
        HWND items = nullptr;
        ASSERT_TRUE(
            input::click_until(input::combo_arrow(c(list)), [&] { return (items = dropdown_of(c(list))) != nullptr; }));
        settle();
        const auto top = static_cast<int>(SendMessageW(items, LB_GETTOPINDEX, 0, 0));
        const auto height = static_cast<int>(SendMessageW(items, LB_GETITEMHEIGHT, 0, 0));
        RECT client{};
        GetClientRect(items, &client);
        POINT at{client.left + 20, client.top + (index - top) * height + height / 2};
        ClientToScreen(items, &at);
        ASSERT_TRUE(input::click_until(at, [&] { return !input::dropped(c(list)); }));
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
        input::click_until(c(id), [&] { return focus_id() == id; });
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
    // Waits until `window` is the active window (a dialog that has just
    // opened, or one that a message box over it has left): a click before
    // that may go to no one.
    bool active(HWND window) const {
        if (!wait_for([&] { return input::active_of(window) == window; }, 5)) return false;
        return input::stays_active(window);
    }
    // A dialog of the program that holds control `child`, once it is there
    // and active; null if none came.
    HWND dialog_with(int child) const {
        HWND found = wait_dialog_with(app.process_id(), child, 5);
        return found && active(found) ? found : nullptr;
    }
    HWND box(const char* caption) const {
        HWND found = wait_dialog(app.process_id(), utf16(caption), 5);
        return found && active(found) ? found : nullptr;
    }
    bool gone(HWND window) const {
        return wait_for([&] { return !IsWindow(window); }, 5);
    }
    // Ctrl+F, `utf8` typed, Enter: the unit search with its hits, or null when
    // it did not open or found nothing.
    HWND search_by_keyboard(const char* utf8) const {
        input::key('F', input::kCtrl);
        HWND search = dialog_with(1071);
        if (!search) return nullptr;
        input::type(utf16(utf8));
        if (!wait_for([&] { return window_text(GetDlgItem(search, 1075)) == utf16(utf8); }, 5)) return nullptr;
        input::key(VK_RETURN);
        return wait_for([&] { return list_view_count(GetDlgItem(search, 1073)) > 0; }, 5) ? search : nullptr;
    }
    // Clicks `target` until a dialog with control `child` is open and active.
    HWND open_by_click(HWND target, int child) const {
        HWND found = nullptr;
        input::click_until(target, [&] { return (found = wait_dialog_with(app.process_id(), child, 0)) != nullptr; });
        return found && active(found) ? found : nullptr;
    }
    // Clicks `target` until a message box with this caption is open and active.
    HWND box_by_click(HWND target, const char* caption) const {
        HWND found = nullptr;
        input::click_until(target, [&] { return (found = find_dialog(app.process_id(), utf16(caption))) != nullptr; });
        return found && active(found) ? found : nullptr;
    }
    // Clicks a button of `dialog` until the dialog has closed.
    bool close_by_click(HWND button, HWND dialog) const {
        return input::click_until(button, [&] { return !IsWindow(dialog); });
    }
    // Clicks row `row` of a list view until it is the only one selected.
    bool select_row_by_click(HWND list, int row) const {
        return input::click_until(list_view_row_point(app.process(), list, row), [&] {
            return SendMessageW(list, LVM_GETSELECTEDCOUNT, 0, 0) == 1 &&
                   (SendMessageW(list, LVM_GETITEMSTATE, static_cast<WPARAM>(row), LVIS_SELECTED) & LVIS_SELECTED);
        });
    }

    // 寸法 through the kind panel: Ω, then OK (寸法 is preselected).
    void choose_length() const {
        HWND panel = open_by_click(c(5024), 1055);
        ASSERT_NE(panel, nullptr);
        ASSERT_TRUE(close_by_click(GetDlgItem(panel, 1051), panel));
    }
};

// Opening a list and closing it again with a click on its arrow chooses
// nothing: the unit, the list text and the result stay as they were.
TEST_F(RealInput, ClosingAListWithoutChoosingKeepsTheUnit) {
    choose_length();
    choose_by_mouse(kListABefore, 15);  // ft
    choose_by_mouse(kListAAfter, 7);    // m
    type_over(kInputA, L"1");
    ASSERT_TRUE(wait_for([&] { return app.text(kOutputA) == L"0.3048"; }, 5));
    ASSERT_TRUE(input::click_until(input::combo_arrow(c(kListAAfter)), [&] { return input::dropped(c(kListAAfter)); }));
    settle();
    ASSERT_TRUE(
        input::click_until(input::combo_arrow(c(kListAAfter)), [&] { return !input::dropped(c(kListAAfter)); }));
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
    // F4 opens the list, "m" is typed over the box's text, `key` closes it.
    const auto type_m_in_open_list_and = [&](WORD key) {
        input::key(VK_F4);
        ASSERT_TRUE(wait_for([&] { return input::dropped(c(kListBAfter)); }, 5));
        input::key(VK_END);
        input::key(VK_HOME, input::kShift);
        input::type(L"m");
        input::key(key);
        ASSERT_TRUE(wait_for([&] { return !input::dropped(c(kListBAfter)); }, 5));
        settle();
    };
    type_m_in_open_list_and(VK_ESCAPE);
    EXPECT_EQ(app.text(kListBAfter), L"ft");
    EXPECT_EQ(app.selection(kListBAfter), 15);
    EXPECT_EQ(app.text(kOutputB), L"2.");
    EXPECT_EQ(app.text(kZoom), L"24 in = 2 ft");

    type_m_in_open_list_and(VK_RETURN);
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
    const std::vector<int> expected{kOutputA,    kInputB, kOutputB, kListABefore, kListAAfter, kListBBefore,
                                    kListBAfter, 1034,    1037,     kZoom,        1029,        1030};
    focus_by_click(kInputA);
    EXPECT_EQ(tab_sequence(static_cast<int>(expected.size())), expected);
    for (int list : {kListABefore, kListBAfter}) {
        ASSERT_TRUE(input::click_until(input::combo_arrow(c(list)), [&] { return input::dropped(c(list)); }));
        settle();
        ASSERT_TRUE(input::click_until(input::combo_arrow(c(list)), [&] { return !input::dropped(c(list)); }));
    }
    focus_by_click(kInputA);
    EXPECT_EQ(tab_sequence(static_cast<int>(expected.size())), expected);
}

// Alt+Down and Alt+Up open and close a list as F4 does; the window is not
// left in menu mode, and the unit stays.
TEST_F(RealInput, AltDownOpensAListLikeF4) {
    choose_length();
    choose_by_mouse(kListABefore, 7);  // m: an open list would highlight mμ, the first item starting with m
    const int m = app.selection(kListABefore);
    ASSERT_EQ(m, 7);
    focus_by_click(kListABefore);
    input::key(VK_DOWN, input::kAlt);
    ASSERT_TRUE(wait_for([&] { return input::dropped(c(kListABefore)); }, 5));
    input::key(VK_UP, input::kAlt);
    ASSERT_TRUE(wait_for([&] { return !input::dropped(c(kListABefore)); }, 5));
    settle();
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(app.main(), nullptr), &info);
    EXPECT_EQ(info.flags & GUI_INMENUMODE, 0u);
    EXPECT_EQ(app.selection(kListABefore), m);
    EXPECT_EQ(app.text(kListABefore), L"m");
    // Keys reach the box again at once.
    input::key(VK_END);
    input::type(L"m");
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

// The focus as a control of a dialog: its id, with the inner parts of
// combo boxes (the edit field, an extended combo box's combo box) counted as
// the combo box itself.
int focus_in(HWND dialog, HWND focus) {
    while (focus && GetParent(focus) != dialog) focus = GetParent(focus);
    return focus ? GetDlgCtrlID(focus) : 0;
}

bool topmost(HWND window) { return (GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }

// The popup menu on show in the thread of `window`, or null.
HWND popup_menu_of(HWND window) { return thread_window(window, L"#32768"); }

std::wstring clipboard_text() {
    std::wstring text;
    if (!OpenClipboard(nullptr)) return text;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        text = static_cast<const wchar_t*>(GlobalLock(data));
        GlobalUnlock(data);
    }
    CloseClipboard();
    return text;
}

// Every picture button can be reached from the keyboard, carries its name
// for screen readers, and tells its shortcut in a tooltip.
TEST_F(RealInput, ShortcutsReachEveryPictureButton) {
    EXPECT_EQ(app.text(5024), utf16("単位種の選択"));
    EXPECT_EQ(app.text(5028), utf16("お気に入り換算"));
    EXPECT_EQ(app.text(5000), utf16("閉じる"));
    EXPECT_EQ(app.text(5008), utf16("最小化"));
    EXPECT_EQ(app.text(5012), utf16("常に手前に表示"));
    EXPECT_EQ(app.text(5016), utf16("ヘルプ"));
    EXPECT_EQ(app.text(5020), utf16("バージョン情報"));
    EXPECT_EQ(app.text(5044), utf16("Bコート：手動換算"));

    // Ctrl+K: the kind panel, with the focus on its list. Enter there does
    // not press OK; Tab reaches OK, whose Enter chooses the kind.
    focus_by_click(kInputA);
    input::key('K', input::kCtrl);
    HWND panel = dialog_with(1055);
    ASSERT_NE(panel, nullptr);
    ASSERT_TRUE(wait_for([&] { return focus_in(panel, input::focus_of(panel)) == 1055; }, 5));
    input::key(VK_DOWN);
    input::key(VK_RETURN);
    key_moving_focus(VK_TAB);
    EXPECT_EQ(focus_in(panel, input::focus_of(panel)), 1051);
    EXPECT_TRUE(IsWindow(panel));
    EXPECT_EQ(SendMessageW(c(kListABefore), CB_GETCOUNT, 0, 0), 5);  // still no kind
    input::key(VK_RETURN);
    ASSERT_TRUE(gone(panel));
    ASSERT_TRUE(wait_for([&] { return SendMessageW(c(kListABefore), CB_GETCOUNT, 0, 0) == 48; }, 5));  // 面積
    EXPECT_TRUE(wait_for([&] { return focus_id() == kListABefore; }, 5));

    // Ctrl+D: the favourites; its Cancel by its access key.
    input::key('D', input::kCtrl);
    HWND favourites = dialog_with(1078);
    ASSERT_NE(favourites, nullptr);
    input::key('C', input::kAlt);
    ASSERT_TRUE(gone(favourites));

    // Ctrl+F: the unit search; 終了 by its access key.
    input::key('F', input::kCtrl);
    HWND search = dialog_with(1071);
    ASSERT_NE(search, nullptr);
    input::key('C', input::kAlt);
    ASSERT_TRUE(gone(search));

    // Ctrl+I: the about box; Enter closes it, and the focus is on 設定.
    input::key('I', input::kCtrl);
    HWND about = dialog_with(1010);
    ASSERT_NE(about, nullptr);
    input::key(VK_RETURN);
    ASSERT_TRUE(gone(about));
    EXPECT_TRUE(wait_for([&] { return focus_id() == 1030; }, 5));

    // Ctrl+T: always on top off and on again, the picture following.
    input::key('T', input::kCtrl);
    EXPECT_TRUE(wait_for([&] { return !topmost(app.main()); }, 5));
    EXPECT_TRUE(IsWindowVisible(c(5013)));
    input::key('T', input::kCtrl);
    EXPECT_TRUE(wait_for([&] { return topmost(app.main()); }, 5));

    // Ctrl+L in court B: court B converts as the user types.
    type_over(kListBBefore, utf16("m2"));
    type_over(kListBAfter, utf16("a"));
    focus_by_click(kInputB);
    input::key('L', input::kCtrl);
    ASSERT_TRUE(wait_for([&] { return IsWindowVisible(c(5040)); }, 5));  // 自動 lit
    type_over(kInputB, L"300");
    EXPECT_TRUE(wait_for([&] { return app.text(kOutputB) == L"3."; }, 5));

    // Ctrl+M: minimised.
    input::key('M', input::kCtrl);
    EXPECT_TRUE(wait_for([&] { return IsIconic(app.main()) != FALSE; }, 5));
    ShowWindow(app.main(), SW_RESTORE);
}

// A picture button's tip shows when the pointer rests on the button, also
// after a change of display scale has made the buttons larger.
TEST_F(RealInput, ButtonTipsShowUnderThePointerAtAnyScale) {
    const auto tip_over = [&](int id) {
        input::move_to({1270, 790});  // off the window: any tip on show goes
        settle();
        input::move_to(input::centre_of(c(id)));
        return wait_for(
            [&] {
                HWND tip = shown_tooltip(app.main());
                return tip && current_tool(app.process(), tip) == static_cast<UINT_PTR>(id);
            },
            5);
    };
    EXPECT_TRUE(tip_over(5000));
    EXPECT_TRUE(tip_over(5024));
    send_dpi_change(app.process(), app.main(), 192);
    settle();
    EXPECT_TRUE(tip_over(5000));
    EXPECT_TRUE(tip_over(5024));
}

// The pointer on a function button shows its hover look, the left button
// held its pressed look; moved off with the button held it shows its look at
// rest, and released there it does nothing. Each look lies on the button and
// is the picture for the display scale, also after a change of scale.
TEST_F(RealInput, FunctionButtonLooksFollowThePointerAtAnyScale) {
    const auto on_show = [&](int id) { return wait_for([&] { return IsWindowVisible(c(id)) != FALSE; }, 5); };
    // The look `id` lies on the button, is named as it and shows the
    // render of `picture` for the scale (once it has been drawn).
    const auto shows_render = [&](int id, int picture, int dpi) {
        const Picture render = program_picture(picture + picture_choice(Dpi(dpi)).render.id_offset);
        const RECT r = rect_of(c(id));
        const RECT button = rect_of(c(5000));
        EXPECT_EQ(r.left, button.left) << id;
        EXPECT_EQ(r.top, button.top) << id;
        EXPECT_EQ(app.text(id), utf16("閉じる")) << id;
        return r.right - r.left == render.w && r.bottom - r.top == render.h &&
               wait_for([&] { return screen_pixels(r) == render.pixels; }, 5);
    };
    for (int dpi : {96, 192}) {
        if (dpi != 96) send_dpi_change(app.process(), app.main(), dpi);
        const POINT centre = input::centre_of(c(5000));
        input::move_to({1270, 790});  // off the window
        settle();
        input::move_to(centre);
        ASSERT_TRUE(on_show(5002)) << "no hover look at " << dpi;
        settle();
        EXPECT_FALSE(IsWindowVisible(c(5000)));
        EXPECT_TRUE(shows_render(5002, 502, dpi)) << "hover look at " << dpi;
        input::press_at(centre);
        ASSERT_TRUE(on_show(5001)) << "no pressed look at " << dpi;
        settle();
        EXPECT_FALSE(IsWindowVisible(c(5002)));
        EXPECT_TRUE(shows_render(5001, 501, dpi)) << "pressed look at " << dpi;
        input::move_to({rect_of(app.main()).left + 4, centre.y});  // on the window, on no button
        ASSERT_TRUE(on_show(5000)) << "the look at rest does not come back at " << dpi;
        input::release();
        settle();
        EXPECT_FALSE(IsWindowVisible(c(5001)));
        EXPECT_EQ(find_dialog(app.process_id(), utf16("Varuno：終了確認")), nullptr);
    }
}

// The function buttons pressed by the mouse, each doing its own command, and
// the window dragged by its top strip. After each window command the focus
// is on the settings button.
TEST_F(RealInput, FunctionButtonsByMouseAndTheWindowDraggedByItsTopStrip) {
    focus_by_click(kInputA);
    HWND about = open_by_click(c(5020), 1010);
    ASSERT_NE(about, nullptr);
    ASSERT_TRUE(close_by_click(GetDlgItem(about, IDOK), about));
    EXPECT_TRUE(wait_for([&] { return focus_id() == 1030; }, 5));

    // ヘルプ opens its menu; Esc closes it and nothing else happens.
    focus_by_click(kInputA);
    ASSERT_TRUE(input::click_until(c(5016), [&] { return popup_menu_of(app.main()) != nullptr; }));
    input::key(VK_ESCAPE);
    EXPECT_TRUE(wait_for([&] { return popup_menu_of(app.main()) == nullptr; }, 5));
    EXPECT_EQ(find_dialog(app.process_id(), utf16("Varuno")), nullptr);

    focus_by_click(kInputA);
    ASSERT_TRUE(input::click_until(c(5012), [&] { return !topmost(app.main()); }));
    EXPECT_TRUE(wait_for([&] { return focus_id() == 1030; }, 5));
    ASSERT_TRUE(input::click_until(c(5013), [&] { return topmost(app.main()); }));

    focus_by_click(kInputA);
    ASSERT_TRUE(input::click_until(c(5008), [&] { return IsIconic(app.main()) != FALSE; }));
    ShowWindow(app.main(), SW_RESTORE);
    ASSERT_TRUE(input::to_foreground(app.main()));
    EXPECT_TRUE(wait_for([&] { return focus_id() == 1030; }, 5)) << "focus on " << focus_id();

    // The strip left of the buttons moves the window with the pointer.
    const RECT before = rect_of(app.main());
    const POINT from{before.left + 100, before.top + 10};
    input::drag(from, {from.x + 60, from.y + 40});
    EXPECT_TRUE(wait_for(
        [&] {
            const RECT r = rect_of(app.main());
            return r.left == before.left + 60 && r.top == before.top + 40;
        },
        5))
        << rect_of(app.main()).left << "," << rect_of(app.main()).top;

    // 閉じる asks first; キャンセル keeps the program.
    HWND confirm = box_by_click(c(5000), "Varuno：終了確認");
    ASSERT_NE(confirm, nullptr);
    ASSERT_TRUE(close_by_click(GetDlgItem(confirm, IDCANCEL), confirm));
    EXPECT_TRUE(app.processed());
    EXPECT_TRUE(app.running());
}

// A click into a court's field, or a unit list dropped down, shows that
// court's units in the status bar.
TEST_F(RealInput, TheStatusBarFollowsTheCourtClickedOrOpened) {
    ASSERT_TRUE(app.choose_kind(0));
    app.select(kListABefore, 4);   // mm
    app.select(kListAAfter, 7);    // m
    app.select(kListBBefore, 13);  // in
    app.select(kListBAfter, 15);   // ft
    ASSERT_TRUE(input::to_foreground(app.main()));
    const auto shows = [&](const char* name) {
        return wait_for(
            [&] {
                const std::wstring units = app.status_part(2);  // turning: seen twice, the name lies whole in it
                return (units + units).find(utf16(name)) != std::wstring::npos;
            },
            5);
    };
    focus_by_click(kInputB);
    EXPECT_TRUE(shows("インチ"));
    focus_by_click(kInputA);
    EXPECT_TRUE(shows("ミリメートル"));
    ASSERT_TRUE(input::click_until(input::combo_arrow(c(kListBAfter)), [&] { return input::dropped(c(kListBAfter)); }));
    EXPECT_TRUE(shows("フィート"));
    input::key(VK_ESCAPE);
    EXPECT_TRUE(wait_for([&] { return !input::dropped(c(kListBAfter)); }, 5));
    EXPECT_EQ(app.selection(kListBAfter), 15);
}

// One pixel of the screen, 0xRRGGBB.
DWORD screen_pixel(POINT p) { return screen_pixels({p.x, p.y, p.x + 1, p.y + 1}).front(); }

// What the window paints itself, seen on the screen: the court indicator
// lights court B after its conversion; the convert button's triangle is
// green, darker while pressed, and red once its court converts live.
TEST_F(RealInput, TheIndicatorAndTheConvertButtonsShowWhatHappened) {
    ASSERT_TRUE(app.choose_kind(0));
    app.select(kListBBefore, 13);  // in
    app.select(kListBAfter, 15);   // ft
    ASSERT_TRUE(input::to_foreground(app.main()));
    type_over(kInputB, L"12");
    HWND button = c(1037);
    ASSERT_TRUE(input::click_until(button, [&] { return app.text(kOutputB) == L"1."; }));
    settle();
    const RECT indicator = rect_of(c(1043));
    EXPECT_EQ(screen_pixel({indicator.left + 2, indicator.top + 1}), 0x15BFFFu);     // court B lit
    EXPECT_EQ(screen_pixel({indicator.left + 1, indicator.bottom - 2}), 0x800000u);  // court A dark

    const RECT r = rect_of(button);
    const int h = r.bottom - r.top;
    const POINT triangle{(r.left + r.right) / 2, r.top + h / 2 - h / 6 + 2};
    EXPECT_EQ(screen_pixel(triangle), 0x00FF00u);
    input::press_at(input::centre_of(button));
    EXPECT_TRUE(wait_for([&] { return screen_pixel(triangle) == 0x008000u; }, 5)) << "not pressed";
    input::release();
    EXPECT_TRUE(wait_for([&] { return screen_pixel(triangle) == 0x00FF00u; }, 5)) << "still pressed";

    ASSERT_TRUE(
        input::click_until(c(5040), [&] { return IsWindowVisible(c(5040)) || IsWindowVisible(c(5042)); }));  // 自動
    EXPECT_TRUE(wait_for([&] { return screen_pixel(triangle) == 0xFF0000u; }, 5)) << "no live look";
}

// After a favourite is re-converted, and after a search hit is applied, the
// focus waits in court A's input field for the value.
TEST_F(RealInput, AfterAFavouriteOrASearchHitTheFocusIsInCourtAsInput) {
    // One stored pair: 寸法 mm -> m.
    const std::wstring fv = beside_test(L"varuno_fv.ini").wstring();
    WritePrivateProfileStringW(L"FV", L"c", L"1", fv.c_str());
    for (const wchar_t* section : {L"uk", L"bf", L"af", L"COU"})
        WritePrivateProfileStringW(section, L"0",
                                   section[0] == L'b'   ? L"4"
                                   : section[0] == L'a' ? L"7"
                                                        : L"0",
                                   fv.c_str());
    WritePrivateProfileStringW(nullptr, nullptr, nullptr, fv.c_str());

    focus_by_click(kInputB);
    HWND panel = open_by_click(c(5028), 1078);
    ASSERT_NE(panel, nullptr);
    HWND list = GetDlgItem(panel, 1056);
    ASSERT_TRUE(wait_for([&] { return list_view_count(list) == 1; }, 5));
    ASSERT_TRUE(select_row_by_click(list, 0));
    input::key('R', input::kAlt);  // 再換算
    ASSERT_TRUE(gone(panel));
    EXPECT_TRUE(wait_for([&] { return focus_id() == kInputA; }, 5));
    EXPECT_EQ(app.text(kListABefore), L"mm");
    type_over(kInputA, L"1500");
    EXPECT_TRUE(wait_for([&] { return app.text(kOutputA) == L"1.5"; }, 5));

    // The search: 坪, the first hit explained with Enter, applied with Yes.
    focus_by_click(kInputB);
    HWND search = search_by_keyboard("坪");
    ASSERT_NE(search, nullptr);
    HWND results = GetDlgItem(search, 1073);
    ASSERT_TRUE(select_row_by_click(results, 0));
    input::key(VK_RETURN);
    HWND detail = box("Varuno：結果詳細");
    ASSERT_NE(detail, nullptr);
    input::key(VK_RETURN);  // はい
    HWND done = box("Varuno：自動選択");
    ASSERT_NE(done, nullptr);
    input::key(VK_RETURN);  // はい: the search closes
    ASSERT_TRUE(gone(search));
    EXPECT_TRUE(wait_for([&] { return focus_id() == kInputA; }, 5));
    // The first hit, a unit of 面積, is chosen on both sides of both courts.
    EXPECT_EQ(SendMessageW(c(kListABefore), CB_GETCOUNT, 0, 0), 48);
    EXPECT_GE(app.selection(kListABefore), 0);
    EXPECT_EQ(app.selection(kListBAfter), app.selection(kListABefore));
}

// Without the help file, F1 says so, names the file, and the window stays.
TEST_F(RealInput, HelpThatCannotOpenSaysSo) {
    const std::filesystem::path help = beside_test(L"varuno.html"), away = beside_test(L"varuno.html.away");
    std::filesystem::rename(help, away);
    struct PutBack {
        std::filesystem::path from, to;
        ~PutBack() { std::filesystem::rename(from, to); }
    } put_back{away, help};
    input::key(VK_F1);
    HWND message = box("Varuno：ヘルプ");
    ASSERT_NE(message, nullptr);
    EXPECT_NE(message_text(message).find(L"varuno.html"), std::wstring::npos);
    EXPECT_FALSE(IsIconic(app.main()));
    input::key(VK_RETURN);
    EXPECT_TRUE(gone(message));
    EXPECT_FALSE(IsIconic(app.main()));
}

// A person who uses only the keyboard: a kind, units typed in both courts,
// conversions, copy, the settings menu, a search hit, a favourite, a setting,
// and the exit. The focus and the Tab order are checked on the way.
TEST_F(RealInput, KeyboardOnlyJourney) {
    input::key('K', input::kCtrl);
    HWND panel = dialog_with(1055);
    ASSERT_NE(panel, nullptr);
    ASSERT_TRUE(wait_for([&] { return focus_in(panel, input::focus_of(panel)) == 1055; }, 5));
    for (int i = 0; i < 3; ++i) input::key(VK_DOWN);  // 寸法 → 質量
    key_moving_focus(VK_TAB);
    input::key(VK_RETURN);
    ASSERT_TRUE(gone(panel));
    ASSERT_TRUE(wait_for([&] { return focus_id() == kListABefore; }, 5));
    EXPECT_EQ(SendMessageW(c(kListABefore), CB_GETCOUNT, 0, 0), 122);

    // Court A: kg → g, typed; back to the input field with Shift+Tab.
    input::type(L"kg");
    ASSERT_TRUE(wait_for([&] { return app.text(kListABefore) == L"kg"; }, 5));
    key_moving_focus(VK_TAB);
    EXPECT_EQ(focus_id(), kListAAfter);
    input::type(L"g");
    ASSERT_TRUE(wait_for([&] { return app.text(kListAAfter) == L"g"; }, 5));
    std::vector<int> back;
    for (int i = 0; i < 5; ++i) {
        key_moving_focus(VK_TAB, input::kShift);
        back.push_back(focus_id());
    }
    EXPECT_EQ(back, (std::vector<int>{kListABefore, kOutputB, kInputB, kOutputA, kInputA}));
    input::type(L"1");
    EXPECT_TRUE(wait_for([&] { return app.text(kOutputA) == L"1000."; }, 5));
    shot(L"keyboard_court_a.bmp");

    // Court B, manual: g → kg, 500, Enter.
    EXPECT_EQ(tab_sequence(6).back(), kListBBefore);
    input::type(L"g");
    ASSERT_TRUE(wait_for([&] { return app.text(kListBBefore) == L"g"; }, 5));
    key_moving_focus(VK_TAB);
    input::type(L"kg");
    ASSERT_TRUE(wait_for([&] { return app.text(kListBAfter) == L"kg"; }, 5));
    for (int i = 0; i < 5; ++i) key_moving_focus(VK_TAB, input::kShift);
    EXPECT_EQ(focus_id(), kInputB);
    input::type(L"500");
    ASSERT_TRUE(wait_for([&] { return app.text(kInputB) == L"500"; }, 5));
    EXPECT_EQ(app.text(kOutputB), L"");
    input::key(VK_RETURN);
    ASSERT_TRUE(wait_for([&] { return app.text(kOutputB) == L"0.5"; }, 5));
    EXPECT_EQ(app.text(kZoom), L"500 g = 0.5 kg");
    EXPECT_EQ(app.status_part(0), utf16("Ｂ"));

    // Copy: the copy button by Tab, pressed with the space bar.
    EXPECT_EQ(tab_sequence(9).back(), 1029);
    input::key(VK_SPACE);
    EXPECT_TRUE(wait_for([&] { return clipboard_text() == L"500 g = 0.5 kg"; }, 5));

    // The settings menu shows the shortcuts; Esc closes it.
    key_moving_focus(VK_TAB);
    EXPECT_EQ(focus_id(), 1030);
    input::key(VK_SPACE);
    HWND menu = nullptr;
    ASSERT_TRUE(wait_for([&] { return (menu = popup_menu_of(app.main())) != nullptr; }, 5));
    shot(L"keyboard_menu.bmp");
    input::key(VK_ESCAPE);
    ASSERT_TRUE(gone(menu));

    // The search: 坪, the first hit explained with Enter and applied.
    HWND search = search_by_keyboard("坪");
    ASSERT_NE(search, nullptr);
    HWND results = GetDlgItem(search, 1073);
    key_moving_focus(VK_TAB, input::kShift);  // the result list is the last stop
    EXPECT_EQ(focus_in(search, input::focus_of(search)), 1073);
    input::key(VK_HOME);
    ASSERT_TRUE(wait_for([&] { return SendMessageW(results, LVM_GETSELECTEDCOUNT, 0, 0) == 1; }, 5));
    input::key(VK_RETURN);
    ASSERT_NE(box("Varuno：結果詳細"), nullptr);
    input::key(VK_RETURN);
    ASSERT_NE(box("Varuno：自動選択"), nullptr);
    input::key(VK_RETURN);
    ASSERT_TRUE(gone(search));
    ASSERT_TRUE(wait_for([&] { return focus_id() == kInputA; }, 5));
    EXPECT_EQ(SendMessageW(c(kListABefore), CB_GETCOUNT, 0, 0), 48);  // 面積

    // A favourite: 登録 court A by its access key, then re-converted.
    input::key('D', input::kCtrl);
    HWND favourites = dialog_with(1078);
    ASSERT_NE(favourites, nullptr);
    input::key('T', input::kAlt);
    ASSERT_NE(box("Varuno：お気に入り換算登録"), nullptr);
    input::key(VK_RETURN);  // はい: court A
    HWND stored = GetDlgItem(favourites, 1056);
    ASSERT_TRUE(wait_for([&] { return list_view_count(stored) == 1; }, 5));
    key_moving_focus(VK_TAB);
    EXPECT_EQ(focus_in(favourites, input::focus_of(favourites)), 1056);
    input::key(VK_HOME);
    ASSERT_TRUE(wait_for([&] { return SendMessageW(stored, LVM_GETSELECTEDCOUNT, 0, 0) == 1; }, 5));
    input::key('R', input::kAlt);
    ASSERT_TRUE(gone(favourites));
    ASSERT_TRUE(wait_for([&] { return focus_id() == kInputA; }, 5));

    // A setting: the exponent as e±xxx, applied at once.
    key_moving_focus(VK_TAB, input::kShift);
    EXPECT_EQ(focus_id(), 1030);
    input::key(VK_SPACE);
    ASSERT_TRUE(wait_for([&] { return popup_menu_of(app.main()) != nullptr; }, 5));
    input::key('S');
    HWND settings = dialog_with(20300);
    ASSERT_NE(settings, nullptr);
    input::key('E', input::kAlt);
    ASSERT_TRUE(wait_for([&] { return IsDlgButtonChecked(settings, 20202) == BST_CHECKED; }, 5));
    // OK by Tab and the space bar: its access key O is also 換算率の昇順's.
    for (int i = 0; i < 12 && focus_in(settings, input::focus_of(settings)) != 20000; ++i) key_moving_focus(VK_TAB);
    ASSERT_EQ(focus_in(settings, input::focus_of(settings)), 20000);
    input::key(VK_SPACE);
    ASSERT_NE(box("Varuno：換算設定適用確認"), nullptr);
    input::key(VK_RETURN);  // はい
    ASSERT_TRUE(gone(settings));
    EXPECT_TRUE(wait_for([&] { return focus_id() == 1030; }, 5));

    // The exit: Alt+F4, then OK (Cancel is the default button).
    input::key(VK_F4, input::kAlt);
    HWND question = box("Varuno：終了確認");
    ASSERT_NE(question, nullptr);
    input::key(VK_LEFT);
    input::key(VK_RETURN);
    EXPECT_EQ(app.wait_exit(10), 0u);
    EXPECT_EQ(GetPrivateProfileIntW(L"0_1:RDO", L"1", 0, beside_test(settings_file_name()).c_str()), 20202);
}

// A person who uses the mouse for everything but the numbers.
TEST_F(RealInput, MouseOnlyJourney) {
    // Ω, the kind list opened and 質量 clicked, OK.
    HWND panel = open_by_click(c(5024), 1055);
    ASSERT_NE(panel, nullptr);
    HWND kinds = GetDlgItem(panel, 1055);
    HWND items = nullptr;
    ASSERT_TRUE(input::click_until(kinds, [&] { return (items = dropdown_of(kinds)) != nullptr; }));
    {
        const auto height = static_cast<int>(SendMessageW(items, LB_GETITEMHEIGHT, 0, 0));
        POINT at{20, 3 * height + height / 2};
        ClientToScreen(items, &at);
        ASSERT_TRUE(input::click_until(at, [&] { return SendMessageW(kinds, CB_GETCURSEL, 0, 0) == 3; }));
    }
    ASSERT_TRUE(close_by_click(GetDlgItem(panel, 1051), panel));
    ASSERT_TRUE(wait_for([&] { return SendMessageW(c(kListABefore), CB_GETCOUNT, 0, 0) == 122; }, 5));

    // kg → g in court A by clicks; the value typed.
    choose_by_mouse(kListABefore, 8);
    choose_by_mouse(kListAAfter, 5);
    EXPECT_EQ(app.text(kListABefore), L"kg");
    EXPECT_EQ(app.text(kListAAfter), L"g");
    EXPECT_EQ(app.status_part(1), utf16("質量"));
    focus_by_click(kInputA);
    input::type(L"2");
    ASSERT_TRUE(wait_for([&] { return app.text(kOutputA) == L"2000."; }, 5));

    // Court B converts on its button; then its live switch is clicked on.
    choose_by_mouse(kListBBefore, 5);
    choose_by_mouse(kListBAfter, 8);
    focus_by_click(kInputB);
    input::type(L"250");
    ASSERT_TRUE(wait_for([&] { return app.text(kInputB) == L"250"; }, 5));
    ASSERT_TRUE(input::click_until(c(1037), [&] { return app.text(kOutputB) == L"0.25"; }));
    ASSERT_TRUE(input::click_until(c(5040), [&] { return IsWindowVisible(c(5040)) || IsWindowVisible(c(5042)); }));
    focus_by_click(kInputB);
    input::key(VK_END);
    input::type(L"0");
    EXPECT_TRUE(wait_for([&] { return app.text(kOutputB) == L"2.5"; }, 5));
    shot(L"mouse_courts.bmp");

    // Copy.
    EXPECT_TRUE(input::click_until(c(1029), [&] { return clipboard_text() == L"2500 g = 2.5 kg"; }));

    // ★: 登録 for court B (いいえ), the row clicked, 再換算.
    HWND favourites = open_by_click(c(5028), 1078);
    ASSERT_NE(favourites, nullptr);
    HWND ask = box_by_click(GetDlgItem(favourites, 1078), "Varuno：お気に入り換算登録");
    ASSERT_NE(ask, nullptr);
    ASSERT_TRUE(close_by_click(GetDlgItem(ask, IDNO), ask));
    HWND stored = GetDlgItem(favourites, 1056);
    ASSERT_TRUE(wait_for([&] { return list_view_count(stored) == 1; }, 5));
    ASSERT_TRUE(active(favourites));
    ASSERT_TRUE(select_row_by_click(stored, 0));
    ASSERT_TRUE(close_by_click(GetDlgItem(favourites, 1076), favourites));
    EXPECT_EQ(app.text(kListABefore), L"g");  // court B's pair, g → kg, into court A
    EXPECT_EQ(app.text(kListBBefore), L"kg");

    // The search from the kind panel's 単位の検索: 坪, a double click, はい, はい.
    panel = open_by_click(c(5024), 1055);
    ASSERT_NE(panel, nullptr);
    HWND search = open_by_click(GetDlgItem(panel, 1056), 1071);
    ASSERT_NE(search, nullptr);
    EXPECT_FALSE(IsWindow(panel));
    HWND text = GetDlgItem(search, 1075);
    ASSERT_TRUE(input::click_until(text, [&] { return focus_in(search, input::focus_of(search)) == 1075; }));
    input::type(utf16("坪"));
    ASSERT_TRUE(wait_for([&] { return window_text(text) == utf16("坪"); }, 5));
    HWND results = GetDlgItem(search, 1073);
    ASSERT_TRUE(input::click_until(GetDlgItem(search, 1071), [&] { return list_view_count(results) > 0; }));
    HWND detail = nullptr;
    for (int i = 0; i < 3 && !detail; ++i) {
        input::double_click_at(list_view_row_point(app.process(), results, 0));
        detail = box("Varuno：結果詳細");
    }
    ASSERT_NE(detail, nullptr);
    HWND done = box_by_click(GetDlgItem(detail, IDYES), "Varuno：自動選択");
    ASSERT_NE(done, nullptr);
    ASSERT_TRUE(close_by_click(GetDlgItem(done, IDYES), done));
    ASSERT_TRUE(gone(search));
    EXPECT_EQ(SendMessageW(c(kListABefore), CB_GETCOUNT, 0, 0), 48);

    // 設定 from the menu's first item; 換算後 clicked; OK; いいえ.
    HWND menu = nullptr;
    ASSERT_TRUE(input::click_until(c(1030), [&] { return (menu = popup_menu_of(app.main())) != nullptr; }));
    HWND settings = nullptr;
    ASSERT_TRUE(input::click_until({rect_of(menu).left + 30, rect_of(menu).top + 12}, [&] {
        return (settings = wait_dialog_with(app.process_id(), 20300, 0)) != nullptr;
    }));
    ASSERT_TRUE(active(settings));
    HWND after_only = GetDlgItem(settings, 20201);
    ASSERT_TRUE(input::click_until(after_only, [&] { return IsDlgButtonChecked(settings, 20201) == BST_CHECKED; }));
    HWND apply = box_by_click(GetDlgItem(settings, 20000), "Varuno：換算設定適用確認");
    ASSERT_NE(apply, nullptr);
    ASSERT_TRUE(close_by_click(GetDlgItem(apply, IDNO), apply));
    ASSERT_TRUE(gone(settings));

    // The close button, then OK.
    HWND question = box_by_click(c(5000), "Varuno：終了確認");
    ASSERT_NE(question, nullptr);
    input::click_until(GetDlgItem(question, IDOK), [&] { return !app.running(); });
    EXPECT_EQ(app.wait_exit(10), 0u);
    EXPECT_EQ(GetPrivateProfileIntW(L"0_0:RDO", L"1", 0, beside_test(settings_file_name()).c_str()), 20201);
}

}  // namespace
}  // namespace varuno::e2e
