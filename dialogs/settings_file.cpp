#include "dialogs/settings_file.h"

#include <algorithm>
#include <filesystem>

#include "platform/cp932.h"
#include "platform/ini.h"
#include "strkit/strkit.h"

namespace varuno {

void write_default_settings(std::string_view file) {
    std::error_code ec;
    std::filesystem::remove(path_beside_program(file), ec);
    ini_write_int("0_0:RDO", "1", 20200, file);
    ini_write_int("0_1:RDO", "1", 20203, file);
    ini_write_int("2_0:RDO", "1", 20206, file);
    ini_write_int("2_1:RDO", "1", 20211, file);
    ini_write_int("2_1:EDT", "20300", 300, file);
    ini_write_int("3_0:CHE", "1107", 1, file);
    ini_write_int("INI", "SetExist", 1, file);
}

int marquee_interval_setting() { return ini_read_int("2_1:EDT", "20300", kSettingsFile); }

bool decorative_line_setting() { return ini_read_int("3_0:CHE", "1107", kSettingsFile) == 1; }

bool widen_lists_setting() { return ini_read_int("2_1:RDO", "1", kSettingsFile) == 20211; }

bool ensure_settings_file(std::string_view file) {
    std::error_code ec;
    if (std::filesystem::exists(path_beside_program(file), ec)) return false;
    write_default_settings(file);
    return true;
}

SettingsChoice read_settings(std::string_view file) {
    SettingsChoice choice;
    for (std::size_t k = 0; k < kRadioSettings.size(); ++k) {
        const int id = ini_read_int(kRadioSettings[k].section, "1", file);
        if (id >= kRadioSettings[k].first && id <= kRadioSettings[k].last) choice.radios[k] = id;
    }
    choice.decorative_line = ini_read_int("3_0:CHE", "1107", file) == 1;
    choice.speed = ini_read_int("2_1:EDT", "20300", file) / 10;
    return choice;
}

void save_settings(const SettingsChoice& choice, std::string_view file) {
    for (std::size_t k = 0; k < kRadioSettings.size(); ++k)
        if (choice.radios[k] != 0) ini_write_int(kRadioSettings[k].section, "1", choice.radios[k], file);
    ini_write_int("3_0:CHE", "1107", choice.decorative_line ? 1 : 0, file);
    ini_write_int("2_1:EDT", "20300", choice.speed * 10, file);
}

int speed_from_text(std::string_view text) { return std::clamp(leading_int(text), kSpeedMin, kSpeedMax); }

int scrolled_speed(int speed, SpeedScroll action, int thumb) {
    switch (action) {
    case SpeedScroll::kLineUp: speed -= 5; break;
    case SpeedScroll::kLineDown: speed += 5; break;
    case SpeedScroll::kPageUp: speed -= 30; break;
    case SpeedScroll::kPageDown: speed += 30; break;
    case SpeedScroll::kThumb: speed = thumb; break;
    case SpeedScroll::kTop: speed = kSpeedMin; break;
    case SpeedScroll::kBottom: speed = kSpeedMax; break;
    case SpeedScroll::kEndTrack: break;
    }
    return std::clamp(speed, kSpeedMin, kSpeedMax);
}

const std::string& sample_text() {
    static const std::string text =
        cp932::from_utf8("これはスクロール見本です。；100秒/100＝1秒です。；0を入力すると、スクロールを停止します。");
    return text;
}

std::string SampleScroller::step() {
    const std::string& text = sample_text();
    if (++position_ > static_cast<int>(cp932::char_count(text))) position_ = 1;
    return std::string(strkit::strleft(text.c_str(), position_)) + strkit::strmid(text.c_str(), 1, position_ - 1);
}

} // namespace varuno
