// The character window (dialog 165): the crow cut to its shape. It gets
// varuno ready, places both windows and runs the tour; it lives as long as
// the guide.
#pragma once
#include <windows.h>

namespace varuno::corvid {

INT_PTR CALLBACK character_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);

// The character window while it exists, or null.
HWND character_window();

} // namespace varuno::corvid
