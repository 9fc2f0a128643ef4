// The settings file varuno_set.ini: every section, key, default and offset
// of it, read into and written from one typed value. The windows read the
// settings here and hand the values on; nothing else opens the file.
#pragma once
#include <array>
#include <string_view>

#include "convert/engine.h"

namespace varuno {

inline constexpr const char* kSettingsFile = "varuno_set.ini";

// A radio-button setting stores the id of its chosen button under key "1"
// of its own section.
struct RadioSetting {
    const char* section;
    int first, last;  // the ids of its buttons
    int fallback;     // the default choice
};
enum RadioIndex : int { kZoomContent = 0, kExponentStyle = 1, kListOrder = 2, kWidening = 3 };
inline constexpr std::array<RadioSetting, 4> kRadioSettings{{{"0_0:RDO", 20200, 20201, 20200},
                                                             {"0_1:RDO", 20202, 20205, 20203},
                                                             {"2_0:RDO", 20206, 20210, 20206},
                                                             {"2_1:RDO", 20211, 20213, 20211}}};

inline constexpr int kZoomBeforeAndAfter = 20200;  // 換算前＝換算後; 20201 shows the after side only
inline constexpr int kWidenOnDropDown = 20211;     // 20212 (never offered) and 20213 do not widen
inline constexpr int kDefaultMarqueeMs = 300;

// The settings as the program uses them.
struct Settings {
    std::array<int, 4> radios{};   // the chosen button of each radio setting; 0 when none of its group is stored
    bool decorative_line = false;  // the decorative line moves every 3 seconds
    int marquee_ms = 0;            // the marquee's step; 0 stops it

    static Settings defaults();
    // What a conversion reads: the zoom view's content and exponent style.
    ConversionSettings conversion() const;
    // The unit lists' sort option 0 ... 4; negative when no order is stored
    // (storage order then).
    int sort_option() const;
    bool widen_lists() const { return radios[kWidening] == kWidenOnDropDown; }
    friend bool operator==(const Settings&, const Settings&) = default;
};

// The stored settings. A radio value that is not one of its own group's
// buttons reads as no choice; a missing file is no valid choice anywhere.
Settings read_settings(std::string_view file = kSettingsFile);

// Writes each radio group that has a choice, the decorative line as 0 or 1
// and the marquee step. Answers whether every write succeeded.
bool save_settings(const Settings& settings, std::string_view file = kSettingsFile);

// Replaces the file with every default, in the order zoom content, exponent
// style, list order, widening, marquee, decorative line, and then the
// first-run marker "INI"/"SetExist" = 1, so that settings saved after it
// survive the next start. Answers whether every write succeeded.
bool write_default_settings(std::string_view file = kSettingsFile);

// Writes the defaults when the file is missing or has never been
// initialised (its first-run marker reads 0). Answers what it found or did.
enum class SettingsFileState { kInPlace, kDefaultsWritten, kNotStored };
SettingsFileState ensure_settings(std::string_view file = kSettingsFile);

}  // namespace varuno
