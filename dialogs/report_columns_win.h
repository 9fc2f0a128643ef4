// The columns of a report list (the search results, the favourites).
#pragma once
#include <windows.h>

namespace varuno {

struct ReportColumn {
    const char* head;  // UTF-8
    int width;         // pixels at 96 DPI
};

// Inserts the columns, left-aligned, in the given order. A column is never
// narrower than its head's text with room on either side, so that no head
// is cut off in the list's font.
void insert_report_columns(HWND list, const ReportColumn* columns, int count);

} // namespace varuno
