// The balloon panels beside the function buttons: the kind panel (Ω), in
// which the user chooses the unit kind, and the favourites panel (★).
#pragma once
#include <windows.h>

namespace varuno {

enum class PanelMode { kKinds, kFavourites };

// Runs the kind panel modally; afterwards court A's before list has the
// focus. Answers true when the user asked for the unit search instead.
bool open_kind_panel();

// Shared by both balloon panels: the shape and colours.
void balloon_open(HWND panel);
HBRUSH balloon_brush(PanelMode mode);

} // namespace varuno
