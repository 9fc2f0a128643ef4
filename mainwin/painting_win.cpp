#include "mainwin/painting_win.h"

#include "platform/dpi_win.h"
#include "resources/pixel_sizes.h"
#include "resources/resource.h"
#include "platform/child_rect_win.h"

namespace varuno {
namespace {

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

void court_frame(HDC dc, const RECT& r, HPEN pen, Dpi dpi) {
    Selected selected_pen(dc, pen);
    Selected brush(dc, GetStockObject(HOLLOW_BRUSH));
    const int corner = dpi.px(px96::kCourtFrameCorner);
    RoundRect(dc, r.left, r.top, r.right, r.bottom, corner, corner);
}

void indicator(HDC dc, const RECT& r, int active_court, Dpi dpi) {
    const POINT lower[3] = {{r.left, r.bottom - (r.right - r.left)}, {r.left, r.bottom}, {r.right, r.bottom}};
    filled_polygon(dc, lower, 3, active_court == 1 ? RGB(255, 0, 0) : RGB(128, 0, 0));
    const int side = dpi.px(px96::kIndicatorTriangle);
    const POINT upper[3] = {{r.left, r.top}, {r.left + side, r.top}, {r.left + side, r.top + side}};
    filled_polygon(dc, upper, 3, active_court == 2 ? RGB(21, 191, 255) : RGB(0, 0, 128));
}

}  // namespace

void MainPainter::set_dpi(HINSTANCE instance, Dpi dpi) {
    dpi_ = dpi;
    header_ = load_picture(instance, IDB_HEADER, dpi);
    const int pen = dpi.px(px96::kCourtFramePen);
    red_pen_.reset(CreatePen(PS_SOLID, pen, RGB(255, 0, 0)));
    blue_pen_.reset(CreatePen(PS_SOLID, pen, RGB(0, 0, 255)));
}

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
    court_frame(dc, child_rect(main, IDC_FRAME_A), red_pen_.get(), dpi_);
    court_frame(dc, child_rect(main, IDC_FRAME_B), blue_pen_.get(), dpi_);
    indicator(dc, child_rect(main, IDC_INDICATOR), active_court, dpi_);
    if (header_) {
        BITMAP info{};
        GetObjectW(header_.get(), sizeof info, &info);
        MemoryDC memory(dc);
        Selected picture(memory.get(), header_.get());
        SetStretchBltMode(dc, COLORONCOLOR);
        StretchBlt(dc, 0, 0, dpi_.px(px96::kHeader.cx), dpi_.px(px96::kHeader.cy), memory.get(), 0, 0, info.bmWidth,
                   info.bmHeight, SRCCOPY);
    }
    decorative_line(dc, child_rect(main, IDC_DECOR_LINE));
}

void MainPainter::draw_convert_button(const DRAWITEMSTRUCT& item, ConvertButtonLook look) const {
    HDC dc = item.hDC;
    const RECT r = item.rcItem;
    FillRect(dc, &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    const int c = (r.left + r.right) / 2;
    const int y = (r.top + r.bottom) / 2 - (r.top + r.bottom) / 6;
    const int t = dpi_.px(px96::kConvertTriangle);
    const POINT triangle[3] = {{c - t, y}, {c + t, y}, {c, y + t}};
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
    phase_ += dpi_.px(px96::kDecorStep);
    RECT r = child_rect(main, IDC_DECOR_LINE);
    InvalidateRect(main, &r, TRUE);
}

}  // namespace varuno
