#include "corvid/labels_win.h"

#include <algorithm>
#include <string>

#include "corvid/fonts_win.h"
#include "corvid/guide_win.h"
#include "corvid/layout.h"
#include "corvid_resource.h"
#include "platform/cp932.h"
#include "platform/wide_text.h"

namespace varuno::corvid {
namespace {

constexpr UINT_PTR kBlinkTimer = 1;
constexpr COLORREF kCaptionColour = RGB(255, 255, 255);
constexpr COLORREF kBlinkColours[2] = {RGB(255, 0, 0), RGB(128, 0, 0)};

struct Label {
    Rect target{};
    std::string text;  // CP932; its size is the length in bytes
    HWND window = nullptr;
    HBRUSH brush = nullptr;
    LabelGeometry shape{};
};

Label g_labels[2];
int g_count = 0;
LabelBlink g_blink;
bool g_held = false;
HWND g_balloon = nullptr;

// The target's rectangle on the screen, or false when the main window has no
// such control.
bool target_rect(const PointerLabel& label, HWND main, Rect& out) {
    RECT r{};
    if (label.target == kFixedTarget) {
        GetWindowRect(main, &r);
        out = fixed_target(r.left, r.top);
        return true;
    }
    HWND control = GetDlgItem(main, label.target);
    if (!control) return false;
    GetWindowRect(control, &r);
    out = {r.left, r.top, r.right, r.bottom};
    return true;
}

// Measures the caption, cuts the window to ring and caption box, and moves
// it around the target.
void lay_out(HWND window, Label& label) {
    const std::wstring text = wide(label.text);
    HDC dc = GetDC(window);
    HFONT font = create_guide_font(GuideFace::kPGothic, 10);
    HGDIOBJ old = SelectObject(dc, font);
    SIZE extent{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
    SelectObject(dc, old);
    DeleteObject(font);
    ReleaseDC(window, dc);

    const RECT target{label.target.left, label.target.top, label.target.right, label.target.bottom};
    label.shape = label_in_work_area(label_geometry(label.target, extent.cx, extent.cy, GetSystemMetrics(SM_CXMAXIMIZED)),
                                     work_area_at(target));
    const LabelGeometry& g = label.shape;
    // A target larger than the template's window would have its ring cut
    // off: the window grows to hold the whole shape.
    RECT own{};
    GetWindowRect(window, &own);
    const int width = std::max<int>(own.right - own.left, std::max(g.outer.right, g.caption.right) + 1);
    const int height = std::max<int>(own.bottom - own.top, std::max(g.outer.bottom, g.caption.bottom) + 1);

    HRGN shape = CreateEllipticRgn(g.outer.left, g.outer.top, g.outer.right, g.outer.bottom);
    HRGN hole = CreateEllipticRgn(g.inner.left, g.inner.top, g.inner.right, g.inner.bottom);
    HRGN caption = CreateRoundRectRgn(g.caption.left, g.caption.top, g.caption.right, g.caption.bottom,
                                      kLabelCornerEllipse, kLabelCornerEllipse);
    CombineRgn(shape, shape, hole, RGN_DIFF);
    CombineRgn(shape, shape, caption, RGN_OR);
    DeleteObject(hole);
    DeleteObject(caption);
    SetWindowPos(window, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    SetWindowRgn(window, shape, FALSE);  // the window owns the region from now on
    SetWindowPos(window, HWND_TOPMOST, g.origin.x, g.origin.y, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

void paint(HWND window, const Label& label) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window, &ps);
    HFONT font = create_guide_font(GuideFace::kPGothic, 10);
    HGDIOBJ old = SelectObject(dc, font);
    SetTextColor(dc, kCaptionColour);
    SetBkMode(dc, TRANSPARENT);
    RECT box{label.shape.caption.left + kCaptionInset, label.shape.caption.top + kCaptionInset,
             label.shape.caption.right - kCaptionInset, label.shape.caption.bottom - kCaptionInset};
    std::wstring text = wide(label.text);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &box, DT_WORDBREAK | DT_NOPREFIX);
    SelectObject(dc, old);
    DeleteObject(font);
    EndPaint(window, &ps);
    // The balloon keeps the keyboard focus however the label was touched.
    if (g_balloon && IsWindowVisible(g_balloon)) SetActiveWindow(g_balloon);
}

INT_PTR CALLBACK label_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    const int index = static_cast<int>(GetWindowLongPtrW(window, GWLP_USERDATA));
    switch (message) {
    case WM_INITDIALOG: {
        SetWindowLongPtrW(window, GWLP_USERDATA, lparam);
        Label& label = g_labels[lparam];
        label.window = window;
        lay_out(window, label);
        SetTimer(window, kBlinkTimer, 1000, nullptr);
        set_guide_title(window);
        // The balloon keeps the keyboard focus.
        if (g_balloon && IsWindowVisible(g_balloon)) SetActiveWindow(g_balloon);
        return FALSE;
    }
    case WM_CTLCOLORDLG: {
        // The colour always follows the first label, so all labels blink together.
        Label& label = g_labels[index];
        if (label.brush) DeleteObject(label.brush);
        label.brush = CreateSolidBrush(kBlinkColours[g_blink.colour_phase()]);
        return reinterpret_cast<INT_PTR>(label.brush);
    }
    case WM_PAINT:
        paint(window, g_labels[index]);
        return TRUE;
    case WM_TIMER:
        if (wparam != kBlinkTimer) return FALSE;
        g_blink.tick(index);
        if (!g_held) InvalidateRect(window, nullptr, TRUE);
        return TRUE;
    case WM_DESTROY: {
        KillTimer(window, kBlinkTimer);
        Label& label = g_labels[index];
        if (label.brush) DeleteObject(label.brush);
        label.brush = nullptr;
        return TRUE;
    }
    default:
        return FALSE;
    }
}

} // namespace

void open_labels(TourStage stage, HWND main_window, HWND balloon) {
    close_labels();
    g_blink.reset();
    g_balloon = balloon;
    for (const PointerLabel& wanted : stage_content(stage).labels) {
        Label& label = g_labels[g_count];
        if (!target_rect(wanted, main_window, label.target)) continue;
        label.text = cp932::from_utf8(wanted.text);
        ++g_count;
        CreateDialogParamW(guide_instance(), MAKEINTRESOURCEW(IDD_LABEL), owner_window(), label_proc, g_count - 1);
    }
}

void close_labels() {
    for (int i = 0; i < g_count; ++i) {
        if (g_labels[i].window) DestroyWindow(g_labels[i].window);
        g_labels[i] = Label{};
    }
    g_count = 0;
}

void set_button_held(bool held) { g_held = held; }

} // namespace varuno::corvid
