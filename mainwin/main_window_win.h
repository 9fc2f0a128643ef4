// The main window: the dialog of template 102 with its two courts.
#pragma once
#include <windows.h>

namespace varuno {

// The window's exact title: other programs (the guide, a second start) find
// the window by it.
extern const wchar_t* const kMainWindowTitle;

INT_PTR CALLBACK main_dialog_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);

// Sets the instance the windows load their resources from.
void set_app_instance(HINSTANCE instance);

} // namespace varuno
