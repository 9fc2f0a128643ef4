// What the function buttons need of the window that holds their pictures.
// Implemented with Win32 in nvbtn_host_win.cpp; the tests bring their own.
#pragma once

namespace varuno {

using NvWindow = void*;  // the window handle (HWND on Windows)

struct NvRect {
    int left, top, right, bottom;
};

namespace nvbtn_host {

void show(NvWindow w, int id, bool visible);
// Screen rectangle of control `id`; false when there is no such control.
bool control_rect(NvWindow w, int id, NvRect& rect);
void client_to_screen(NvWindow w, int& x, int& y);
NvRect client_rect(NvWindow w);
// Size of control `id` in pixels (0 x 0 when there is none).
void control_size(NvWindow w, int id, int& width, int& height);
// Sends the button report to the window and waits for it to be handled.
void report(NvWindow w, int id, int state);
// Lets the system move the window, as a press on a caption would.
void start_drag(NvWindow w);
// The message for a caller error (no window set).
void program_error(const char* text, const char* title);

}  // namespace nvbtn_host
}  // namespace varuno
