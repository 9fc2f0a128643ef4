// The speech balloons of the tour: one modal balloon per stage, with the
// stage's text, buttons and pointer labels (dialogs 166 and 167).
#include <windows.h>
#include <commctrl.h>

#include <string>

#include "corvid/guide_win.h"
#include "corvid/layout.h"
#include "corvid_resource.h"
#include "platform/child_rect_win.h"
#include "platform/dialog_state_win.h"
#include "platform/dpi_win.h"
#include "platform/wide_text.h"
#include "resources/pixel_sizes.h"

namespace varuno::corvid {

constexpr COLORREF kTourColour = RGB(255, 255, 155);
constexpr COLORREF kExitColour = RGB(255, 204, 255);
constexpr COLORREF kTextColour = RGB(70, 70, 70);
constexpr int kFirstButton = IDC_BALLOON_OK, kLastButton = IDC_BALLOON_PREVIOUS;
constexpr UINT kTextFormat = DT_WORDBREAK | DT_EDITCONTROL | DT_NOPREFIX;
constexpr UINT kFocusStage = WM_APP + 2;  // posted once the balloon shows

// One balloon on show, from its opening to the press that closes it.
struct Balloon {
    Guide& guide;
    TourStage stage;
    HWND window = nullptr;
    UniqueBrush brush{};
    Dpi dpi{};                  // of the monitor the balloon is on
    UniqueFont font{};          // the text's, for dpi
    UniqueBitmap decoration{};  // tour balloons only, for dpi
    bool has_region = false;

    bool exit_confirm() const { return stage == TourStage::kExitConfirm; }
};

namespace {

namespace px = px96::corvid;

// The text on show. The greeting is chosen whenever it is drawn, from the
// completion mark as it stands then.
std::wstring balloon_text(const Balloon& b) { return wide_utf8(stage_text(b.stage, tour_seen())); }

// The text's area: the body inset by 10 pixels (at 96 DPI).
RECT text_area(const Balloon& b) {
    RECT r = child_rect(b.window, IDC_BALLOON_BODY);
    const int inset = b.dpi.px(px::kBalloonTextInset);
    InflateRect(&r, -inset, -inset);
    return r;
}

int text_height(const Balloon& b, const std::wstring& text) {
    RECT area = text_area(b);
    WindowDC dc(b.window);
    Selected font(dc.get(), b.font.get());
    DrawTextW(dc.get(), text.c_str(), static_cast<int>(text.size()), &area, kTextFormat | DT_CALCRECT);
    return area.bottom - area.top;
}

// The bubble: a rounded rectangle over the body and the tail towards the
// character (or, for the exit confirmation, away from it to the right).
void build_region(Balloon& b) {
    const RECT body = child_rect(b.window, IDC_BALLOON_BODY);
    const RECT tail = child_rect(b.window, IDC_BALLOON_TAIL);
    const int corner = b.dpi.px(px::kBalloonCorner);
    UniqueRegion bubble(CreateRoundRectRgn(body.left, body.top, body.right, body.bottom, corner, corner));
    const auto corners = tail_polygon({tail.left, tail.top, tail.right, tail.bottom}, b.exit_confirm(), b.dpi);
    POINT points[4];
    for (int i = 0; i < 4; ++i) points[i] = {corners[i].x, corners[i].y};
    UniqueRegion pointer(CreatePolygonRgn(points, 4, WINDING));
    CombineRgn(bubble.get(), bubble.get(), pointer.get(), RGN_OR);
    SetWindowRgn(b.window, bubble.release(), TRUE);  // released by the system with the window
    b.has_region = true;
}

// Tells the labels while a button is held down.
LRESULT CALLBACK button_proc(HWND button, UINT message, WPARAM wparam, LPARAM lparam, UINT_PTR, DWORD_PTR labels) {
    if (message == WM_LBUTTONDOWN) reinterpret_cast<Labels*>(labels)->set_button_held(true);
    if (message == WM_LBUTTONUP) reinterpret_cast<Labels*>(labels)->set_button_held(false);
    return DefSubclassProc(button, message, wparam, lparam);
}

void subclass_buttons(Balloon& b, bool on) {
    for (int id = kFirstButton; id <= kLastButton; ++id) {
        HWND button = GetDlgItem(b.window, id);
        if (on)
            SetWindowSubclass(button, button_proc, 0, reinterpret_cast<DWORD_PTR>(&b.guide.labels()));
        else
            RemoveWindowSubclass(button, button_proc, 0);
    }
    b.guide.labels().set_button_held(false);
}

// The text's font and the decoration for the balloon's DPI; the buttons
// below the text, the body as tall as text and buttons, the bubble cut
// around it, and the balloon beside the character, inside the work area.
void lay_out(Balloon& b) {
    b.dpi = dpi_of(b.window);
    b.font = b.guide.text_font(b.dpi);
    if (!b.exit_confirm()) b.decoration = load_picture(b.guide.instance(), IDB_DECORATION, b.dpi);

    const RECT body_rect = child_rect(b.window, IDC_BALLOON_BODY);
    const RECT area = text_area(b);
    int y = area.top + text_height(b, balloon_text(b)) + b.dpi.px(px::kBalloonTextInset);
    for (const ButtonPlace& place : balloon_buttons(b.stage, body_rect.left, body_rect.right, b.dpi))
        SetWindowPos(GetDlgItem(b.window, place.button), nullptr, place.x, y, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_SHOWWINDOW);
    y += b.dpi.px(px::kButtonRowHeight);
    SetWindowPos(GetDlgItem(b.window, IDC_BALLOON_BODY), nullptr, 0, 0, body_rect.right - body_rect.left,
                 y - body_rect.top, SWP_NOMOVE | SWP_NOZORDER);
    build_region(b);

    RECT character{}, client{};
    GetWindowRect(b.guide.character_window(), &character);
    GetClientRect(b.window, &client);
    const RECT tail = child_rect(b.window, IDC_BALLOON_TAIL);
    const Point at =
        balloon_in_work_area({character.left, character.top, character.right, character.bottom}, client.right, y,
                             b.exit_confirm(), tail_tip_y({tail.left, tail.top, tail.right, tail.bottom}, b.dpi),
                             work_area_of(b.guide.character_window()), b.dpi);
    SetWindowPos(b.window, HWND_TOPMOST, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
    InvalidateRect(b.window, nullptr, TRUE);
}

void open(Balloon& b) {
    b.brush.reset(CreateSolidBrush(b.exit_confirm() ? kExitColour : kTourColour));
    HWND main = find_main_window();
    if (!main) {
        EndDialog(b.window, kBalloonMainGone);
        return;
    }
    for (int id = kFirstButton; id <= kLastButton; ++id)
        if (HWND button = GetDlgItem(b.window, id)) ShowWindow(button, SW_HIDE);
    HWND body = GetDlgItem(b.window, IDC_BALLOON_BODY);
    ShowWindow(body, SW_HIDE);
    ShowWindow(GetDlgItem(b.window, IDC_BALLOON_TAIL), SW_HIDE);
    if (!b.exit_confirm()) subclass_buttons(b, true);
    // The body never shows, but carries the text for screen readers.
    SetWindowTextW(body, balloon_text(b).c_str());
    b.guide.labels().open(b.stage, main, b.window);
    lay_out(b);
    set_guide_title(b.window);
    PostMessageW(b.window, kFocusStage, 0, 0);
}

void paint(Balloon& b) {
    if (!b.has_region) build_region(b);
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(b.window, &ps);
    if (b.decoration) {
        BITMAP size{};
        GetObjectW(b.decoration.get(), sizeof size, &size);
        MemoryDC memory(dc);
        Selected picture(memory.get(), b.decoration.get());
        for (const px96::Point& at : px::kDecorations)
            BitBlt(dc, b.dpi.px(at.x), b.dpi.px(at.y), size.bmWidth, size.bmHeight, memory.get(), 0, 0, SRCCOPY);
    }
    const std::wstring text = balloon_text(b);
    {
        Selected font(dc, b.font.get());
        SetTextColor(dc, kTextColour);
        SetBkMode(dc, TRANSPARENT);
        RECT area = text_area(b);
        DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &area, kTextFormat);
    }
    EndPaint(b.window, &ps);
    // The character repaints after the balloon, so that it stays in front
    // of the bubble's tail.
    InvalidateRect(b.guide.character_window(), nullptr, FALSE);
}

bool stage_has_button(const Balloon& b, int id) {
    for (int button : stage_content(b.stage).buttons)
        if (button == id) return true;
    return false;
}

INT_PTR CALLBACK balloon_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    auto* b = dialog_state<Balloon>(window, message, lparam);
    if (!b) return FALSE;
    switch (message) {
    case WM_INITDIALOG:
        b->window = window;
        open(*b);
        return FALSE;  // the focus goes to the stage's button once the balloon shows
    case kFocusStage:
        // Through the dialog manager, so that the focused button is also the
        // one that Enter presses.
        SendMessageW(window, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(window, stage_content(b->stage).focus)),
                     TRUE);
        return TRUE;
    case WM_CTLCOLORDLG: return reinterpret_cast<INT_PTR>(b->brush.get());
    case WM_PAINT: paint(*b); return TRUE;
    case WM_COMMAND:
        // Enter that reaches no button of its own presses the focused one.
        if (LOWORD(wparam) == IDOK && lparam == 0) wparam = MAKEWPARAM(GetDlgCtrlID(GetFocus()), BN_CLICKED);
        // Only the stage's own buttons lead on; Escape and the like change nothing.
        if (HIWORD(wparam) == BN_CLICKED && stage_has_button(*b, LOWORD(wparam))) {
            b->guide.labels().close();
            EndDialog(window, LOWORD(wparam));
        }
        return TRUE;
    case WM_DPICHANGED: {
        // Windows has scaled the template's controls and font; the balloon
        // takes the suggested rectangle and lays itself out again for the
        // new DPI, beside the character.
        const RECT& suggested = *reinterpret_cast<const RECT*>(lparam);
        SetWindowPos(window, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                     suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
        lay_out(*b);
        return TRUE;
    }
    case WM_CLOSE: return TRUE;
    case WM_DESTROY:
        if (!b->exit_confirm()) subclass_buttons(*b, false);
        return TRUE;
    default: return FALSE;
    }
}

}  // namespace

int Guide::run_balloon(TourStage stage) {
    Balloon b{*this, stage};
    const bool owned = stage == TourStage::kFarewell || stage == TourStage::kExitConfirm;
    const int template_id = stage == TourStage::kExitConfirm ? IDD_EXIT_BALLOON : IDD_BALLOON;
    balloon_ = &b;
    const INT_PTR result = DialogBoxParamW(instance_, MAKEINTRESOURCEW(template_id), owned ? character_ : nullptr,
                                           balloon_proc, reinterpret_cast<LPARAM>(&b));
    balloon_ = nullptr;
    return result == -1 ? kBalloonClosed : static_cast<int>(result);
}

bool Guide::balloon_showing(TourStage& stage) const {
    if (!balloon_ || !balloon_->window) return false;
    stage = balloon_->stage;
    return true;
}

void Guide::end_balloon(int result) {
    if (!balloon_ || !balloon_->window) return;
    labels_.close();
    EndDialog(balloon_->window, result);
}

}  // namespace varuno::corvid
