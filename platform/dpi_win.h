// The display scale on Windows: a window's DPI, and the pictures, icons and
// cursors made for it from the renders in the resources.
#pragma once
#include <windows.h>

#include <span>
#include <vector>

#include "platform/dialog_template.h"
#include "platform/dpi.h"
#include "platform/handles_win.h"

namespace varuno {

// The DPI of the monitor the window is on; before Windows 10 (1607), which
// has no per-window DPI, the system's.
Dpi dpi_of(HWND window);

// The DPI of the monitor that shows most of `window`, which may be another
// program's: the monitor's effective DPI (Windows 8.1 and later), else the
// system's. GetDpiForWindow cannot be asked about another program's window
// everywhere (Wine answers it with 96).
Dpi monitor_dpi_of(HWND window);

// How a render is scaled to a size between the renders: smoothly, or taking
// the nearest pixel, which keeps a mask colour exact.
enum class Resample { kSmooth, kNearest };

// Bitmap `id` for `dpi`: the render made for the scale, or the nearest one
// scaled to the 96-DPI picture's size at `dpi`. Null when the resource is
// missing.
UniqueBitmap load_picture(HINSTANCE instance, int id, Dpi dpi, Resample resample = Resample::kSmooth);

// Icon `id` at `size96` pixels (at 96 DPI) scaled to `dpi`; Windows picks
// the nearest of the icon's sizes.
UniqueIcon load_icon(HINSTANCE instance, int id, int size96, Dpi dpi);
// Cursor `id` at the system cursor size for `dpi`.
UniqueCursor load_cursor(HINSTANCE instance, int id, Dpi dpi);

// Gives each of the picture controls of `dialog` the render for `dpi` of its
// bitmap; the control takes the size of the new picture. The pictures stay
// in `keep` while the dialog shows them.
void show_pictures(HWND dialog, HINSTANCE instance, std::span<const TemplatePicture> pictures, Dpi dpi,
                   std::vector<UniqueBitmap>& keep);
// The same for the picture controls that the dialog's template
// `template_id` names.
void show_template_pictures(HWND dialog, HINSTANCE instance, int template_id, Dpi dpi, std::vector<UniqueBitmap>& keep);

}  // namespace varuno
