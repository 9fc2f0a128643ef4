// The main window's status bar (control 1100): five parts, tooltips, and the
// three marquees turned by timer 1. The texts come from StatusModel; the
// units come from the main window, which knows what its lists have chosen.
#pragma once
#include <windows.h>

#include <optional>
#include <string_view>

#include "mainwin/status_model.h"
#include "platform/dpi.h"

namespace varuno {

class StatusBar {
public:
    // Creates the bar in `main` with its parts for `dpi`, texts and
    // tooltips, and starts the marquee at `interval_ms` (0: it stands still).
    void create(HWND main, HINSTANCE instance, int interval_ms, Dpi dpi);
    // The parts' edges for `dpi`.
    void set_dpi(Dpi dpi);
    // Stops the marquee; the bar goes with its window.
    void release();
    void set_interval(int milliseconds);
    // One marquee step (timer 1).
    void tick();
    // The bar's part 0 and the active court (0 none, 1 A, 2 B); the indicator repaints.
    void set_court(int court);
    void set_kind(std::string_view name);
    // A unit chosen in one list: the before (after = false) or after unit.
    void list_changed(bool after, const UnitTexts& unit);
    // Both units of a court; a side without a unit is "未選択".
    void refresh_units(const std::optional<UnitTexts>& before, const std::optional<UnitTexts>& after);
    // The box with the whole content, owned by the main window.
    void show_all(bool unit_chosen);
    int active_court() const { return model_.active_court(); }

private:
    void set_part(int part, std::string_view text, bool popout = true);

    HWND main_ = nullptr;
    HWND bar_ = nullptr;
    StatusModel model_;
};

}  // namespace varuno
