// The picture buttons' states and reports, with a fake window: controls are
// rectangles, showing and hiding is recorded, reports are collected.
#include <map>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "mainwin/nvbtn.h"

namespace varuno {
namespace {

struct FakeWindow {
    std::map<int, NvRect> controls;  // screen rectangles
    std::map<int, bool> visible;
    std::vector<std::pair<int, int>> reports;
    int drags = 0;
    int errors = 0;
    NvRect client{0, 0, 400, 212};
    int origin_x = 100, origin_y = 50;  // client (0, 0) on the screen
};

FakeWindow* g_window = nullptr;

}  // namespace

namespace nvbtn_host {
void show(NvWindow, int id, bool v) {
    if (g_window->controls.count(id)) g_window->visible[id] = v;
}
bool control_rect(NvWindow, int id, NvRect& r) {
    auto it = g_window->controls.find(id);
    if (it == g_window->controls.end()) return false;
    r = it->second;
    return true;
}
void client_to_screen(NvWindow, int& x, int& y) {
    x += g_window->origin_x;
    y += g_window->origin_y;
}
NvRect client_rect(NvWindow) { return g_window->client; }
void control_size(NvWindow, int id, int& w, int& h) {
    NvRect r{};
    if (control_rect(nullptr, id, r)) {
        w = r.right - r.left;
        h = r.bottom - r.top;
    } else {
        w = h = 0;
    }
}
void report(NvWindow, int id, int state) { g_window->reports.emplace_back(id, state); }
void start_drag(NvWindow) { ++g_window->drags; }
void program_error(const char*, const char*) { ++g_window->errors; }
}  // namespace nvbtn_host

namespace {

// The main window's buttons at client positions; ids as the main window has them.
class Buttons : public ::testing::Test {
protected:
    void SetUp() override {
        g_window = &window;
        place(5000, 360, 2, 3);   // close: normal, pressed, hover
        place(5012, 300, 2, 4);   // always on top: on, off, hover-on, hover-off
        place(5032, 150, 90, 4);  // court A switch, option 0
        place(5036, 180, 90, 4);  // option 1
        buttons.hw = &window;
        buttons.SetDragArea(0, 50, 0, -1, 2);
        buttons.InitialPush(5000, 5001, 5002, 0);
        buttons.InitialToggle(5012, 5013, 5014, 5015, 1);
        buttons.InitialRadio(5032, 5033, 5034, 5035, 2, 0);
    }
    void TearDown() override { g_window = nullptr; }

    void place(int first, int x, int y, int count) {
        for (int i = 0; i < count; ++i)
            window.controls[first + i] = {x + window.origin_x, y + window.origin_y, x + 20 + window.origin_x,
                                          y + 20 + window.origin_y};
    }
    std::vector<int> shown(int first, int count) {
        std::vector<int> ids;
        for (int i = 0; i < count; ++i)
            if (window.visible[first + i]) ids.push_back(first + i);
        return ids;
    }

    FakeWindow window;
    NvbtnCls buttons{7, 2, 2};
};

TEST_F(Buttons, InitialStatesShowOnePicturePerButton) {
    EXPECT_EQ(shown(5000, 3), std::vector<int>{5000});
    EXPECT_EQ(shown(5012, 4), std::vector<int>{5012});
    EXPECT_EQ(shown(5032, 8), (std::vector<int>{5032, 5037}));  // option 0 selected, option 1 not
    EXPECT_EQ(buttons.push_width[0], 20);
    EXPECT_EQ(buttons.drag_right, 400);
}

TEST_F(Buttons, HoverPressAndReleaseOfAPushButton) {
    buttons.OnMouseMove(0, 370, 12);
    EXPECT_EQ(shown(5000, 3), std::vector<int>{5002});
    buttons.OnLButtonDown(370, 12);
    EXPECT_EQ(shown(5000, 3), std::vector<int>{5001});
    // Moving off with the button held brings the normal picture back;
    // releasing there reports nothing.
    buttons.OnMouseMove(kMouseLeftButton, 200, 150);
    EXPECT_EQ(shown(5000, 3), std::vector<int>{5000});
    buttons.OnLButtonUp(200, 150);
    EXPECT_TRUE(window.reports.empty());
    // Back on it with the button held: pressed; any other key: unchanged.
    buttons.OnMouseMove(kMouseLeftButton, 370, 12);
    EXPECT_EQ(shown(5000, 3), std::vector<int>{5001});
    buttons.OnMouseMove(kMouseLeftButton | 0x0004, 370, 12);
    EXPECT_EQ(shown(5000, 3), std::vector<int>{5001});
    buttons.OnLButtonUp(370, 12);
    EXPECT_EQ(window.reports, (std::vector<std::pair<int, int>>{{5000, 0}}));
    EXPECT_EQ(shown(5000, 3), std::vector<int>{5000});
}

TEST_F(Buttons, EdgesAreNotInside) {
    buttons.OnLButtonUp(360, 12);  // on the left edge
    buttons.OnLButtonUp(380, 12);  // on the right edge
    EXPECT_TRUE(window.reports.empty());
}

TEST_F(Buttons, ToggleReportsItsNewState) {
    buttons.OnLButtonUp(310, 12);
    buttons.OnLButtonUp(310, 12);
    EXPECT_EQ(window.reports, (std::vector<std::pair<int, int>>{{5012, 0}, {5012, 1}}));
    buttons.OnMouseMove(0, 310, 12);
    EXPECT_EQ(shown(5012, 4), std::vector<int>{5014});  // hover-on
    buttons.OnLButtonUp(310, 12);
    buttons.OnMouseMove(0, 310, 12);
    EXPECT_EQ(shown(5012, 4), std::vector<int>{5015});  // hover-off
}

TEST_F(Buttons, RadioOptionsReportTheirIdsAndIndexes) {
    buttons.OnLButtonUp(190, 100);
    buttons.OnLButtonUp(190, 100);
    EXPECT_EQ(window.reports, (std::vector<std::pair<int, int>>{{5036, 1}, {5036, 1}}));
    EXPECT_EQ(shown(5032, 8), (std::vector<int>{5033, 5036}));
    buttons.OnMouseMove(0, 160, 100);
    EXPECT_EQ(shown(5032, 8), (std::vector<int>{5035, 5036}));  // hover-unselected on option 0
}

// The keyboard shortcuts press buttons by their reported ids, with the same
// reports and pictures as a click.
TEST_F(Buttons, PressByIdActsAsAClick) {
    EXPECT_TRUE(buttons.Press(5000));
    EXPECT_TRUE(buttons.Press(5012));
    EXPECT_TRUE(buttons.Press(5036));
    EXPECT_EQ(window.reports, (std::vector<std::pair<int, int>>{{5000, 0}, {5012, 0}, {5036, 1}}));
    EXPECT_EQ(shown(5012, 4), std::vector<int>{5013});          // off
    EXPECT_EQ(shown(5032, 8), (std::vector<int>{5033, 5036}));  // option 1 selected
    EXPECT_TRUE(buttons.Press(5032));
    EXPECT_EQ(shown(5032, 8), (std::vector<int>{5032, 5037}));
    EXPECT_FALSE(buttons.Press(5001));  // a picture, not a button's report
    EXPECT_FALSE(buttons.Press(4000));
    EXPECT_EQ(window.reports.size(), 4u);
}

TEST_F(Buttons, DragStripFollowsTheRightEdge) {
    buttons.OnLButtonDown(20, 10);
    EXPECT_EQ(window.drags, 1);
    buttons.OnLButtonDown(20, 60);   // below the strip
    buttons.OnLButtonDown(310, 12);  // a toggle: acts on release, never drags
    buttons.OnLButtonDown(160, 100);
    EXPECT_EQ(window.drags, 1);
    window.client.right = 900;  // the window was widened
    buttons.OnLButtonDown(850, 10);
    EXPECT_EQ(window.drags, 2);
}

TEST(ButtonsWithoutWindow, AddingReportsAProgramError) {
    FakeWindow window;
    g_window = &window;
    NvbtnCls buttons(1, 1, 1);
    buttons.InitialPush(5000, 5001, 5002, 0);
    buttons.InitialToggle(5012, 5013, 5014, 5015, 1);
    EXPECT_EQ(window.errors, 2);
    EXPECT_EQ(buttons.push_count, 0);
    EXPECT_EQ(buttons.toggle_count, 0);
    g_window = nullptr;
}

}  // namespace
}  // namespace varuno
