// End-to-end tests of the about box of varuno.exe: its texts, the larger
// font of the version line and the blue links.
#include <windows.h>

#include <vector>

#include <gtest/gtest.h>

#include "tests/e2e/win_driver.h"

namespace varuno::e2e {
namespace {

constexpr int kVersion = 1010, kMail = 1006, kHome = 1011;

// The pixels of a screen rectangle, top row first, as 0x00RRGGBB.
struct Pixels {
    int width = 0, height = 0;
    std::vector<DWORD> data;
    DWORD at(int x, int y) const { return data[static_cast<std::size_t>(y * width + x)]; }
};

Pixels capture(HDC source, const RECT& r) {
    Pixels p;
    p.width = r.right - r.left;
    p.height = r.bottom - r.top;
    p.data.resize(static_cast<std::size_t>(p.width * p.height));
    HDC memory = CreateCompatibleDC(source);
    HBITMAP bitmap = CreateCompatibleBitmap(source, p.width, p.height);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, p.width, p.height, source, r.left, r.top, SRCCOPY);
    SelectObject(memory, old);
    BITMAPINFOHEADER info{sizeof info, p.width, -p.height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    GetDIBits(memory, bitmap, 0, static_cast<UINT>(p.height), p.data.data(), reinterpret_cast<BITMAPINFO*>(&info),
              DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(memory);
    return p;
}

int red(DWORD c) { return static_cast<int>((c >> 16) & 0xFF); }
int green(DWORD c) { return static_cast<int>((c >> 8) & 0xFF); }
int blue(DWORD c) { return static_cast<int>(c & 0xFF); }
bool dark(DWORD c) { return red(c) < 110 && green(c) < 110 && blue(c) < 110; }

// Height in pixels from the top to the bottom row that holds a dark pixel.
int ink_height(const Pixels& p) {
    int top = -1, bottom = -1;
    for (int y = 0; y < p.height; ++y)
        for (int x = 0; x < p.width; ++x)
            if (dark(p.at(x, y))) {
                if (top < 0) top = y;
                bottom = y;
                break;
            }
    return top < 0 ? 0 : bottom - top + 1;
}

// The ink height of `text` drawn here in the dialogs' face at `points`.
int reference_ink_height(const std::wstring& text, int points) {
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 600, 60);
    HGDIOBJ old_bitmap = SelectObject(dc, bitmap);
    HFONT font = CreateFontW(-MulDiv(points, GetDeviceCaps(screen, LOGPIXELSY), 72), 0, 0, 0, FW_NORMAL, FALSE, FALSE,
                             FALSE, DEFAULT_CHARSET, 0, 0, 0, 0, utf16("ＭＳ Ｐゴシック").c_str());
    HGDIOBJ old_font = SelectObject(dc, font);
    RECT all{0, 0, 600, 60};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkMode(dc, TRANSPARENT);
    TextOutW(dc, 5, 5, text.c_str(), static_cast<int>(text.size()));
    SelectObject(dc, old_font);
    DeleteObject(font);
    const int height = ink_height(capture(dc, all));
    SelectObject(dc, old_bitmap);
    DeleteObject(bitmap);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    return height;
}

RECT inner_rect(HWND control, int inset) {
    RECT r{};
    GetWindowRect(control, &r);
    InflateRect(&r, -inset, -inset);
    return r;
}

TEST(AboutBox, VersionLineInALargerFontAndBlueLinks) {
    fresh_ini_files();
    Varuno app;
    ASSERT_TRUE(app.start());
    PostMessageW(app.main(), WM_COMMAND, MAKEWPARAM(32793, 0), 0);
    HWND box = wait_dialog(app.process_id(), utf16("バージョン情報"));
    ASSERT_NE(box, nullptr);
    WaitForInputIdle(app.process(), 5000);
    ASSERT_TRUE(wait_for([&] { return IsWindowVisible(box); }));
    // Painted now, children included, before its pixels are read.
    RedrawWindow(box, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);

    const std::wstring version = utf16("Varuno -ヴァルーノ- Ver 2.0.0");
    EXPECT_EQ(window_text(GetDlgItem(box, kVersion)), version);
    EXPECT_EQ(window_text(GetDlgItem(box, kMail)), L"varuno@example.org");
    EXPECT_EQ(window_text(GetDlgItem(box, kHome)), L"https://varuno.example.org/");
    screenshot(box, beside_test(L"screenshots\\about.bmp"));

    HDC screen = GetDC(nullptr);
    const int shown = ink_height(capture(screen, inner_rect(GetDlgItem(box, kVersion), 2)));
    const int nine = reference_ink_height(version, 9), eleven = reference_ink_height(version, 11);
    EXPECT_GT(eleven, nine);  // the reference sizes differ at all
    EXPECT_GT(shown, nine);
    EXPECT_NEAR(shown, eleven, 1);

    // Both links are drawn in pure blue.
    for (int id : {kMail, kHome}) {
        const Pixels link = capture(screen, inner_rect(GetDlgItem(box, id), 0));
        int pure_blue = 0, black = 0;
        for (DWORD c : link.data) {
            pure_blue += red(c) == 0 && green(c) == 0 && blue(c) == 255;
            black += dark(c);
        }
        EXPECT_GT(pure_blue, 20) << id;
        EXPECT_EQ(black, 0) << id;
    }
    ReleaseDC(nullptr, screen);

    click(box, IDOK);
    EXPECT_TRUE(wait_for([&] { return !IsWindow(box); }));
    app.exit_with_ok();
}

}  // namespace
}  // namespace varuno::e2e
