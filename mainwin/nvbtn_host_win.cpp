// The picture buttons' window side: the bitmap controls of the main dialog.
#include <windows.h>

#include "mainwin/nvbtn_host.h"
#include "platform/wide_text.h"
#include "resources/resource.h"

namespace varuno::nvbtn_host {
namespace {

HWND window(NvWindow w) { return static_cast<HWND>(w); }

}  // namespace

// The control's own visibility flag decides, not IsWindowVisible: while the
// dialog is being set up it is hidden itself, and so would be every control.
void show(NvWindow w, int id, bool visible) {
    HWND control = id ? GetDlgItem(window(w), id) : nullptr;
    if (!control) return;
    const bool shown = (GetWindowLongW(control, GWL_STYLE) & WS_VISIBLE) != 0;
    if (shown != visible) ShowWindow(control, visible ? SW_SHOWNA : SW_HIDE);
}

bool control_rect(NvWindow w, int id, NvRect& rect) {
    HWND control = GetDlgItem(window(w), id);
    RECT r;
    if (!control || !GetWindowRect(control, &r)) return false;
    rect = {r.left, r.top, r.right, r.bottom};
    return true;
}

void client_to_screen(NvWindow w, int& x, int& y) {
    POINT p{x, y};
    ClientToScreen(window(w), &p);
    x = p.x;
    y = p.y;
}

NvRect client_rect(NvWindow w) {
    RECT r{};
    GetClientRect(window(w), &r);
    return {r.left, r.top, r.right, r.bottom};
}

void control_size(NvWindow w, int id, int& width, int& height) {
    NvRect r{};
    width = height = 0;
    if (control_rect(w, id, r)) {
        width = r.right - r.left;
        height = r.bottom - r.top;
    }
}

void report(NvWindow w, int id, int state) { SendMessageW(window(w), WM_NVBTN, static_cast<WPARAM>(id), state); }

void start_drag(NvWindow w) { PostMessageW(window(w), WM_NCLBUTTONDOWN, HTCAPTION, 0); }

void program_error(const char* text, const char* title) {
    MessageBoxW(nullptr, wide(text).c_str(), wide(title).c_str(), MB_OK);
}

}  // namespace varuno::nvbtn_host
