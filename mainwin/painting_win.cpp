#include "mainwin/painting_win.h"

#include "mainwin/status_bar_win.h"
#include "resources/resource.h"

namespace varuno {
namespace {

int g_phase = 0;

RECT placeholder(HWND main, int id) {
    RECT r{};
    GetWindowRect(GetDlgItem(main, id), &r);
    MapWindowPoints(nullptr, main, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

void court_frame(HDC dc, const RECT& r, COLORREF colour) {
    HPEN pen = CreatePen(PS_SOLID, 1, colour);
    HGDIOBJ old_pen = SelectObject(dc, pen);
    HGDIOBJ old_brush = SelectObject(dc, GetStockObject(HOLLOW_BRUSH));
    RoundRect(dc, r.left, r.top, r.right, r.bottom, 10, 10);
    SelectObject(dc, old_brush);
    SelectObject(dc, old_pen);
    DeleteObject(pen);
}

void filled_polygon(HDC dc, const POINT* points, int count, COLORREF colour) {
    HBRUSH brush = CreateSolidBrush(colour);
    HGDIOBJ old_brush = SelectObject(dc, brush);
    HGDIOBJ old_pen = SelectObject(dc, GetStockObject(NULL_PEN));
    Polygon(dc, points, count);
    SelectObject(dc, old_pen);
    SelectObject(dc, old_brush);
    DeleteObject(brush);
}

void indicator(HDC dc, const RECT& r, int active_court) {
    const POINT lower[3] = {{r.left, r.bottom - (r.right - r.left)}, {r.left, r.bottom}, {r.right, r.bottom}};
    filled_polygon(dc, lower, 3, active_court == 1 ? RGB(255, 0, 0) : RGB(128, 0, 0));
    const POINT upper[3] = {{r.left, r.top}, {r.left + 12, r.top}, {r.left + 12, r.top + 12}};
    filled_polygon(dc, upper, 3, active_court == 2 ? RGB(21, 191, 255) : RGB(0, 0, 128));
}

// The header picture, loaded at the first painting and kept for the run.
void header(HDC dc) {
    static const HBITMAP bitmap = static_cast<HBITMAP>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDB_HEADER), IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR));
    if (!bitmap) return;
    BITMAP info{};
    GetObjectW(bitmap, sizeof info, &info);
    HDC memory = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(memory, bitmap);
    SetStretchBltMode(dc, COLORONCOLOR);
    StretchBlt(dc, 0, 0, 500, 46, memory, 0, 0, info.bmWidth, info.bmHeight, SRCCOPY);
    SelectObject(memory, old);
    DeleteDC(memory);
}

// A band of red-violet to blue that brightens to the middle and fades again,
// drawn from the phase onwards and wrapping round.
void decorative_line(HDC dc, const RECT& r) {
    const int width = r.right - r.left;
    if (width <= 0) return;
    if (g_phase > width) g_phase = 0;
    const int half = width / 2 > 0 ? width / 2 : 1;
    int x = r.left + g_phase;
    bool falling = false;
    for (int i = 0; i < width; ++i) {
        const int rise = 255 * i / half;
        const int e = falling ? 510 - rise : rise;
        if (e >= 255) falling = true;
        HPEN pen = CreatePen(PS_SOLID, 1, RGB(((e / 3) * 2) & 0xFF, 0, e & 0xFF));
        HGDIOBJ old = SelectObject(dc, pen);
        MoveToEx(dc, x, r.top + 1, nullptr);
        LineTo(dc, x, r.bottom - 1);
        SelectObject(dc, old);
        DeleteObject(pen);
        if (++x > r.right - 1) x = r.left;
    }
    HBRUSH grey = CreateSolidBrush(RGB(128, 128, 128));
    FrameRect(dc, &r, grey);
    DeleteObject(grey);
}

} // namespace

void paint_window(HWND main, HDC dc) {
    court_frame(dc, placeholder(main, IDC_FRAME_A), RGB(255, 0, 0));
    court_frame(dc, placeholder(main, IDC_FRAME_B), RGB(0, 0, 255));
    indicator(dc, placeholder(main, IDC_INDICATOR), status_active_court());
    header(dc);
    decorative_line(dc, placeholder(main, IDC_DECOR_LINE));
}

void draw_convert_button(const DRAWITEMSTRUCT& item, ConvertButtonLook look) {
    HDC dc = item.hDC;
    const RECT r = item.rcItem;
    HBRUSH black = CreateSolidBrush(RGB(0, 0, 0));
    FillRect(dc, &r, black);
    DeleteObject(black);
    const int c = (r.left + r.right) / 2;
    const int y = (r.top + r.bottom) / 2 - (r.top + r.bottom) / 6;
    const POINT triangle[3] = {{c - 7, y}, {c + 7, y}, {c, y + 7}};
    if (look.live) {
        filled_polygon(dc, triangle, 3, RGB(255, 0, 0));
        return;
    }
    filled_polygon(dc, triangle, 3, look.pressed ? RGB(0, 128, 0) : RGB(0, 255, 0));
    auto frame = [&](RECT f, COLORREF colour) {
        HBRUSH brush = CreateSolidBrush(colour);
        FrameRect(dc, &f, brush);
        DeleteObject(brush);
    };
    frame(r, RGB(100, 100, 100));
    if (look.pressed)
        frame({r.left + 1, r.top + 1, r.right, r.bottom}, RGB(190, 190, 190));
    else
        frame({r.left, r.top, r.right - 1, r.bottom - 1}, RGB(255, 255, 255));
    frame({r.left + 1, r.top + 1, r.right - 1, r.bottom - 1}, RGB(177, 177, 177));
}

void decorative_step(HWND main) {
    g_phase += 2;
    RECT r = placeholder(main, IDC_DECOR_LINE);
    InvalidateRect(main, &r, TRUE);
}

} // namespace varuno
