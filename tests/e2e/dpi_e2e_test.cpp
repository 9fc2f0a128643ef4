// varuno at 100, 125, 150 and 200 % display scale: the window and its
// controls keep their proportions, the sizes the program places itself are
// exactly its 96-DPI sizes scaled, and the pictures on screen are the
// renders made for the scale, pixel for pixel.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <string>
#include <vector>

#include "platform/dpi.h"
#include "resources/pixel_sizes.h"
#include "resources/resource.h"
#include "tests/e2e/win_driver.h"

namespace varuno::e2e {
namespace {

// What one start of the program shows.
struct Layout {
    SIZE client{};
    std::map<int, RECT> controls;  // in the main window's client pixels
    std::vector<int> status_edges;
};

// Controls placed by the dialog template (they scale with its font) and the
// function-button pictures (the program sizes them to their renders).
constexpr int kTemplateControls[] = {IDC_LIST_A_BEFORE, IDC_LIST_A_AFTER, IDC_INPUT_A,   IDC_OUTPUT_A,
                                     IDC_INPUT_B,       IDC_OUTPUT_B,     IDC_CONVERT_A, IDC_CONVERT_B};
constexpr int kPictureControls[] = {5000, 5008, 5012, 5016, 5020};

std::vector<int> status_edges(const Varuno& app) {
    HWND bar = FindWindowExW(app.main(), nullptr, STATUSCLASSNAMEW, nullptr);
    const int parts = static_cast<int>(SendMessageW(bar, SB_GETPARTS, 0, 0));
    void* remote = VirtualAllocEx(app.process(), nullptr, 64, MEM_COMMIT, PAGE_READWRITE);
    SendMessageW(bar, SB_GETPARTS, static_cast<WPARAM>(parts), reinterpret_cast<LPARAM>(remote));
    std::vector<int> edges(static_cast<std::size_t>(parts));
    ReadProcessMemory(app.process(), remote, edges.data(), edges.size() * sizeof(int), nullptr);
    VirtualFreeEx(app.process(), remote, 0, MEM_RELEASE);
    return edges;
}

Layout measure(Varuno& app) {
    Layout layout;
    RECT c{};
    GetClientRect(app.main(), &c);
    layout.client = {c.right, c.bottom};
    const auto place = [&](int id) {
        RECT r{};
        GetWindowRect(app.control(id), &r);
        MapWindowPoints(nullptr, app.main(), reinterpret_cast<POINT*>(&r), 2);
        layout.controls[id] = r;
    };
    for (int id : kTemplateControls) place(id);
    for (int id : kPictureControls) place(id);
    layout.status_edges = status_edges(app);
    return layout;
}

// The template's controls scale with its font, whose character cell rounds
// to whole pixels: the scale of dialog units lies within some 8 % of the
// display scale, and every control keeps its place and size in the window
// within 2 pixels of that scale.
struct Scale {
    double x, y;
};
void expect_near_scale(int scaled, int at96, double scale, const char* what, int dpi) {
    EXPECT_NEAR(scaled, at96 * scale, 2.0) << what << " at " << dpi << " DPI";
}

class DisplayScales : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(make_per_monitor_dpi_aware());
        SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1);  // no hover looks
    }
    Layout start_at(DWORD dpi, bool compare_pictures) {
        const DisplayScale scale(dpi);
        EXPECT_TRUE(scale.set());
        fresh_ini_files();
        Varuno app;
        Layout layout;
        if (!app.start()) {
            ADD_FAILURE() << "no window at " << dpi << " DPI (error " << GetLastError() << ")";
            return layout;
        }
        WaitForInputIdle(app.process(), 5000);
        RedrawWindow(app.main(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        app.processed();
        layout = measure(app);
        screenshot(app.main(), beside_test(L"screenshots") / (L"dpi_" + std::to_wstring(dpi) + L".bmp"));
        if (compare_pictures) expect_renders_on_screen(app, static_cast<int>(dpi));
        EXPECT_TRUE(app.exit_with_ok());
        return layout;
    }
    // The closed look of the function buttons is the render of the scale,
    // unchanged.
    void expect_renders_on_screen(const Varuno& app, int dpi) {
        const PictureChoice choice = picture_choice(Dpi(dpi));
        ASSERT_TRUE(choice.exact);
        for (int id : kPictureControls) {
            const Picture render = program_picture(id - 4500 + choice.render.id_offset);  // 5008 shows 508
            ASSERT_FALSE(render.pixels.empty()) << id;
            RECT r{};
            GetWindowRect(app.control(id), &r);
            ASSERT_EQ(r.right - r.left, render.w) << id << " at " << dpi;
            ASSERT_EQ(r.bottom - r.top, render.h) << id << " at " << dpi;
            EXPECT_TRUE(screen_pixels(r) == render.pixels) << "picture " << id << " at " << dpi << " DPI";
        }
    }
};

TEST_F(DisplayScales, LayoutScalesAndPicturesAreTheRendersForTheScale) {
    const Layout base = start_at(96, true);
    ASSERT_EQ(base.status_edges.size(), px96::kStatusEdges.size());
    for (std::size_t k = 0; k < base.status_edges.size(); ++k) EXPECT_EQ(base.status_edges[k], px96::kStatusEdges[k]);
    for (int dpi : {120, 144, 192}) {
        const Layout scaled = start_at(static_cast<DWORD>(dpi), true);
        const Dpi d(dpi);
        const Scale scale{static_cast<double>(scaled.client.cx) / base.client.cx,
                          static_cast<double>(scaled.client.cy) / base.client.cy};
        EXPECT_NEAR(scale.x, dpi / 96.0, dpi / 96.0 * 0.08) << dpi;
        EXPECT_NEAR(scale.y, dpi / 96.0, dpi / 96.0 * 0.08) << dpi;
        for (int id : kTemplateControls) {
            const RECT& a = base.controls.at(id);
            const RECT& b = scaled.controls.at(id);
            expect_near_scale(b.left, a.left, scale.x, "control left", dpi);
            expect_near_scale(b.top, a.top, scale.y, "control top", dpi);
            expect_near_scale(b.right - b.left, a.right - a.left, scale.x, "control width", dpi);
        }
        for (int id : kPictureControls) {
            const RECT& a = base.controls.at(id);
            const RECT& b = scaled.controls.at(id);
            EXPECT_EQ(b.right - b.left, d.px(a.right - a.left)) << id << " at " << dpi;
            EXPECT_EQ(b.bottom - b.top, d.px(a.bottom - a.top)) << id << " at " << dpi;
        }
        ASSERT_EQ(scaled.status_edges.size(), px96::kStatusEdges.size());
        for (std::size_t k = 0; k < px96::kStatusEdges.size(); ++k)
            EXPECT_EQ(scaled.status_edges[k], d.px(px96::kStatusEdges[k])) << "part " << k << " at " << dpi;
    }
    // Between the renders (175 %), the pictures are the next larger render
    // scaled down: still their 96-DPI size scaled.
    const Layout between = start_at(168, false);
    for (int id : kPictureControls) {
        const RECT& a = base.controls.at(id);
        const RECT& b = between.controls.at(id);
        EXPECT_EQ(b.right - b.left, Dpi(168).px(a.right - a.left)) << id;
    }
}

}  // namespace
}  // namespace varuno::e2e
