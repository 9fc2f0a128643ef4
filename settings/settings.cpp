#include "settings/settings.h"

#include <filesystem>

#include "platform/ini.h"

namespace varuno {
namespace {

constexpr const char* kMarqueeSection = "2_1:EDT";
constexpr const char* kMarqueeKey = "20300";
constexpr const char* kDecorSection = "3_0:CHE";
constexpr const char* kDecorKey = "1107";
constexpr const char* kMarkerSection = "INI";
constexpr const char* kMarkerKey = "SetExist";

}  // namespace

Settings Settings::defaults() {
    Settings s;
    for (std::size_t k = 0; k < kRadioSettings.size(); ++k) s.radios[k] = kRadioSettings[k].fallback;
    s.decorative_line = true;
    s.marquee_ms = kDefaultMarqueeMs;
    return s;
}

ConversionSettings Settings::conversion() const {
    // A missing exponent style gives an invalid one, which shows as e±xxx.
    return {radios[kZoomContent], radios[kExponentStyle] - kRadioSettings[kExponentStyle].first};
}

int Settings::sort_option() const { return radios[kListOrder] - kRadioSettings[kListOrder].first; }

Settings read_settings(std::string_view file) {
    Settings s;
    for (std::size_t k = 0; k < kRadioSettings.size(); ++k) {
        const int id = ini_read_int(kRadioSettings[k].section, "1", file);
        if (id >= kRadioSettings[k].first && id <= kRadioSettings[k].last) s.radios[k] = id;
    }
    s.decorative_line = ini_read_int(kDecorSection, kDecorKey, file) == 1;
    s.marquee_ms = ini_read_int(kMarqueeSection, kMarqueeKey, file);
    return s;
}

bool save_settings(const Settings& s, std::string_view file) {
    bool ok = true;
    for (std::size_t k = 0; k < kRadioSettings.size(); ++k)
        if (s.radios[k] != 0) ok = ini_write_int(kRadioSettings[k].section, "1", s.radios[k], file) && ok;
    ok = ini_write_int(kDecorSection, kDecorKey, s.decorative_line ? 1 : 0, file) && ok;
    return ini_write_int(kMarqueeSection, kMarqueeKey, s.marquee_ms, file) && ok;
}

bool write_default_settings(std::string_view file) {
    std::error_code ec;
    std::filesystem::remove(path_beside_program(file), ec);
    const Settings d = Settings::defaults();
    bool ok = true;
    for (std::size_t k = 0; k < kRadioSettings.size(); ++k)
        ok = ini_write_int(kRadioSettings[k].section, "1", d.radios[k], file) && ok;
    ok = ini_write_int(kMarqueeSection, kMarqueeKey, d.marquee_ms, file) && ok;
    ok = ini_write_int(kDecorSection, kDecorKey, 1, file) && ok;
    return ini_write_int(kMarkerSection, kMarkerKey, 1, file) && ok;
}

SettingsFileState ensure_settings(std::string_view file) {
    std::error_code ec;
    if (ini_read_int(kMarkerSection, kMarkerKey, file) != 0 && std::filesystem::exists(path_beside_program(file), ec))
        return SettingsFileState::kInPlace;
    return write_default_settings(file) ? SettingsFileState::kDefaultsWritten : SettingsFileState::kNotStored;
}

}  // namespace varuno
