// Window placement: the menu's five places and restoring a saved position.
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

} // namespace
} // namespace varuno
