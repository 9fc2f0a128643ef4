// No text of a window is cut off: every static, button, check box, radio
// button, group box and list column head of varuno's windows and of the
// guide's balloons is measured in the control's font and must fit its
// control. Run under fonts with Windows' metrics, so that what fits here
// fits on Windows.
#include <windows.h>
#include <commctrl.h>

#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/e2e/varuno_test_fixture.h"
#include "tests/e2e/win_driver.h"

namespace varuno::e2e {
namespace {

// The font a control of our dialogs draws with: the templates' 9-point
// "ＭＳ Ｐゴシック" unless said otherwise, at the screen's resolution.
HFONT dialog_font(int points = 9, bool underline = false) {
    HDC screen = GetDC(nullptr);
    const int pixels = MulDiv(points, GetDeviceCaps(screen, LOGPIXELSY), 72);
    ReleaseDC(nullptr, screen);
    return CreateFontW(-pixels, 0, 0, 0, FW_NORMAL, FALSE, underline, FALSE, DEFAULT_CHARSET, 0, 0, 0, 0,
                       utf16("ＭＳ Ｐゴシック").c_str());
}

int scaled(int pixels) {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return MulDiv(pixels, dpi, 96);
}

// The size `text` needs in `font`; with `wrap_width` > 0, word-wrapped to it.
SIZE needed(const std::wstring& text, HFONT font, int wrap_width, bool prefix) {
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font);
    RECT r{0, 0, wrap_width > 0 ? wrap_width : 10000, 0};
    UINT format = DT_CALCRECT | (prefix ? 0 : DT_NOPREFIX) | (wrap_width > 0 ? DT_WORDBREAK : DT_SINGLELINE);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, format);
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return {r.right - r.left, r.bottom - r.top};
}

std::string utf8(const std::wstring& w) {
    std::string out(
        static_cast<std::size_t>(WideCharToMultiByte(CP_UTF8, 0, w.c_str(), -1, nullptr, 0, nullptr, nullptr)), '\0');
    WideCharToMultiByte(CP_UTF8, 0, w.c_str(), -1, out.data(), static_cast<int>(out.size()), nullptr, nullptr);
    out.resize(out.size() - 1);
    return out;
}

struct Clip {
    std::string what;
};

// The controls of `window` whose text does not fit. `font_of` gives the
// font of a control (the dialog font by default).
class ClipCheck {
public:
    ClipCheck(HANDLE process, HWND window) : process_(process), window_(window), font_(dialog_font()) {}
    ~ClipCheck() {
        DeleteObject(font_);
        for (auto& [id, font] : special_) DeleteObject(font);
    }
    // Control `id` draws with its own font.
    void font_for(int id, HFONT font) { special_.emplace_back(id, font); }

    std::vector<std::string> run() {
        EnumChildWindows(window_, visit, reinterpret_cast<LPARAM>(this));
        return clips_;
    }

private:
    static BOOL CALLBACK visit(HWND control, LPARAM self) {
        reinterpret_cast<ClipCheck*>(self)->check(control);
        return TRUE;
    }

    HFONT font_of(HWND control) const {
        for (const auto& [id, font] : special_)
            if (GetDlgCtrlID(control) == id) return font;
        return font_;
    }

    void fail(HWND control, const std::wstring& text, SIZE need, SIZE have) {
        std::ostringstream out;
        out << "control " << GetDlgCtrlID(control) << " \"" << utf8(text) << "\" needs " << need.cx << "x" << need.cy
            << ", has " << have.cx << "x" << have.cy;
        clips_.push_back(out.str());
    }

    void check(HWND control) {
        if (!IsWindowVisible(control)) return;
        wchar_t cls[32] = {};
        GetClassNameW(control, cls, 32);
        const std::wstring kind = cls;
        const LONG style = GetWindowLongW(control, GWL_STYLE);
        RECT client{};
        GetClientRect(control, &client);
        const SIZE have{client.right, client.bottom};
        const std::wstring text = window_text(control);
        if (kind == L"SysListView32") return check_heads(control);
        if (text.empty()) return;
        HFONT font = font_of(control);
        if (kind == L"Static") {
            const LONG type = style & SS_TYPEMASK;
            if (type != SS_LEFT && type != SS_CENTER && type != SS_RIGHT && type != SS_LEFTNOWORDWRAP &&
                type != SS_SIMPLE)
                return;
            const bool prefix = !(style & SS_NOPREFIX);
            const bool wraps = type != SS_LEFTNOWORDWRAP && type != SS_SIMPLE && !(style & SS_CENTERIMAGE);
            const SIZE need = needed(text, font, wraps ? have.cx : 0, prefix);
            if (need.cx > have.cx || need.cy > have.cy) fail(control, text, need, have);
            return;
        }
        if (kind != L"Button") return;
        const LONG type = style & BS_TYPEMASK;
        const SIZE need = needed(text, font, 0, true);
        switch (type) {
        case BS_PUSHBUTTON:
        case BS_DEFPUSHBUTTON:
            // The face inside the border, the focus rectangle inside that.
            if (need.cx + scaled(8) > have.cx || need.cy + scaled(4) > have.cy)
                fail(control, text, {need.cx + scaled(8), need.cy + scaled(4)}, have);
            break;
        case BS_CHECKBOX:
        case BS_AUTOCHECKBOX:
        case BS_RADIOBUTTON:
        case BS_AUTORADIOBUTTON:
        case BS_3STATE:
        case BS_AUTO3STATE: {
            // The box or circle, 13 pixels at 96 DPI, and a gap before the text.
            const int box = scaled(13) + scaled(4);
            if (need.cx + box > have.cx || need.cy > have.cy) fail(control, text, {need.cx + box, need.cy}, have);
            break;
        }
        case BS_GROUPBOX:
            // The head sits on the frame, a little in from either corner.
            if (need.cx + scaled(16) > have.cx) fail(control, text, {need.cx + scaled(16), need.cy}, have);
            break;
        default: break;
        }
    }

    void check_heads(HWND list) {
        for (const HeaderItem& head : list_view_heads(process_, list)) {
            const SIZE need = needed(head.text, font_of(list), 0, false);
            // A head leaves some room on either side of its text.
            if (need.cx + scaled(12) > head.width)
                fail(list, head.text, {need.cx + scaled(12), need.cy}, {head.width, 0});
        }
    }

    HANDLE process_;
    HWND window_;
    HFONT font_;
    std::vector<std::pair<int, HFONT>> special_;
    std::vector<std::string> clips_;
};

std::string listed(const std::vector<std::string>& clips) {
    std::string all;
    for (const std::string& c : clips) all += "\n  " + c;
    return all;
}

class Clipping : public VarunoTest {
protected:
    // Opens a dialog with a posted menu command and waits for it.
    HWND by_command(int command, int child) {
        PostMessageW(app.main(), WM_COMMAND, MAKEWPARAM(command, 0), 0);
        HWND dialog = wait_dialog_with(app.process_id(), child);
        if (dialog) WaitForInputIdle(app.process(), 5000);
        return dialog;
    }
    std::vector<std::string> clips(HWND window) {
        ClipCheck check(app.process(), window);
        return check.run();
    }
};

TEST_F(Clipping, MainWindow) {
    EXPECT_TRUE(clips(app.main()).empty()) << listed(clips(app.main()));
    // The output fields hold the error mark in full; a result of 15 digits
    // may scroll there, but the zoom view shows its whole line.
    HFONT font = dialog_font();
    auto room = [&](int id) {
        RECT client{};
        GetClientRect(app.control(id), &client);
        return client.right - scaled(4);  // the field's margins
    };
    for (int output : {4005, 4007}) EXPECT_LE(needed(utf16("ERR!ヘルプ参照"), font, 0, false).cx, room(output));
    EXPECT_LE(needed(utf16("100 ﾟF = 37.7777777777778 ℃"), font, 0, false).cx, room(1014));
    EXPECT_LE(needed(utf16("ERR!ここをクリックしてください。"), font, 0, false).cx, room(1014));
    DeleteObject(font);
}

TEST_F(Clipping, KindPanelFavouritesSearchSettingsAbout) {
    // The kind panel.
    PostMessageW(app.main(), WM_COMMAND, MAKEWPARAM(40101, 1), 0);
    HWND panel = wait_dialog_with(app.process_id(), 1055);
    ASSERT_NE(panel, nullptr);
    WaitForInputIdle(app.process(), 5000);
    EXPECT_TRUE(clips(panel).empty()) << listed(clips(panel));
    click(panel, 1052);
    ASSERT_TRUE(wait_for([&] { return !IsWindow(panel); }));

    HWND favourites = by_command(40102, 1078);
    ASSERT_NE(favourites, nullptr);
    EXPECT_TRUE(clips(favourites).empty()) << listed(clips(favourites));
    click(favourites, 1077);
    ASSERT_TRUE(wait_for([&] { return !IsWindow(favourites); }));

    HWND search = by_command(40009, 1071);
    ASSERT_NE(search, nullptr);
    EXPECT_TRUE(clips(search).empty()) << listed(clips(search));
    click(search, 1052);
    ASSERT_TRUE(wait_for([&] { return !IsWindow(search); }));

    HWND settings = by_command(32773, 20300);
    ASSERT_NE(settings, nullptr);
    EXPECT_TRUE(clips(settings).empty()) << listed(clips(settings));
    {
        // The speed field shows the largest speed, 300, whole.
        HFONT font = dialog_font();
        RECT client{};
        GetClientRect(GetDlgItem(settings, 20300), &client);
        EXPECT_LE(needed(L"300", font, 0, false).cx, client.right - scaled(4));
        DeleteObject(font);
    }
    screenshot(settings, beside_test(L"screenshots\\clipping_settings.bmp"));
    click(settings, 20001);
    ASSERT_TRUE(wait_for([&] { return !IsWindow(settings); }));

    HWND about = by_command(32793, 1010);
    ASSERT_NE(about, nullptr);
    {
        ClipCheck check(app.process(), about);
        check.font_for(1010, dialog_font(11));
        check.font_for(1006, dialog_font(9, true));
        check.font_for(1011, dialog_font(9, true));
        const auto found = check.run();
        EXPECT_TRUE(found.empty()) << listed(found);
    }
    click(about, IDOK);
    ASSERT_TRUE(wait_for([&] { return !IsWindow(about); }));
}

// Every balloon of the tour, and the exit confirmation.
TEST(GuideClipping, EveryBalloon) {
    fresh_ini_files();
    Varuno app;
    ASSERT_TRUE(app.start());
    Corvid guide;
    ASSERT_TRUE(guide.start());
    constexpr int kOk = 1000, kQuit = 1004, kNext = 1005, kNo = 1003;
    auto check = [&](const char* stage) {
        HWND balloon = guide.balloon();
        ASSERT_NE(balloon, nullptr) << stage;
        ClipCheck clip(guide.process(), balloon);
        const auto found = clip.run();
        EXPECT_TRUE(found.empty()) << stage << listed(found);
    };
    check("greeting");
    ASSERT_TRUE(guide.press(kOk));
    for (int step = 1; step <= 11; ++step) {
        check(("step " + std::to_string(step)).c_str());
        ASSERT_TRUE(guide.press(kNext));
    }
    check("replay question");
    ASSERT_TRUE(guide.press(kQuit));
    check("farewell");
    ASSERT_TRUE(guide.press(kOk));
    EXPECT_EQ(guide.wait_exit(), 0u);
    (void)kNo;
    ASSERT_TRUE(app.exit_with_ok());
}

}  // namespace
}  // namespace varuno::e2e
