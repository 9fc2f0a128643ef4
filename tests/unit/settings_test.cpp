// The settings file and the settings dialog's rules: defaults, reading and
// saving the radio groups, what the values mean to the rest of the program,
// the speed's units and clamping, the sample line.
#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "dialogs/settings_rules.h"
#include "settings/settings.h"
#include "platform/cp932.h"
#include "platform/ini.h"
#include "tests/unit/own_ini_file.h"

namespace varuno {
namespace {

constexpr const char* kFile = "settings_file_test_set.ini";

std::string cp(const char* utf8) { return cp932::from_utf8(utf8); }

class SettingsFile : public OwnIniFile {
protected:
    SettingsFile() : OwnIniFile(kFile) {}
    static int read(const char* section, const char* key) { return ini_read_int(section, key, kFile); }
};

TEST_F(SettingsFile, DefaultsReplaceTheWholeFile) {
    ini_write_int("0_1:RDO", "1", 20205, kFile);
    ini_write_text("OLD", "left", "over", kFile);
    write_default_settings(kFile);
    EXPECT_EQ(read("0_0:RDO", "1"), 20200);
    EXPECT_EQ(read("0_1:RDO", "1"), 20203);
    EXPECT_EQ(read("2_0:RDO", "1"), 20206);
    EXPECT_EQ(read("2_1:RDO", "1"), 20211);
    EXPECT_EQ(read("2_1:EDT", "20300"), 300);
    EXPECT_EQ(read("3_0:CHE", "1107"), 1);
    EXPECT_EQ(read("INI", "SetExist"), 1);
    EXPECT_EQ(ini_read_text("OLD", "left", kFile), "0");  // gone with the old file

    const Settings shown = read_settings(kFile);
    EXPECT_EQ(shown.radios, (std::array<int, 4>{20200, 20203, 20206, 20211}));
    EXPECT_TRUE(shown.decorative_line);
    EXPECT_EQ(shown.marquee_ms, 300);
    EXPECT_EQ(shown, Settings::defaults());
}

// What the stored values mean where they are used: the zoom view's content
// and exponent style, the lists' order and widening.
TEST_F(SettingsFile, ValuesAsTheConversionAndTheListsUseThem) {
    write_default_settings(kFile);
    Settings s = read_settings(kFile);
    EXPECT_EQ(s.conversion().zoom_content, 20200);
    EXPECT_EQ(s.conversion().exponent_style, 1);  // ×10^±xxx
    EXPECT_EQ(s.sort_option(), 0);
    EXPECT_TRUE(s.widen_lists());
    ini_write_int("2_0:RDO", "1", 20210, kFile);
    ini_write_int("2_1:RDO", "1", 20212, kFile);  // the choice the dialog never shows: no widening
    s = read_settings(kFile);
    EXPECT_EQ(s.sort_option(), 4);
    EXPECT_FALSE(s.widen_lists());
    remove();
    s = read_settings(kFile);
    EXPECT_LT(s.sort_option(), 0);  // no order stored: storage order
    EXPECT_FALSE(s.widen_lists());
    EXPECT_LT(s.conversion().exponent_style, 0);  // shown as e±xxx
}

TEST_F(SettingsFile, DefaultsComeWhenTheFileIsMissingOrWasNeverInitialised) {
    EXPECT_EQ(ensure_settings(kFile), SettingsFileState::kDefaultsWritten);
    EXPECT_EQ(read("INI", "SetExist"), 1);
    ini_write_int("2_0:RDO", "1", 20209, kFile);
    EXPECT_EQ(ensure_settings(kFile), SettingsFileState::kInPlace);
    EXPECT_EQ(read("2_0:RDO", "1"), 20209);
    ini_write_int("INI", "SetExist", 0, kFile);  // a file that lost its marker
    EXPECT_EQ(ensure_settings(kFile), SettingsFileState::kDefaultsWritten);
    EXPECT_EQ(read("2_0:RDO", "1"), 20206);
}

// A file that cannot be written (a folder in the way of the copy that
// replaces it): the defaults are not claimed as stored.
TEST_F(SettingsFile, DefaultsThatCannotBeWrittenAreReported) {
    const std::filesystem::path blocker = path_beside_program(std::string(kFile) + ".tmp~");
    std::filesystem::create_directory(blocker);
    EXPECT_EQ(ensure_settings(kFile), SettingsFileState::kNotStored);
    EXPECT_FALSE(save_settings(Settings::defaults(), kFile));
    std::filesystem::remove(blocker);
    EXPECT_EQ(ensure_settings(kFile), SettingsFileState::kDefaultsWritten);
}

TEST_F(SettingsFile, SavedChoicesReadBackAndTheSpeedIsStoredInMilliseconds) {
    write_default_settings(kFile);
    Settings choice;
    choice.radios = {20201, 20205, 20210, 20213};
    choice.decorative_line = false;
    choice.marquee_ms = marquee_ms_of(150);
    EXPECT_TRUE(save_settings(choice, kFile));
    EXPECT_EQ(read("2_1:EDT", "20300"), 1500);
    EXPECT_EQ(read("3_0:CHE", "1107"), 0);
    const Settings back = read_settings(kFile);
    EXPECT_EQ(back, choice);
    EXPECT_EQ(speed_of(back.marquee_ms), 150);
    EXPECT_EQ(read("INI", "SetExist"), 1);  // saving keeps the first-run marker
}

TEST_F(SettingsFile, AGroupWithoutAChoiceWritesNothing) {
    write_default_settings(kFile);
    Settings choice;
    choice.radios = {0, 20202, 0, 0};
    choice.marquee_ms = 0;
    save_settings(choice, kFile);
    EXPECT_EQ(read("0_0:RDO", "1"), 20200);
    EXPECT_EQ(read("0_1:RDO", "1"), 20202);
    EXPECT_EQ(read("2_0:RDO", "1"), 20206);
    EXPECT_EQ(read("2_1:EDT", "20300"), 0);  // 0 is a real speed: the marquee stops
}

TEST_F(SettingsFile, StoredValuesAsTheDialogShowsThem) {
    write_default_settings(kFile);
    ini_write_int("0_0:RDO", "1", 20203, kFile);  // another group's button
    ini_write_int("0_1:RDO", "1", 1107, kFile);   // not a radio button at all
    ini_write_int("2_1:RDO", "1", 20212, kFile);  // the hidden choice stays chosen
    ini_write_int("2_1:EDT", "20300", 1500, kFile);
    Settings shown = read_settings(kFile);
    EXPECT_EQ(shown.radios, (std::array<int, 4>{0, 0, 20206, 20212}));
    EXPECT_EQ(speed_of(shown.marquee_ms), 150);
    ini_write_int("2_1:EDT", "20300", 3000, kFile);
    EXPECT_EQ(speed_of(read_settings(kFile).marquee_ms), 300);
    ini_write_int("2_1:EDT", "20300", 29, kFile);
    EXPECT_EQ(speed_of(read_settings(kFile).marquee_ms), 2);  // whole hundredths
    remove();
    shown = read_settings(kFile);  // a missing file is no valid choice anywhere
    EXPECT_EQ(shown.radios, (std::array<int, 4>{0, 0, 0, 0}));
    EXPECT_FALSE(shown.decorative_line);
}

TEST(SettingsSpeed, TypedTextsAreClampedToTheTrackbarRange) {
    EXPECT_EQ(speed_from_text("150"), 150);
    EXPECT_EQ(speed_from_text("999"), 300);
    EXPECT_EQ(speed_from_text("300"), 300);
    EXPECT_EQ(speed_from_text("301"), 300);
    EXPECT_EQ(speed_from_text("99999999999999"), 300);
    EXPECT_EQ(speed_from_text(""), 0);
    EXPECT_EQ(speed_from_text("0"), 0);
    EXPECT_EQ(speed_from_text("-5"), 0);
}

TEST(SettingsSpeed, TrackbarStepsStayInRange) {
    EXPECT_EQ(scrolled_speed(30, SpeedScroll::kLineDown, 0), 35);
    EXPECT_EQ(scrolled_speed(30, SpeedScroll::kLineUp, 0), 25);
    EXPECT_EQ(scrolled_speed(3, SpeedScroll::kLineUp, 0), 0);
    EXPECT_EQ(scrolled_speed(280, SpeedScroll::kPageDown, 0), 300);
    EXPECT_EQ(scrolled_speed(20, SpeedScroll::kPageUp, 0), 0);
    EXPECT_EQ(scrolled_speed(100, SpeedScroll::kPageUp, 0), 70);
    EXPECT_EQ(scrolled_speed(30, SpeedScroll::kThumb, 123), 123);
    EXPECT_EQ(scrolled_speed(30, SpeedScroll::kTop, 123), 0);
    EXPECT_EQ(scrolled_speed(30, SpeedScroll::kBottom, 123), 300);
    EXPECT_EQ(scrolled_speed(45, SpeedScroll::kEndTrack, 123), 45);
}

TEST(SettingsSample, RotatesByCharactersAndWrapsAround) {
    const std::string text =
        cp("これはスクロール見本です。；100秒/100＝1秒です。；0を入力すると、スクロールを停止します。");
    EXPECT_EQ(sample_text(), text);
    SampleScroller scroller;
    EXPECT_EQ(scroller.step(), text);  // position 1: unrotated
    EXPECT_EQ(scroller.step(),
              cp("れはスクロール見本です。；100秒/100＝1秒です。；0を入力すると、スクロールを停止します。こ"));
    for (int p = 3; p <= 15; ++p) scroller.step();
    EXPECT_EQ(scroller.position(), 15);
    EXPECT_EQ(scroller.step(),
              cp("00秒/100＝1秒です。；0を入力すると、スクロールを停止します。これはスクロール見本です。；1"));
    for (int p = 17; p <= 49; ++p) scroller.step();  // 49 characters, double-byte ones counting one
    EXPECT_EQ(scroller.position(), 49);
    EXPECT_EQ(scroller.step(), text);
    EXPECT_EQ(scroller.position(), 1);
}

}  // namespace
}  // namespace varuno
