#include "platform/dpi_win.h"

#include <cstdint>

namespace varuno {
namespace {

// Windows 10 (1607) and later: looked up, so that the programs still start
// on older Windows, where the system DPI is every window's.
using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
using GetSystemMetricsForDpiFn = int(WINAPI*)(int, UINT);
// shcore's GetDpiForMonitor (Windows 8.1 and later); 0 is MDT_EFFECTIVE_DPI.
using GetDpiForMonitorFn = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
constexpr int kEffectiveDpi = 0;

template <typename Fn>
Fn user32_function(const char* name) {
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), name)));
}

Dpi system_dpi() { return Dpi(GetDeviceCaps(WindowDC(nullptr).get(), LOGPIXELSX)); }

// The width and height of bitmap resource `id`, read from its header.
bool resource_size(HINSTANCE instance, int id, SIZE& size) {
    HRSRC found = FindResourceW(instance, MAKEINTRESOURCEW(id), RT_BITMAP);
    if (!found || SizeofResource(instance, found) < sizeof(BITMAPINFOHEADER)) return false;
    const auto* head = static_cast<const BITMAPINFOHEADER*>(LockResource(LoadResource(instance, found)));
    if (!head) return false;
    size = {head->biWidth, head->biHeight < 0 ? -head->biHeight : head->biHeight};
    return true;
}

// `picture` drawn at `size` into a new bitmap; smoothly, averaging the
// pixels it shrinks (HALFTONE), so that lines stay smooth.
UniqueBitmap stretched(HBITMAP picture, SIZE size, Resample resample) {
    BITMAP info{};
    if (!GetObjectW(picture, sizeof info, &info)) return UniqueBitmap();
    WindowDC screen(nullptr);
    UniqueBitmap result(CreateCompatibleBitmap(screen.get(), size.cx, size.cy));
    if (!result) return result;
    MemoryDC from(screen.get()), to(screen.get());
    Selected source(from.get(), picture), target(to.get(), result.get());
    SetStretchBltMode(to.get(), resample == Resample::kSmooth ? HALFTONE : COLORONCOLOR);
    SetBrushOrgEx(to.get(), 0, 0, nullptr);
    StretchBlt(to.get(), 0, 0, size.cx, size.cy, from.get(), 0, 0, info.bmWidth, info.bmHeight, SRCCOPY);
    return result;
}

}  // namespace

Dpi dpi_of(HWND window) {
    static const auto for_window = user32_function<GetDpiForWindowFn>("GetDpiForWindow");
    if (for_window && window) {
        const UINT dpi = for_window(window);
        if (dpi) return Dpi(static_cast<int>(dpi));
    }
    return system_dpi();
}

Dpi monitor_dpi_of(HWND window) {
    static const auto for_monitor = [] {
        HMODULE shcore = LoadLibraryW(L"shcore.dll");  // kept for the program's life
        return shcore ? reinterpret_cast<GetDpiForMonitorFn>(
                            reinterpret_cast<void*>(GetProcAddress(shcore, "GetDpiForMonitor")))
                      : nullptr;
    }();
    UINT x = 0, y = 0;
    if (for_monitor &&
        SUCCEEDED(for_monitor(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), kEffectiveDpi, &x, &y)))
        return Dpi(static_cast<int>(x));
    return system_dpi();
}

UniqueBitmap load_picture(HINSTANCE instance, int id, Dpi dpi, Resample resample) {
    const PictureChoice choice = picture_choice(dpi);
    const auto load = [&](int number) {
        return UniqueBitmap(
            static_cast<HBITMAP>(LoadImageW(instance, MAKEINTRESOURCEW(number), IMAGE_BITMAP, 0, 0, 0)));
    };
    UniqueBitmap render = load(id + choice.render.id_offset);
    if (render && choice.exact) return render;
    if (!render) render = load(id);  // a picture without renders: its own, scaled
    if (!render) return render;
    SIZE base{};
    if (!resource_size(instance, id, base)) return render;
    const SIZE size{dpi.px(base.cx), dpi.px(base.cy)};
    BITMAP info{};
    GetObjectW(render.get(), sizeof info, &info);
    if (info.bmWidth == size.cx && info.bmHeight == size.cy) return render;
    UniqueBitmap scaled = stretched(render.get(), size, resample);
    return scaled ? std::move(scaled) : std::move(render);
}

UniqueIcon load_icon(HINSTANCE instance, int id, int size96, Dpi dpi) {
    const int size = dpi.px(size96);
    return UniqueIcon(static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(id), IMAGE_ICON, size, size, 0)));
}

UniqueCursor load_cursor(HINSTANCE instance, int id, Dpi dpi) {
    static const auto metrics = user32_function<GetSystemMetricsForDpiFn>("GetSystemMetricsForDpi");
    const int size = metrics ? metrics(SM_CXCURSOR, static_cast<UINT>(dpi.value())) : dpi.px(32);
    return UniqueCursor(static_cast<HCURSOR>(LoadImageW(instance, MAKEINTRESOURCEW(id), IMAGE_CURSOR, size, size, 0)));
}

void show_pictures(HWND dialog, HINSTANCE instance, std::span<const TemplatePicture> pictures, Dpi dpi,
                   std::vector<UniqueBitmap>& keep) {
    std::vector<UniqueBitmap> shown;
    for (const TemplatePicture& p : pictures) {
        HWND control = GetDlgItem(dialog, p.control);
        if (!control) continue;
        UniqueBitmap picture = load_picture(instance, p.bitmap, dpi);
        if (!picture) {  // the control keeps the picture it shows
            const auto current = reinterpret_cast<HBITMAP>(SendMessageW(control, STM_GETIMAGE, IMAGE_BITMAP, 0));
            for (UniqueBitmap& k : keep)
                if (k.get() == current) shown.push_back(std::move(k));
            continue;
        }
        const auto before = reinterpret_cast<HBITMAP>(
            SendMessageW(control, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(picture.get())));
        // A picture the control loaded itself, from its template, is nobody's.
        bool ours = false;
        for (const UniqueBitmap& k : keep) ours = ours || k.get() == before;
        if (before && !ours) DeleteObject(before);
        shown.push_back(std::move(picture));
    }
    keep = std::move(shown);
}

void show_template_pictures(HWND dialog, HINSTANCE instance, int template_id, Dpi dpi,
                            std::vector<UniqueBitmap>& keep) {
    HRSRC found = FindResourceW(instance, MAKEINTRESOURCEW(template_id), RT_DIALOG);
    const void* bytes = found ? LockResource(LoadResource(instance, found)) : nullptr;
    if (!bytes) return;
    const std::span<const std::uint8_t> data(static_cast<const std::uint8_t*>(bytes), SizeofResource(instance, found));
    show_pictures(dialog, instance, template_pictures(data), dpi, keep);
}

}  // namespace varuno
