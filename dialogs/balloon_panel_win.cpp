#include "dialogs/balloon_panel_win.h"

#include "resources/resource.h"

namespace varuno {
namespace {

RECT child_rect(HWND panel, int id) {
    RECT r{};
    GetWindowRect(GetDlgItem(panel, id), &r);
    MapWindowPoints(nullptr, panel, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

// The balloon: a rounded body and a tail whose tip points left.
void set_balloon_region(HWND panel) {
    const RECT body = child_rect(panel, IDC_BALLOON_BODY);
    const RECT tail = child_rect(panel, IDC_BALLOON_TAIL);
    const int mid = (tail.top + tail.bottom) / 2;
    const POINT points[4] = {{tail.left, mid - 10}, {tail.left, mid - 8}, {tail.right, tail.bottom}, {tail.right, tail.top}};
    UniqueRegion region(CreateRoundRectRgn(body.left, body.top, body.right, body.bottom, 10, 10));
    UniqueRegion tip(CreatePolygonRgn(points, 4, WINDING));
    CombineRgn(region.get(), region.get(), tip.get(), RGN_OR);
    SetWindowRgn(panel, region.release(), TRUE);  // the window owns the region from now on
}

} // namespace

BalloonPanel::BalloonPanel(PanelMode mode)
    : brush_(CreateSolidBrush(mode == PanelMode::kKinds ? RGB(255, 158, 0) : RGB(255, 203, 0))) {}

void BalloonPanel::open(HWND panel) {
    ShowWindow(GetDlgItem(panel, IDC_BALLOON_BODY), SW_HIDE);
    ShowWindow(GetDlgItem(panel, IDC_BALLOON_TAIL), SW_HIDE);
    RECT r{};
    GetWindowRect(panel, &r);
    SetWindowPos(panel, HWND_TOPMOST, r.left + 40, r.top + 53, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
    set_balloon_region(panel);
}

INT_PTR BalloonPanel::colour(HDC dc) const {
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkMode(dc, TRANSPARENT);
    return reinterpret_cast<INT_PTR>(brush_.get());
}

} // namespace varuno
