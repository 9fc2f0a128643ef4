// The settings file varuno_set.ini: its sections, keys and defaults, and the
// rules of the settings dialog that edits it.
#pragma once
#include <array>
#include <string>
#include <string_view>

namespace varuno {

inline constexpr const char* kSettingsFile = "varuno_set.ini";

// Rewrites the settings file with every default: zoom view 換算前＝換算後,
// exponent ×10^±xxx, storage order, widening on, decorative line on,
// marquee step 300 ms, then the first-run marker "INI"/"SetExist" = 1.
void write_default_settings(std::string_view file = kSettingsFile);

// Marquee step in milliseconds (0 stops it).
int marquee_interval_setting();
// Whether the decorative line moves (timer 3).
bool decorative_line_setting();
// Whether unit lists widen while their drop-down is open.
bool widen_lists_setting();

// A radio-button setting: its section (key "1") and the ids of its buttons.
struct RadioSetting {
    const char* section;
    int first;
    int last;
};
inline constexpr std::array<RadioSetting, 4> kRadioSettings{{{"0_0:RDO", 20200, 20201},
                                                            {"0_1:RDO", 20202, 20205},
                                                            {"2_0:RDO", 20206, 20210},
                                                            {"2_1:RDO", 20211, 20213}}};

// The marquee speed as the dialog shows it, in hundredths of a second.
inline constexpr int kSpeedMin = 0, kSpeedMax = 300;

// What the settings dialog shows and saves.
struct SettingsChoice {
    std::array<int, 4> radios{};  // the chosen button of each radio setting; 0: none
    bool decorative_line = false;
    int speed = 0;                // hundredths of a second: the stored milliseconds / 10
};

// Writes the defaults when the file is missing; answers whether it did.
bool ensure_settings_file(std::string_view file = kSettingsFile);

// The stored settings. A radio value that is not one of its own group's
// buttons reads as no choice (it is never shown as a button of another
// group); the speed is not clamped here, the dialog's edit rule does that.
SettingsChoice read_settings(std::string_view file = kSettingsFile);

// Writes the choices: each radio group that has a choice, the decorative
// line as 0 or 1, the speed as milliseconds (speed x 10).
void save_settings(const SettingsChoice& choice, std::string_view file = kSettingsFile);

// The speed a typed text stands for: its leading number, an empty or
// non-numeric text 0, clamped to 0 ... 300.
int speed_from_text(std::string_view text);

// Trackbar actions on the speed, as the control reports them.
enum class SpeedScroll { kLineUp, kLineDown, kPageUp, kPageDown, kThumb, kTop, kBottom, kEndTrack };
// The speed after `action` on `speed` (`thumb`: the thumb's position), clamped.
int scrolled_speed(int speed, SpeedScroll action, int thumb);

// The sample line of the settings dialog, turned one character per tick.
class SampleScroller {
public:
    // Moves on by one character and answers the text to show: the sample
    // rotated left by position - 1 characters (double-byte ones count one).
    std::string step();
    int position() const { return position_; }

private:
    int position_ = 0;  // 0 until the first tick; 1 shows the text unrotated
};

// The sample text (CP932).
const std::string& sample_text();

} // namespace varuno
