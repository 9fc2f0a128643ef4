#include "dialogs/balloon_panel_win.h"

#include "platform/child_rect_win.h"
#include "platform/dpi_win.h"
#include "resources/pixel_sizes.h"
#include "resources/resource.h"

namespace varuno {
namespace {

// The balloon: a rounded body and a tail whose tip points left.
void set_balloon_region(HWND panel, Dpi dpi) {
    const RECT body = child_rect(panel, IDC_BALLOON_BODY);
    const RECT tail = child_rect(panel, IDC_BALLOON_TAIL);
    const int mid = (tail.top + tail.bottom) / 2;
    const POINT points[4] = {{tail.left, mid - dpi.px(px96::kTailTipHigh)},
                             {tail.left, mid - dpi.px(px96::kTailTipLow)},
                             {tail.right, tail.bottom},
                             {tail.right, tail.top}};
    const int corner = dpi.px(px96::kBalloonCorner);
    UniqueRegion region(CreateRoundRectRgn(body.left, body.top, body.right, body.bottom, corner, corner));
    UniqueRegion tip(CreatePolygonRgn(points, 4, WINDING));
    CombineRgn(region.get(), region.get(), tip.get(), RGN_OR);
    SetWindowRgn(panel, region.release(), TRUE);  // the window owns the region from now on
}

}  // namespace

BalloonPanel::BalloonPanel(PanelMode mode)
    : brush_(CreateSolidBrush(mode == PanelMode::kKinds ? RGB(255, 158, 0) : RGB(255, 203, 0))) {}

void BalloonPanel::open(HWND panel) {
    ShowWindow(GetDlgItem(panel, IDC_BALLOON_BODY), SW_HIDE);
    ShowWindow(GetDlgItem(panel, IDC_BALLOON_TAIL), SW_HIDE);
    RECT r{};
    GetWindowRect(panel, &r);
    const Dpi dpi = dpi_of(panel);
    SetWindowPos(panel, HWND_TOPMOST, r.left + dpi.px(px96::kPanelOffset.cx), r.top + dpi.px(px96::kPanelOffset.cy), 0,
                 0, SWP_NOSIZE | SWP_SHOWWINDOW);
    set_balloon_region(panel, dpi);
}

INT_PTR BalloonPanel::colour(HDC dc) const {
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkMode(dc, TRANSPARENT);
    return reinterpret_cast<INT_PTR>(brush_.get());
}

}  // namespace varuno
