// The pointer labels: blinking red rings with a caption around controls of
// varuno's main window, one modeless window each (dialog 168).
#include <algorithm>
#include <string>

#include "corvid/guide_win.h"
#include "corvid/layout.h"
#include "corvid_resource.h"
#include "platform/cp932.h"
#include "platform/dialog_state_win.h"
#include "platform/dpi_win.h"
#include "platform/wide_text.h"
#include "resources/pixel_sizes.h"

namespace varuno::corvid {
namespace {

constexpr UINT_PTR kBlinkTimer = 1;
constexpr COLORREF kCaptionColour = RGB(255, 255, 255);
constexpr COLORREF kBlinkColours[2] = {RGB(255, 0, 0), RGB(128, 0, 0)};

namespace px = px96::corvid;

// The target's rectangle on the screen, or false when the main window has no
// such control.
bool target_rect(const PointerLabel& label, HWND main, Dpi dpi, Rect& out) {
    RECT r{};
    if (label.target == kFixedTarget) {
        GetWindowRect(main, &r);
        out = fixed_target(r.left, r.top, dpi);
        return true;
    }
    HWND control = GetDlgItem(main, label.target);
    if (!control) return false;
    GetWindowRect(control, &r);
    out = {r.left, r.top, r.right, r.bottom};
    return true;
}

}  // namespace

// Measures the caption, cuts the window to ring and caption box, and moves
// it around the target, inside the work area; all at the DPI of varuno's
// window, whose controls the label circles.
void Labels::lay_out(Label& label) {
    label.font = guide_.text_font(dpi_);
    const std::wstring text = wide(label.text);
    SIZE extent{};
    {
        WindowDC dc(label.window);
        Selected font(dc.get(), label.font.get());
        GetTextExtentPoint32W(dc.get(), text.c_str(), static_cast<int>(text.size()), &extent);
    }
    const RECT target{label.target.left, label.target.top, label.target.right, label.target.bottom};
    label.shape =
        label_in_work_area(label_geometry(label.target, extent.cx, extent.cy, GetSystemMetrics(SM_CXMAXIMIZED), dpi_),
                           work_area_at(target));
    const LabelGeometry& g = label.shape;
    // A target larger than the template's window would have its ring cut
    // off: the window grows to hold the whole shape.
    RECT own{};
    GetWindowRect(label.window, &own);
    const int width = std::max<int>(own.right - own.left, std::max(g.outer.right, g.caption.right) + 1);
    const int height = std::max<int>(own.bottom - own.top, std::max(g.outer.bottom, g.caption.bottom) + 1);

    UniqueRegion shape(CreateEllipticRgn(g.outer.left, g.outer.top, g.outer.right, g.outer.bottom));
    UniqueRegion hole(CreateEllipticRgn(g.inner.left, g.inner.top, g.inner.right, g.inner.bottom));
    const int corner = dpi_.px(px::kLabelCorner);
    UniqueRegion caption(
        CreateRoundRectRgn(g.caption.left, g.caption.top, g.caption.right, g.caption.bottom, corner, corner));
    CombineRgn(shape.get(), shape.get(), hole.get(), RGN_DIFF);
    CombineRgn(shape.get(), shape.get(), caption.get(), RGN_OR);
    SetWindowPos(label.window, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    SetWindowRgn(label.window, shape.release(), FALSE);  // the window owns the region from now on
    SetWindowPos(label.window, HWND_TOPMOST, g.origin.x, g.origin.y, 0, 0,
                 SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

void Labels::paint(Label& label) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(label.window, &ps);
    {
        Selected font(dc, label.font.get());
        SetTextColor(dc, kCaptionColour);
        SetBkMode(dc, TRANSPARENT);
        RECT box{label.shape.caption.left, label.shape.caption.top, label.shape.caption.right,
                 label.shape.caption.bottom};
        const int inset = dpi_.px(px::kCaptionInset);
        InflateRect(&box, -inset, -inset);
        const std::wstring text = wide(label.text);
        DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &box, DT_WORDBREAK | DT_NOPREFIX);
    }
    EndPaint(label.window, &ps);
}

// The balloon is made the active window again, so that it keeps the
// keyboard focus: Enter and Space press its buttons even after a label was
// touched.
void Labels::keep_balloon_active() const {
    if (balloon_ && IsWindowVisible(balloon_) && GetActiveWindow() != balloon_) SetActiveWindow(balloon_);
}

INT_PTR CALLBACK Labels::proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    auto* label = dialog_state<Label>(window, message, lparam);
    if (!label) return FALSE;
    Labels& labels = *label->owner;
    switch (message) {
    case WM_INITDIALOG:
        label->window = window;
        labels.lay_out(*label);
        SetTimer(window, kBlinkTimer, 1000, nullptr);
        set_guide_title(window);
        labels.keep_balloon_active();
        return FALSE;
    case WM_MOUSEACTIVATE:
        // A click on a ring leaves the keyboard with the balloon.
        SetWindowLongPtrW(window, DWLP_MSGRESULT, MA_NOACTIVATE);
        return TRUE;
    case WM_CTLCOLORDLG: {
        // The colour always follows the first label, so all labels blink together.
        const int phase = labels.blink_.colour_phase();
        UniqueBrush& brush = labels.blink_brushes_[static_cast<std::size_t>(phase)];
        if (!brush) brush.reset(CreateSolidBrush(kBlinkColours[phase]));
        return reinterpret_cast<INT_PTR>(brush.get());
    }
    case WM_PAINT: labels.paint(*label); return TRUE;
    case WM_TIMER:
        if (wparam != kBlinkTimer) return FALSE;
        labels.blink_.tick(label->index);
        labels.keep_balloon_active();
        if (!labels.held_) InvalidateRect(window, nullptr, TRUE);
        return TRUE;
    case WM_DESTROY: KillTimer(window, kBlinkTimer); return TRUE;
    default: return FALSE;
    }
}

void Labels::open(TourStage stage, HWND main_window, HWND balloon) {
    close();
    blink_.reset();
    balloon_ = balloon;
    dpi_ = monitor_dpi_of(main_window);
    for (const PointerLabel& wanted : stage_content(stage).labels) {
        Label& label = labels_[static_cast<std::size_t>(count_)];
        if (!target_rect(wanted, main_window, dpi_, label.target)) continue;
        label.owner = this;
        label.index = count_;
        label.text = cp932::from_utf8(wanted.text);
        ++count_;
        CreateDialogParamW(guide_.instance(), MAKEINTRESOURCEW(IDD_LABEL), guide_.owner(), proc,
                           reinterpret_cast<LPARAM>(&label));
    }
}

void Labels::close() {
    for (int i = 0; i < count_; ++i) {
        Label& label = labels_[static_cast<std::size_t>(i)];
        if (label.window) DestroyWindow(label.window);
        label = Label{};
    }
    count_ = 0;
}

}  // namespace varuno::corvid
