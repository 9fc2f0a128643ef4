// What the main window draws itself: the courts' frames, the active-court
// indicator, the header picture, the decorative line and the convert
// buttons. Everything it draws with is made once and kept.
#pragma once
#include <windows.h>

#include "platform/dpi.h"
#include "platform/handles_win.h"

namespace varuno {

struct ConvertButtonLook {
    bool live;  // live conversion on: only the red triangle
    bool pressed;
};

class MainPainter {
public:
    // The header and pens for `dpi`; called before the first paint and
    // when the window moves to a monitor of another scale.
    void set_dpi(HINSTANCE instance, Dpi dpi);

    // WM_PAINT of the main window; `active_court` 0 none, 1 A, 2 B.
    void paint(HWND main, HDC dc, int active_court);
    // WM_DRAWITEM of convert button 1034 or 1037.
    void draw_convert_button(const DRAWITEMSTRUCT& item, ConvertButtonLook look) const;
    // Timer 3: moves the decorative line by two pixels (at 96 DPI).
    void step(HWND main);

private:
    void decorative_line(HDC dc, const RECT& r);

    Dpi dpi_;
    UniqueBitmap header_;
    UniquePen red_pen_, blue_pen_;
    int phase_ = 0;
};

}  // namespace varuno
