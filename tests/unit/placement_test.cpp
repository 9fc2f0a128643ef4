// Window placement: the menu's five places and restoring a saved position.
#include <climits>

#include <gtest/gtest.h>

#include "mainwin/placement.h"

namespace varuno {
namespace {

TEST(Placement, FivePlacesInTheMaximisedArea) {
    auto at = [](Placement p) { return placement_origin(p, 1280, 770, 502, 260); };
    EXPECT_EQ(at(Placement::kTopLeft).x, 0);
    EXPECT_EQ(at(Placement::kTopLeft).y, 0);
    EXPECT_EQ(at(Placement::kCentre).x, 389);
    EXPECT_EQ(at(Placement::kCentre).y, 255);
    EXPECT_EQ(at(Placement::kBottomRight).x, 1280 - 502 - 8);
    EXPECT_EQ(at(Placement::kBottomRight).y, 770 - 260 - 8);
    EXPECT_EQ(at(Placement::kBottomLeft).x, 0);
    EXPECT_EQ(at(Placement::kTopRight).y, 0);
    EXPECT_EQ(placement_origin(Placement::kCentre, 1281, 771, 500, 260).x, 390);  // rounded down
}

const std::vector<Monitor> kTwoScreens{{{0, 0, 1280, 800}, {0, 0, 1280, 770}},
                                       {{1280, 0, 3200, 1080}, {1280, 0, 3200, 1040}}};

TEST(Placement, SavedPositionsOnAScreenAreKept) {
    const Point p = restored_position(1500, 300, 500, 260, kTwoScreens);
    EXPECT_EQ(p.x, 1500);
    EXPECT_EQ(p.y, 300);
    const Point negative = restored_position(-40, -7, 500, 260, kTwoScreens);
    EXPECT_EQ(negative.x, 0);
    EXPECT_EQ(negative.y, 0);
    // Partly off the right edge but still shown: kept.
    EXPECT_EQ(restored_position(3000, 10, 500, 260, kTwoScreens).x, 3000);
}

TEST(Placement, APositionOffEveryMonitorMovesToTheNearest) {
    // The second screen was removed: the window comes back onto the first.
    const std::vector<Monitor> one{kTwoScreens[0]};
    const Point p = restored_position(2000, 300, 500, 260, one);
    EXPECT_EQ(p.x, 1280 - 500);
    EXPECT_EQ(p.y, 300);
    const Point below = restored_position(100, 5000, 500, 260, one);
    EXPECT_EQ(below.x, 100);
    EXPECT_EQ(below.y, 770 - 260);
    // Far right of both screens: the right-hand screen is the nearer one.
    const Point right = restored_position(9000, 100, 500, 260, kTwoScreens);
    EXPECT_EQ(right.x, 3200 - 500);
}

// A position edited by hand to the far end of the int range: the window's
// right and bottom edges and the distances to monitors left of the origin
// would overflow. The window comes back onto the nearest monitor.
TEST(Placement, HugePositionsComeBackWithoutOverflow) {
    const std::vector<Monitor> with_left{{{-1920, 0, 0, 1080}, {-1920, 0, 0, 1040}}, kTwoScreens[0]};
    const Point far = restored_position(INT_MAX - 10, INT_MAX - 10, 500, 260, with_left);
    EXPECT_EQ(far.x, 1280 - 500);
    EXPECT_EQ(far.y, 770 - 260);
    const Point right = restored_position(INT_MAX, 300, 500, 260, kTwoScreens);
    EXPECT_EQ(right.x, 3200 - 500);
    EXPECT_EQ(right.y, 300);
    const Point low = restored_position(INT_MIN, INT_MIN, 500, 260, with_left);
    EXPECT_EQ(low.x, 0);
    EXPECT_EQ(low.y, 0);
}

}  // namespace
}  // namespace varuno
