// The guide's geometry and timing rules, apart from any window: where the
// character and varuno's main window go, how long to wait for varuno to
// show its window, where a balloon's buttons, tail and window go, the shape
// of a pointer label, the character's shape from its picture, and the
// labels' common blink.
//
// All coordinates are pixels of the display; every distance the rules add
// is given at 96 DPI (resources/pixel_sizes.h) and scaled by the Dpi of the
// window's monitor, so that the guide keeps its proportions at every scale.
// Divisions truncate toward zero.
#pragma once
#include <array>
#include <functional>
#include <vector>

#include "corvid/tour.h"
#include "platform/dpi.h"

namespace varuno::corvid {

struct Point {
    int x, y;
};

struct Rect {
    int left, top, right, bottom;
};

// Where the guide puts the two windows on a maximised-window area of W × H,
// for a main window whose client area is cw × ch, at `dpi`. A screen of at
// most 550 pixels at 96 DPI (1100 at 192) is too narrow: `fits` is then
// false; one wider than 900 (1800) puts them side by side at the middle.
struct GuidePlacement {
    bool fits;
    Point character;
    Point main_window;
};
GuidePlacement guide_placement(int W, int H, int cw, int ch, Dpi dpi);

// Waits for varuno's window after starting it: looks, and while there is no
// window waits 100 ms and looks again; after the 51st wait that brought no
// window it gives up. Answers whether a look found the window.
constexpr int kStartWaitMs = 100;
constexpr int kStartWaits = 51;
bool wait_for_window(const std::function<bool()>& look, const std::function<void(int ms)>& wait);

// A balloon's button at client x; the stage's buttons, left to right.
struct ButtonPlace {
    int button;
    int x;
};
// `left` and `right` are the body's left and right edges in client pixels.
std::vector<ButtonPlace> balloon_buttons(TourStage stage, int left, int right, Dpi dpi);

// The tail of a balloon: a four-point polygon on the tail's rectangle S,
// pointing left at the character, or right for the exit confirmation.
std::array<Point, 4> tail_polygon(const Rect& S, bool exit_confirm, Dpi dpi);
// The middle of the tail's tip, in the coordinates of S.
int tail_tip_y(const Rect& S, Dpi dpi);

// The balloon's window origin beside the character's screen rectangle C,
// for a balloon whose client area is `width` wide: the tour balloons at its
// right edge, the exit confirmation on its left overlapping it by 20 pixels
// (at 96 DPI).
Point balloon_origin(const Rect& C, int width, bool exit_confirm, Dpi dpi);

// Where a window of w × h wanted at `at` goes so that it lies inside the
// work area `work` of its monitor: moved the least distance that does it
// (a window larger than the area keeps its top-left edge inside).
Point fit_into(Point at, int w, int h, const Rect& work);

// A balloon of w × h beside the character C (its origin from
// balloon_origin), kept inside the work area. Its tail tip lies `tip_y`
// pixels below its top; when the balloon has to move up, it moves no higher
// than keeps the tip at the character's top, as long as the work area allows.
Point balloon_in_work_area(const Rect& C, int w, int h, bool exit_confirm, int tip_y, const Rect& work, Dpi dpi);

// The rectangle that "▼ココ" circles, relative to the main window's top-left
// corner (L, T): the drop-down of the kind panel.
Rect fixed_target(int L, int T, Dpi dpi);

// A pointer label around the target T (screen pixels), whose caption text
// measures text_cx × text_cy, on a maximised-window area M pixels wide, at
// `dpi`. The
// ring is the outer ellipse minus the inner one; the caption box goes right
// of the ring's lower part, or left of it when it would leave the screen.
// Ring and caption are in the label window's client pixels.
struct LabelGeometry {
    Rect outer, inner;  // the ring's two ellipses
    Rect caption;       // the rounded caption box
    Point origin;       // the label window's screen position
    bool caption_left;
};
LabelGeometry label_geometry(const Rect& T, int text_cx, int text_cy, int M, Dpi dpi);
// The same label kept inside the work area: a caption box that would go
// below it moves above the ring, which stays around the target; a shape
// that runs over a side edge shifts back inside.
LabelGeometry label_in_work_area(const LabelGeometry& g, const Rect& work);

// The character's shape: for each row, the runs of pixels that are part of
// the character (1 pixel tall rectangles, rows top to bottom, runs left to
// right, none overlapping), plus the single pixel at the origin. `part(x, y)`
// tells whether a pixel of the picture belongs to the character.
std::vector<Rect> shape_runs(int width, int height, const std::function<bool(int x, int y)>& part);

// The blink of the labels of one balloon. Each label's timer toggles that
// label's phase; the second label then takes the first one's, and every
// label is coloured by the first label's phase, so all change together.
class LabelBlink {
public:
    void reset() { phase_[0] = phase_[1] = 0; }
    void tick(int label);
    int colour_phase() const { return phase_[0]; }
    int phase(int label) const { return phase_[label]; }

private:
    int phase_[2] = {0, 0};
};

}  // namespace varuno::corvid
