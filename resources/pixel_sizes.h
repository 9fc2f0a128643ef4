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
struct Point {
    int x, y;
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

// ---- The guide, Corvid.exe ----
// Its windows and corvid/layout.cpp take these through the Dpi of the
// monitor the window is on. The character's size is its picture's.
namespace corvid {

// Where the guide puts varuno's window and the character on the
// maximised-window area: wider than kWideScreen, side by side at the
// middle with the character kCharacterBelowMain above the main window's
// client bottom; wider than kNarrowestScreen, varuno at kCornerPlace and the
// character kCharacterFromRight from the right edge, kCharacterAboveClient
// above the main window's client bottom; narrower, not at all.
inline constexpr int kWideScreen = 900;
inline constexpr int kNarrowestScreen = 550;
inline constexpr int kCharacterBelowMain = 50;
inline constexpr int kCharacterFromRight = 470;
inline constexpr int kCharacterAboveClient = 10;
inline constexpr Point kCornerPlace{3, 3};
// The program's icon on the character window.
inline constexpr int kIcon = 32;

// A balloon: its text lies this far inside the body; the button row starts
// as far below the text and is this tall; the body's rounded corners.
inline constexpr int kBalloonTextInset = 10;
inline constexpr int kButtonRowHeight = 33;
inline constexpr int kBalloonCorner = 10;
// The buttons: a step's three at these distances from the body's left
// edge; the other stages' first button this far left of the middle, the
// second this far right of it (after the body's right edge moved by
// kSecondButtonShift, halved), the replay question's Quit further right.
inline constexpr std::array<int, 3> kStepButtons{5, 63, 121};
inline constexpr int kFirstButtonLeftOfMiddle = 58;
inline constexpr int kSecondButtonShift = 10;
inline constexpr int kSecondButtonGap = 5;
inline constexpr int kQuitButtonGap = 20;
// The tail's tip: its two corners lie this far above the middle of the
// tail's side.
inline constexpr int kTailTipHigh = 10;
inline constexpr int kTailTipLow = 8;
// The balloon opens this far below the character's top; the exit
// confirmation overlaps the character's left edge by kExitOverlap.
inline constexpr int kBalloonBelowCharacterTop = 80;
inline constexpr int kExitOverlap = 20;
// The decoration picture's places in a tour balloon.
inline constexpr std::array<Point, 5> kDecorations{{{50, 20}, {50, 130}, {100, 90}, {150, 50}, {150, 160}}};

// A pointer label: its ring lies kRingOutside outside the target and is
// kRingThickness thick; the caption box holds the text kCaptionInset inside
// each edge and has rounded corners.
inline constexpr int kRingOutside = 10;
inline constexpr int kRingThickness = 4;
inline constexpr int kCaptionInset = 5;
inline constexpr int kLabelCorner = 5;
// Step 3's ring target, relative to the main window's top-left corner: the
// kind panel's drop-down.
inline constexpr Point kFixedTargetFrom{69, 80};
inline constexpr Point kFixedTargetTo{242, 102};

// The splash: the title in two lines, a rainbow underline of five lines
// kRainbowLength long, each kRainbowStep lower and further left than the
// one before, the two notes and the three credit lines.
inline constexpr Point kSplashTitle{48, 48};
inline constexpr Point kSplashTitleEnd{168, 96};
inline constexpr Point kRainbowStart{72, 96};
inline constexpr int kRainbowLength = 96;
inline constexpr int kRainbowStep = 6;
inline constexpr int kRainbowPen = 1;
inline constexpr std::array<Point, 2> kSplashNotes{{{24, 144}, {24, 168}}};
inline constexpr std::array<Point, 3> kSplashCredits{{{36, 192}, {48, 216}, {48, 235}}};

}  // namespace corvid

}  // namespace varuno::px96
