// What the main window draws itself: the courts' frames, the active-court
// indicator, the header picture, the decorative line and the convert buttons.
#pragma once
#include <windows.h>

namespace varuno {

struct ConvertButtonLook {
    bool live;     // live conversion on: only the red triangle
    bool pressed;
};

void paint_window(HWND main, HDC dc);
void draw_convert_button(const DRAWITEMSTRUCT& item, ConvertButtonLook look);
// Timer 3: moves the decorative line by two pixels.
void decorative_step(HWND main);

} // namespace varuno
