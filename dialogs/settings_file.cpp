#include "dialogs/settings_file.h"

#include <filesystem>

#include "platform/ini.h"

namespace varuno {

void write_default_settings() {
    std::error_code ec;
    std::filesystem::remove(path_beside_program(kSettingsFile), ec);
    ini_write_int("0_0:RDO", "1", 20200, kSettingsFile);
    ini_write_int("0_1:RDO", "1", 20203, kSettingsFile);
    ini_write_int("2_0:RDO", "1", 20206, kSettingsFile);
    ini_write_int("2_1:RDO", "1", 20211, kSettingsFile);
    ini_write_int("2_1:EDT", "20300", 300, kSettingsFile);
    ini_write_int("3_0:CHE", "1107", 1, kSettingsFile);
    ini_write_int("INI", "SetExist", 1, kSettingsFile);
}

int marquee_interval_setting() { return ini_read_int("2_1:EDT", "20300", kSettingsFile); }

bool decorative_line_setting() { return ini_read_int("3_0:CHE", "1107", kSettingsFile) == 1; }

bool widen_lists_setting() { return ini_read_int("2_1:RDO", "1", kSettingsFile) == 20211; }

} // namespace varuno
