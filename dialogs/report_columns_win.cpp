#include "dialogs/report_columns_win.h"

#include <commctrl.h>

#include <algorithm>
#include <string>

#include "platform/wide_text.h"

namespace varuno {

void insert_report_columns(HWND list, const ReportColumn* columns, int count) {
    HDC dc = GetDC(list);
    const int dpi = GetDeviceCaps(dc, LOGPIXELSX);
    ReleaseDC(list, dc);
    const int room = MulDiv(12, dpi, 96);  // the head's margins on both sides
    for (int c = 0; c < count; ++c) {
        std::wstring head = wide_utf8(columns[c].head);
        const auto text_width = static_cast<int>(SendMessageW(list, LVM_GETSTRINGWIDTHW, 0, reinterpret_cast<LPARAM>(head.c_str())));
        LVCOLUMNW column{};
        column.mask = LVCF_FMT | LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
        column.fmt = LVCFMT_LEFT;
        column.cx = std::max(MulDiv(columns[c].width, dpi, 96), text_width + room);
        column.pszText = head.data();
        column.iSubItem = c;
        SendMessageW(list, LVM_INSERTCOLUMNW, static_cast<WPARAM>(c), reinterpret_cast<LPARAM>(&column));
    }
}

} // namespace varuno
