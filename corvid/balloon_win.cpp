#include "corvid/balloon_win.h"

#include <string>

#include "corvid/fonts_win.h"
#include "corvid/guide_win.h"
#include "platform/wide_text.h"
#include "corvid/labels_win.h"
#include "corvid/layout.h"
#include "corvid_resource.h"

namespace varuno::corvid {
namespace {

constexpr COLORREF kTourColour = RGB(255, 255, 155);
constexpr COLORREF kExitColour = RGB(255, 204, 255);
constexpr COLORREF kTextColour = RGB(70, 70, 70);
constexpr int kFirstButton = IDC_BALLOON_OK, kLastButton = IDC_BALLOON_PREVIOUS;
constexpr POINT kDecorations[5] = {{50, 20}, {50, 130}, {100, 90}, {150, 50}, {150, 160}};
constexpr UINT kTextFormat = DT_WORDBREAK | DT_EDITCONTROL | DT_NOPREFIX;

struct Request {
    TourStage stage;
    HWND character;
};

HWND g_balloon = nullptr;
TourStage g_stage = TourStage::kGreeting;
HWND g_character = nullptr;
HBRUSH g_brush = nullptr;
bool g_has_region = false;
WNDPROC g_button_procs[kLastButton - kFirstButton + 1] = {};

bool is_exit_confirm() { return g_stage == TourStage::kExitConfirm; }

RECT control_rect(HWND window, int id) {
    RECT r{};
    GetWindowRect(GetDlgItem(window, id), &r);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

// The text on show. The greeting is chosen whenever it is drawn, from the
// completion mark as it stands then.
std::wstring balloon_text() { return wide_utf8(stage_text(g_stage, tour_seen())); }

// The text's area: the body inset by 10 pixels.
RECT text_area(HWND window) {
    RECT r = control_rect(window, IDC_BALLOON_BODY);
    InflateRect(&r, -10, -10);
    return r;
}

int text_height(HWND window, const std::wstring& text) {
    RECT area = text_area(window);
    HDC dc = GetDC(window);
    HFONT font = create_guide_font(GuideFace::kPGothic, 10);
    HGDIOBJ old = SelectObject(dc, font);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &area, kTextFormat | DT_CALCRECT);
    SelectObject(dc, old);
    DeleteObject(font);
    ReleaseDC(window, dc);
    return area.bottom - area.top;
}

// The bubble: a rounded rectangle over the body and the tail towards the
// character (or, for the exit confirmation, away from it to the right).
void build_region(HWND window) {
    const RECT body = control_rect(window, IDC_BALLOON_BODY);
    const RECT tail = control_rect(window, IDC_BALLOON_TAIL);
    HRGN bubble = CreateRoundRectRgn(body.left, body.top, body.right, body.bottom, 10, 10);
    const auto corners = tail_polygon({tail.left, tail.top, tail.right, tail.bottom}, is_exit_confirm());
    POINT points[4];
    for (int i = 0; i < 4; ++i) points[i] = {corners[i].x, corners[i].y};
    HRGN pointer = CreatePolygonRgn(points, 4, WINDING);
    CombineRgn(bubble, bubble, pointer, RGN_OR);
    DeleteObject(pointer);
    SetWindowRgn(window, bubble, TRUE);  // released by the system with the window
    g_has_region = true;
}

// Tells the labels while a button is held down.
LRESULT CALLBACK button_proc(HWND button, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_LBUTTONDOWN) set_button_held(true);
    if (message == WM_LBUTTONUP) set_button_held(false);
    return CallWindowProcW(g_button_procs[GetDlgCtrlID(button) - kFirstButton], button, message, wparam, lparam);
}

void subclass_buttons(HWND window, bool on) {
    for (int id = kFirstButton; id <= kLastButton; ++id) {
        HWND button = GetDlgItem(window, id);
        WNDPROC& saved = g_button_procs[id - kFirstButton];
        if (on)
            saved = reinterpret_cast<WNDPROC>(
                SetWindowLongPtrW(button, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(button_proc)));
        else if (saved)
            SetWindowLongPtrW(button, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(saved));
        if (!on) saved = nullptr;
    }
    set_button_held(false);
}

void open(HWND window, const Request& request) {
    g_balloon = window;
    g_stage = request.stage;
    g_character = request.character;
    g_has_region = false;
    HWND main = find_main_window();
    if (!main) {
        EndDialog(window, kBalloonMainGone);
        return;
    }
    for (int id = kFirstButton; id <= kLastButton; ++id)
        if (HWND button = GetDlgItem(window, id)) ShowWindow(button, SW_HIDE);
    HWND body = GetDlgItem(window, IDC_BALLOON_BODY);
    ShowWindow(body, SW_HIDE);
    ShowWindow(GetDlgItem(window, IDC_BALLOON_TAIL), SW_HIDE);
    if (!is_exit_confirm()) subclass_buttons(window, true);

    // The body never shows, but carries the text for screen readers.
    const std::wstring text = balloon_text();
    SetWindowTextW(body, text.c_str());
    const RECT body_rect = control_rect(window, IDC_BALLOON_BODY);
    int y = text_height(window, text) + 20;
    for (const ButtonPlace& place : balloon_buttons(g_stage, body_rect.left, body_rect.right))
        SetWindowPos(GetDlgItem(window, place.button), nullptr, place.x, y, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_SHOWWINDOW);
    y += kButtonRowHeight;

    open_labels(g_stage, main, window);
    SetWindowPos(body, nullptr, 0, 0, body_rect.right - body_rect.left, y, SWP_NOMOVE | SWP_NOZORDER);
    build_region(window);

    RECT character{}, client{};
    GetWindowRect(g_character, &character);
    GetClientRect(window, &client);
    const RECT tail = control_rect(window, IDC_BALLOON_TAIL);
    const Point at = balloon_in_work_area({character.left, character.top, character.right, character.bottom},
                                          client.right, y, is_exit_confirm(), (tail.top + tail.bottom) / 2 - 9,
                                          work_area_of(g_character));
    SetWindowPos(window, HWND_TOPMOST, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_SHOWWINDOW);
    InvalidateRect(window, nullptr, TRUE);
    set_guide_title(window);
}

void paint(HWND window) {
    if (!g_has_region) build_region(window);
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window, &ps);
    if (!is_exit_confirm()) {
        HBITMAP decoration = static_cast<HBITMAP>(
            LoadImageW(guide_instance(), MAKEINTRESOURCEW(IDB_DECORATION), IMAGE_BITMAP, 0, 0, 0));
        BITMAP size{};
        GetObjectW(decoration, sizeof size, &size);
        HDC memory = CreateCompatibleDC(dc);
        HGDIOBJ old = SelectObject(memory, decoration);
        for (const POINT& at : kDecorations)
            BitBlt(dc, at.x, at.y, size.bmWidth, size.bmHeight, memory, 0, 0, SRCCOPY);
        SelectObject(memory, old);
        DeleteDC(memory);
        DeleteObject(decoration);
    }
    const std::wstring text = balloon_text();
    SetWindowTextW(GetDlgItem(window, IDC_BALLOON_BODY), text.c_str());
    HFONT font = create_guide_font(GuideFace::kPGothic, 10);
    HGDIOBJ old = SelectObject(dc, font);
    SetTextColor(dc, kTextColour);
    SetBkMode(dc, TRANSPARENT);
    RECT area = text_area(window);
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &area, kTextFormat);
    SelectObject(dc, old);
    DeleteObject(font);
    EndPaint(window, &ps);
    // Through the dialog manager, so that the focused button is also the one
    // that Enter presses.
    SendMessageW(window, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(window, stage_content(g_stage).focus)), TRUE);
    InvalidateRect(g_character, nullptr, FALSE);
}

bool stage_has_button(int id) {
    for (int button : stage_content(g_stage).buttons)
        if (button == id) return true;
    return false;
}

INT_PTR CALLBACK balloon_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
    case WM_INITDIALOG:
        open(window, *reinterpret_cast<const Request*>(lparam));
        return FALSE;  // the focus goes to the stage's button when the balloon paints
    case WM_CTLCOLORDLG:
        if (g_brush) DeleteObject(g_brush);
        g_brush = CreateSolidBrush(is_exit_confirm() ? kExitColour : kTourColour);
        return reinterpret_cast<INT_PTR>(g_brush);
    case WM_PAINT:
        paint(window);
        return TRUE;
    case WM_COMMAND:
        // Enter that reaches no button of its own presses the focused one.
        if (LOWORD(wparam) == IDOK && lparam == 0) wparam = MAKEWPARAM(GetDlgCtrlID(GetFocus()), BN_CLICKED);
        // Only the stage's own buttons lead on; Escape and the like change nothing.
        if (HIWORD(wparam) == BN_CLICKED && stage_has_button(LOWORD(wparam))) {
            close_labels();
            EndDialog(window, LOWORD(wparam));
        }
        return TRUE;
    case WM_CLOSE:
        return TRUE;
    case WM_DESTROY:
        if (!is_exit_confirm()) subclass_buttons(window, false);
        if (g_brush) DeleteObject(g_brush);
        g_brush = nullptr;
        g_balloon = nullptr;
        return TRUE;
    default:
        return FALSE;
    }
}

} // namespace

int run_balloon(TourStage stage, HWND character) {
    const Request request{stage, character};
    const bool owned = stage == TourStage::kFarewell || stage == TourStage::kExitConfirm;
    const int template_id = stage == TourStage::kExitConfirm ? IDD_EXIT_BALLOON : IDD_BALLOON;
    const INT_PTR result = DialogBoxParamW(guide_instance(), MAKEINTRESOURCEW(template_id),
                                           owned ? character : nullptr, balloon_proc,
                                           reinterpret_cast<LPARAM>(&request));
    return result == -1 ? kBalloonClosed : static_cast<int>(result);
}

bool balloon_showing(TourStage& stage) {
    if (!g_balloon) return false;
    stage = g_stage;
    return true;
}

void end_balloon(int result) {
    if (!g_balloon) return;
    close_labels();
    EndDialog(g_balloon, result);
}

} // namespace varuno::corvid
