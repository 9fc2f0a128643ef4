// A dialog's state object, handed over as the creation parameter and kept in
// its DWLP_USER from WM_INITDIALOG on: every dialog procedure of the programs
// reaches its window's state this way.
#pragma once
#include <windows.h>

namespace varuno {

template <typename State>
State* dialog_state(HWND dialog, UINT message, LPARAM lparam) {
    if (message == WM_INITDIALOG) SetWindowLongPtrW(dialog, DWLP_USER, lparam);
    return reinterpret_cast<State*>(GetWindowLongPtrW(dialog, DWLP_USER));
}

}  // namespace varuno
