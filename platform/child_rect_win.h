// Where a child control lies in its parent's client area.
#pragma once
#include <windows.h>

namespace varuno {

inline RECT child_rect(HWND parent, int id) {
    RECT r{};
    GetWindowRect(GetDlgItem(parent, id), &r);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

}  // namespace varuno
