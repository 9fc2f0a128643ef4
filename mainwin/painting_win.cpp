#include "mainwin/painting_win.h"

#include "resources/resource.h"

namespace varuno {
namespace {

RECT placeholder(HWND main, int id) {
    RECT r{};
    GetWindowRect(GetDlgItem(main, id), &r);
    MapWindowPoints(nullptr, main, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

// Fills with the DC brush of `colour`: no brush is made for it.
void filled_polygon(HDC dc, const POINT* points, int count, COLORREF colour) {
    Selected brush(dc, GetStockObject(DC_BRUSH));
    Selected pen(dc, GetStockObject(NULL_PEN));
    SetDCBrushColor(dc, colour);
    Polygon(dc, points, count);
}

void frame(HDC dc, RECT r, COLORREF colour) {
    SetDCBrushColor(dc, colour);
    FrameRect(dc, &r, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

void court_frame(HDC dc, const RECT& r, HPEN pen) {
    Selected selected_pen(dc, pen);
    Selected brush(dc, GetStockObject(HOLLOW_BRUSH));
    RoundRect(dc, r.left, r.top, r.right, r.bottom, 10, 10);
}

void indicator(HDC dc, const RECT& r, int active_court) {
    const POINT lower[3] = {{r.left, r.bottom - (r.right - r.left)}, {r.left, r.bottom}, {r.right, r.bottom}};
    filled_polygon(dc, lower, 3, active_court == 1 ? RGB(255, 0, 0) : RGB(128, 0, 0));
    const POINT upper[3] = {{r.left, r.top}, {r.left + 12, r.top}, {r.left + 12, r.top + 12}};
    filled_polygon(dc, upper, 3, active_court == 2 ? RGB(21, 191, 255) : RGB(0, 0, 128));
}

} // namespace

MainPainter::MainPainter(HINSTANCE instance)
    : header_(static_cast<HBITMAP>(LoadImageW(instance, MAKEINTRESOURCEW(IDB_HEADER), IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR))),
      red_pen_(CreatePen(PS_SOLID, 1, RGB(255, 0, 0))),
      blue_pen_(CreatePen(PS_SOLID, 1, RGB(0, 0, 255))) {}

// A band of red-violet to blue that brightens to the middle and fades again,
// drawn from the phase onwards and wrapping round: x moves on (and wraps)
// before each column is drawn.
void MainPainter::decorative_line(HDC dc, const RECT& r) {
    const int width = r.right - r.left;
    if (width <= 0) return;
    if (phase_ > width) phase_ = 0;
    const int half = width / 2 > 0 ? width / 2 : 1;
    Selected pen(dc, GetStockObject(DC_PEN));
    int x = r.left + phase_;
    bool falling = false;
    for (int i = 0; i < width; ++i) {
        const int rise = 255 * i / half;
        const int e = falling ? 510 - rise : rise;
        if (e >= 255) falling = true;
        if (++x > r.right - 1) x = r.left;
        SetDCPenColor(dc, RGB(((e / 3) * 2) & 0xFF, 0, e & 0xFF));
        MoveToEx(dc, x, r.top + 1, nullptr);
        LineTo(dc, x, r.bottom - 1);
    }
    frame(dc, r, RGB(128, 128, 128));
}

void MainPainter::paint(HWND main, HDC dc, int active_court) {
    court_frame(dc, placeholder(main, IDC_FRAME_A), red_pen_.get());
    court_frame(dc, placeholder(main, IDC_FRAME_B), blue_pen_.get());
    indicator(dc, placeholder(main, IDC_INDICATOR), active_court);
    if (header_) {
        BITMAP info{};
        GetObjectW(header_.get(), sizeof info, &info);
        MemoryDC memory(dc);
        Selected picture(memory.get(), header_.get());
        SetStretchBltMode(dc, COLORONCOLOR);
        StretchBlt(dc, 0, 0, 500, 46, memory.get(), 0, 0, info.bmWidth, info.bmHeight, SRCCOPY);
    }
    decorative_line(dc, placeholder(main, IDC_DECOR_LINE));
}

void MainPainter::draw_convert_button(const DRAWITEMSTRUCT& item, ConvertButtonLook look) const {
    HDC dc = item.hDC;
    const RECT r = item.rcItem;
    FillRect(dc, &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    const int c = (r.left + r.right) / 2;
    const int y = (r.top + r.bottom) / 2 - (r.top + r.bottom) / 6;
    const POINT triangle[3] = {{c - 7, y}, {c + 7, y}, {c, y + 7}};
    if (look.live) {
        filled_polygon(dc, triangle, 3, RGB(255, 0, 0));
        return;
    }
    filled_polygon(dc, triangle, 3, look.pressed ? RGB(0, 128, 0) : RGB(0, 255, 0));
    frame(dc, r, RGB(100, 100, 100));
    if (look.pressed)
        frame(dc, {r.left + 1, r.top + 1, r.right, r.bottom}, RGB(190, 190, 190));
    else
        frame(dc, {r.left, r.top, r.right - 1, r.bottom - 1}, RGB(255, 255, 255));
    frame(dc, {r.left + 1, r.top + 1, r.right - 1, r.bottom - 1}, RGB(177, 177, 177));
}

void MainPainter::step(HWND main) {
    phase_ += 2;
    RECT r = placeholder(main, IDC_DECOR_LINE);
    InvalidateRect(main, &r, TRUE);
}

} // namespace varuno
