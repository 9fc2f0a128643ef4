// Every pixel size the windows draw or place themselves, at 96 DPI (100 %).
// The windows map them through their Dpi (platform/dpi.h) to the monitor's
// pixels; what a dialog template places in dialog units scales with the
// template's font instead.
#pragma once
#include <array>

namespace varuno::px96 {

struct Size {
    int cx, cy;
};

// ---- The main window ----

// The header picture, drawn at the window's top-left corner.
inline constexpr Size kHeader{500, 46};
// A press in this strip at the window's top (outside the buttons) drags the
// captionless window.
inline constexpr int kDragStrip = 50;
// The right edges of the status bar's five parts.
inline constexpr std::array<int, 5> kStatusEdges{15, 99, 259, 349, 439};
// The unit lists (68 wide when closed, from the dialog template): widened
// width, height with the drop-down open, and how far court B's lists move
// left when they widen.
inline constexpr int kListWide = 240;
inline constexpr int kListDropped = 300;
inline constexpr int kListWideShift = 172;
// The window's size limits when it is sized.
inline constexpr Size kMinTrack{300, 212};
inline constexpr Size kMaxTrack{1000, 212};
// The copy button keeps this distance from the window's right edge.
inline constexpr int kCopyRightMargin = 20;
// The courts' frames: pen width and the corners' ellipse.
inline constexpr int kCourtFramePen = 1;
inline constexpr int kCourtFrameCorner = 10;
// The court indicator's upper triangle (its lower one fills the width).
inline constexpr int kIndicatorTriangle = 12;
// The convert buttons' triangle: half its width, and its height.
inline constexpr int kConvertTriangle = 7;
// The decorative line moves this far per step.
inline constexpr int kDecorStep = 2;
// The program's icons and the kind pictures in the kind list.
inline constexpr int kSmallIcon = 16;
inline constexpr int kLargeIcon = 32;
inline constexpr int kKindPicture = 16;

// ---- The dialogs ----

// The balloon-shaped panels (kinds, favourites) open this far right of and
// below their place; their corners' ellipse; their tail's tip, whose two
// corners lie this far above the middle of the tail's side.
inline constexpr Size kPanelOffset{40, 53};
inline constexpr int kBalloonCorner = 10;
inline constexpr int kTailTipHigh = 10;
inline constexpr int kTailTipLow = 8;
// The kind list's height with its drop-down open.
inline constexpr int kKindListDropped = 333;
// The columns of the search results and of the favourites.
inline constexpr std::array<int, 7> kSearchColumns{70, 100, 50, 30, 45, 45, 100};
inline constexpr std::array<int, 4> kFavouritesColumns{50, 40, 40, 20};
// Report lists: the room a column head needs beside its text.
inline constexpr int kColumnHeadMargins = 12;
// The about box's links: room after the text, and before the OK button.
inline constexpr int kLinkSlack = 2;
inline constexpr int kLinkGap = 4;

} // namespace varuno::px96
