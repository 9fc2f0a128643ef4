// Where the main window goes: the five places of the settings menu, and a
// restored position that no monitor shows any more.
#pragma once
#include <vector>

namespace varuno {

struct Rect {
    int left, top, right, bottom;
};

struct Point {
    int x, y;
};

enum class Placement { kCentre, kTopLeft, kBottomLeft, kTopRight, kBottomRight };

// Top-left corner for a window of w × h in a maximised-window area of W × H;
// the edge places keep 8 pixels from the right and bottom edges.
Point placement_origin(Placement place, int W, int H, int w, int h);

struct Monitor {
    Rect area;  // the whole monitor
    Rect work;  // without task bars
};

// A saved position: negative coordinates become 0 (and coordinates so large
// that the far edge would pass INT_MAX are brought back to it). A window that
// then lies off every monitor (one removed since it was saved) is moved into
// the work area of the nearest monitor; otherwise the position is kept as it
// is.
Point restored_position(int x, int y, int width, int height, const std::vector<Monitor>& monitors);

}  // namespace varuno
