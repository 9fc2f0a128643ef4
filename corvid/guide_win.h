// What the windows of the guide share: the instance, the hidden owner
// window, varuno's main window, the completion mark and the messages.
#pragma once
#include <windows.h>

#include <string>

#include "corvid/layout.h"
#include "corvid/names.h"

namespace varuno::corvid {

HINSTANCE guide_instance();
void set_guide_instance(HINSTANCE instance);

// The hidden window that owns the character and the pointer labels.
HWND owner_window();
void set_owner_window(HWND window);

// varuno's main window, looked up afresh by its exact title; null when it is
// not there.
HWND find_main_window();

// The work area (the screen without task bars) of the monitor that shows
// most of `window`, or of the monitor at the rectangle `r`.
Rect work_area_of(HWND window);
Rect work_area_at(const RECT& r);

// The title every window of the guide carries.
void set_guide_title(HWND window);

// A plain message box with an OK button.
void show_message(HWND owner, const GuideMessage& message);

// Whether the tour has ever been completed, read from the ini file at each
// call; and the mark written when the guide ends.
bool tour_seen();
void record_tour_seen();

} // namespace varuno::corvid
