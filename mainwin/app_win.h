// What every window of varuno shares: the instance, the main window (the
// owner of all message boxes), the kind pictures and the main window's lists.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <string_view>

#include "unitdb/lists.h"

namespace varuno {

HINSTANCE app_instance();
HWND main_window();
HIMAGELIST kind_images();
HCURSOR hand_cursor();

// The main window's four unit lists, their value fields and the zoom view,
// for select_kind.
UnitListView& window_lists();

// The unit chosen in unit list `list` (0 A before, 1 A after, 2 B before,
// 3 B after): a display position, or -1. While a list is open this is the
// unit from before it opened, not the list's highlight.
int chosen_position(int list);
// Selects `position` in unit list `list` as the program's own choice (a
// favourite or a search hit applied); nothing converts.
void select_unit(int list, int position);

// Stops the decorative line's timer and starts it again if the settings
// want it moving.
void restart_decorative_timer();

// A message box owned by the main window; texts are CP932.
int message_box(std::string_view text, std::string_view caption, UINT type);

} // namespace varuno
