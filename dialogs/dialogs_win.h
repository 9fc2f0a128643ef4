// The modal dialogs that the main window opens from its buttons, menus and
// shortcuts. Each runs owned by the main window and changes the courts only
// through the MainWindowPort.
#pragma once
#include <array>
#include <vector>

#include "dialogs/list_sort.h"
#include "dialogs/main_window_port.h"
#include "dialogs/search_state.h"
#include "dialogs/settings_rules.h"
#include "platform/dialog_state_win.h"
#include "unitdb/search.h"

namespace varuno {

// What the dialogs keep from one opening to the next, for the program's run.
struct DialogMemory {
    // The hits of the last successful search, record p belonging to result
    // row p, and the sort direction of each result column.
    std::vector<search_hit> hits;
    std::array<SortDirection, kSearchColumnCount> hit_directions{};
    std::array<SortDirection, 4> favourite_directions{};
    SampleScroller sample;  // the settings dialog's sample keeps its place
};

// The kind panel (template 165, the Ω button). Answers true when the user
// asked for the unit search instead of a kind.
bool open_kind_panel(MainWindowPort& main);
// The unit search (template 168). Answers whether a hit was applied to the
// courts while it ran.
bool open_search_dialog(MainWindowPort& main, DialogMemory& memory);
// The favourites balloon (template 166, the ★ button). Answers whether a
// pair was re-converted into the courts.
bool open_favourites_panel(MainWindowPort& main, DialogMemory& memory);
// The settings (template 121).
void open_settings_dialog(MainWindowPort& main, DialogMemory& memory);
// The about box (template 100).
void open_about_box(MainWindowPort& main);

}  // namespace varuno
