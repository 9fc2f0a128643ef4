// Scoped GDI and USER handles for the Windows programs: each handle has one
// owner that releases it once, on every path out, so that nothing is leaked
// per paint or per opening of a window.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <utility>

namespace varuno {

// A handle released by `Release` when its owner goes.
template <typename Handle, auto Release>
class Unique {
public:
    Unique() = default;
    explicit Unique(Handle handle) : handle_(handle) {}
    ~Unique() { reset(); }
    Unique(Unique&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    Unique& operator=(Unique&& other) noexcept {
        if (this != &other) reset(std::exchange(other.handle_, nullptr));
        return *this;
    }
    Unique(const Unique&) = delete;
    Unique& operator=(const Unique&) = delete;

    Handle get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }
    void reset(Handle handle = nullptr) {
        if (handle_) Release(handle_);
        handle_ = handle;
    }
    // Hands the handle to a new owner (a window that will release it).
    Handle release() { return std::exchange(handle_, nullptr); }

private:
    Handle handle_ = nullptr;
};

namespace handles_detail {
template <typename Object>
void delete_object(Object object) {
    DeleteObject(object);
}
}  // namespace handles_detail

using UniqueBrush = Unique<HBRUSH, handles_detail::delete_object<HBRUSH>>;
using UniquePen = Unique<HPEN, handles_detail::delete_object<HPEN>>;
using UniqueFont = Unique<HFONT, handles_detail::delete_object<HFONT>>;
using UniqueBitmap = Unique<HBITMAP, handles_detail::delete_object<HBITMAP>>;
using UniqueRegion = Unique<HRGN, handles_detail::delete_object<HRGN>>;
using UniqueImageList = Unique<HIMAGELIST, ImageList_Destroy>;
using UniqueMenu = Unique<HMENU, DestroyMenu>;
using UniqueIcon = Unique<HICON, DestroyIcon>;
using UniqueCursor = Unique<HCURSOR, DestroyCursor>;
using UniqueHook = Unique<HHOOK, UnhookWindowsHookEx>;

// A window's device context, released at the end of the scope.
class WindowDC {
public:
    explicit WindowDC(HWND window) : window_(window), dc_(GetDC(window)) {}
    ~WindowDC() { ReleaseDC(window_, dc_); }
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    HDC get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// A memory device context compatible with `dc`, deleted at the end of the scope.
class MemoryDC {
public:
    explicit MemoryDC(HDC dc) : dc_(CreateCompatibleDC(dc)) {}
    ~MemoryDC() { DeleteDC(dc_); }
    MemoryDC(const MemoryDC&) = delete;
    MemoryDC& operator=(const MemoryDC&) = delete;
    HDC get() const { return dc_; }

private:
    HDC dc_;
};

// An object selected into a device context until the end of the scope,
// when the one it replaced comes back.
class Selected {
public:
    Selected(HDC dc, HGDIOBJ object) : dc_(dc), old_(SelectObject(dc, object)) {}
    ~Selected() { SelectObject(dc_, old_); }
    Selected(const Selected&) = delete;
    Selected& operator=(const Selected&) = delete;

private:
    HDC dc_;
    HGDIOBJ old_;
};

}  // namespace varuno
