// The settings file varuno_set.ini: its sections, keys and defaults.
#pragma once

namespace varuno {

inline constexpr const char* kSettingsFile = "varuno_set.ini";

// Rewrites the settings file with every default: zoom view 換算前＝換算後,
// exponent ×10^±xxx, storage order, widening on, decorative line on,
// marquee step 300 ms, then the first-run marker "INI"/"SetExist" = 1.
void write_default_settings();

// Marquee step in milliseconds (0 stops it).
int marquee_interval_setting();
// Whether the decorative line moves (timer 3).
bool decorative_line_setting();
// Whether unit lists widen while their drop-down is open.
bool widen_lists_setting();

} // namespace varuno
