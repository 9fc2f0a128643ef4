// The modal dialogs that the main window opens from its buttons and menus.
// Each runs owned by the main window and changes the courts only through
// select_kind, list selections and the status-bar operations.
#pragma once

namespace varuno {

// Unit search, template 168 (menu 40009, kind panel). Answers whether a hit
// was applied to the courts while it ran.
bool open_search_dialog();
// Favourites balloon, template 166 (★ button 5028). Answers whether a pair
// was re-converted into the courts.
bool open_favourites_panel();
void open_settings_dialog();   // settings, template 121 (menu 32773)
void open_about_box();         // about box, template 100 (menu 32793, button 5020)

} // namespace varuno
