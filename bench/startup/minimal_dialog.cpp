// The yardstick for varuno's start-up time: the smallest useful Win32
// dialog program (one edit field), built with the same compiler and flags.
#include <windows.h>

namespace {

INT_PTR CALLBACK dialog_proc(HWND dialog, UINT message, WPARAM wparam, LPARAM) {
    if (message == WM_INITDIALOG) return TRUE;
    if (message == WM_COMMAND && LOWORD(wparam) == IDCANCEL) {
        EndDialog(dialog, 0);
        return TRUE;
    }
    return FALSE;
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    return static_cast<int>(DialogBoxParamW(instance, MAKEINTRESOURCEW(1), nullptr, dialog_proc, 0));
}
