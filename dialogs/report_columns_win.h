// The columns of a report list (the search results, the favourites).
#pragma once
#include <windows.h>

#include <span>

#include "platform/dpi.h"

namespace varuno {

// Inserts the columns with the given heads (UTF-8) and widths (pixels at
// 96 DPI), left-aligned, in the given order. A column is never narrower than
// its head's text with room on either side, so that no head is cut off in
// the list's font.
void insert_report_columns(HWND list, std::span<const char* const> heads, std::span<const int> widths96, Dpi dpi);

}  // namespace varuno
