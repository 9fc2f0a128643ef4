// The main window's status bar (control 1100): five parts, tooltips, and the
// three marquees turned by timer 1. The texts come from StatusModel.
#pragma once
#include <windows.h>

#include <string_view>

#include "convert/engine.h"

namespace varuno {

void status_create(HWND main);
void status_release();
void status_set_interval(int milliseconds);
void status_tick();
void status_set_court(int court);
void status_set_kind(std::string_view name);
// A new selection in unit list j (0 A before, 1 A after, 2 B before, 3 B after).
void status_list_changed(int j);
// Both units of a court, as its two lists show them now.
void status_refresh_units(Court court);
void status_show_all(bool unit_chosen);
// 0 none, 1 court A, 2 court B: which court converted last.
int status_active_court();

} // namespace varuno
