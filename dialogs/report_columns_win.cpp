#include "dialogs/report_columns_win.h"

#include <commctrl.h>

#include <algorithm>
#include <string>

#include "platform/wide_text.h"
#include "resources/pixel_sizes.h"

namespace varuno {

void insert_report_columns(HWND list, std::span<const char* const> heads, std::span<const int> widths96, Dpi dpi) {
    const int room = dpi.px(px96::kColumnHeadMargins);
    for (std::size_t c = 0; c < heads.size() && c < widths96.size(); ++c) {
        std::wstring head = wide_utf8(heads[c]);
        const auto text_width =
            static_cast<int>(SendMessageW(list, LVM_GETSTRINGWIDTHW, 0, reinterpret_cast<LPARAM>(head.c_str())));
        LVCOLUMNW column{};
        column.mask = LVCF_FMT | LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
        column.fmt = LVCFMT_LEFT;
        column.cx = std::max(dpi.px(widths96[c]), text_width + room);
        column.pszText = head.data();
        column.iSubItem = static_cast<int>(c);
        SendMessageW(list, LVM_INSERTCOLUMNW, c, reinterpret_cast<LPARAM>(&column));
    }
}

}  // namespace varuno
