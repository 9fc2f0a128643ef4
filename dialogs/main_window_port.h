// What the dialogs may do to the main window: the only way they reach it.
// The main window implements it; the dialogs never touch its controls.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <string_view>

#include "convert/engine.h"
#include "settings/settings.h"
#include "unitdb/registry.h"

namespace varuno {

class MainWindowPort {
public:
    virtual ~MainWindowPort() = default;

    // The owner of the dialogs and of their message boxes.
    virtual HWND owner() const = 0;
    virtual HINSTANCE instance() const = 0;
    // The 16 × 16 kind pictures (image k: kind k) and the hand cursor of links.
    virtual HIMAGELIST kind_images() = 0;
    virtual HCURSOR hand_cursor() const = 0;

    virtual UnitTables& tables() = 0;
    // The current kind, −1 until one is chosen.
    virtual int current_kind() const = 0;
    // Makes `kind` current: its lists refilled in the settings' order, the
    // courts emptied, the kind shown in the status bar.
    virtual void select_kind(int kind) = 0;
    // The unit chosen in unit list `list` (0 A before, 1 A after, 2 B before,
    // 3 B after): a display position of the current table, or −1.
    virtual int chosen_position(int list) const = 0;
    // Chooses `position` in unit list `list` as the program's own choice;
    // nothing converts.
    virtual void select_unit(int list, int position) = 0;
    // The status bar takes the unit of one list, or both units of a court.
    virtual void show_unit_in_status(int list) = 0;
    virtual void show_court_units_in_status(Court court) = 0;

    // New settings were saved: the marquee's speed and the decorative line
    // follow them at once.
    virtual void settings_saved(const Settings& settings) = 0;
    // The conversion settings take effect now: the current kind's lists are
    // re-sorted and refilled, the courts emptied and the status bar reset.
    virtual void apply_settings_to_courts() = 0;

    // A write to `file` (an ini file's name) failed just now. The first
    // failure of a run is shown in a message with the file and the reason;
    // later ones stay quiet. Answers whether this one was shown.
    virtual bool save_failed(std::string_view file) = 0;
};

}  // namespace varuno
