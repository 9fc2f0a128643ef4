// The status bar's texts and marquees, without the control.
#include <string>

#include <gtest/gtest.h>

#include "mainwin/status_model.h"
#include "platform/cp932.h"

namespace varuno {
namespace {

std::string cp(const char* utf8) { return cp932::from_utf8(utf8); }

const std::array<int, 3> kWidths{160, 90, 90};

TEST(StatusModel, StartsWithTheInitialTexts) {
    StatusModel m;
    EXPECT_EQ(m.court_text(), cp("－"));
    EXPECT_EQ(m.kind_text(), cp("（単位種）"));
    EXPECT_EQ(m.marquee(0), cp("（日本語表記）ここをクリックして下さい。"));
    EXPECT_EQ(m.marquee(2), cp("換算後単位の備考　-　　"));
    EXPECT_EQ(m.length(0), 20);
    EXPECT_EQ(m.position(0), 0);
    EXPECT_EQ(m.active_court(), 0);
}

TEST(StatusModel, MarqueeTurnsOneCharacterPerStepAndComesBack) {
    StatusModel m;
    m.list_changed(false, {cp("メートル"), ";"});
    m.list_changed(true, {cp("mm"), cp("千分の1メートル。")});
    auto shown = m.tick(kWidths);
    const std::string start = m.marquee(0);  // padded on the first step
    EXPECT_EQ(shown[0], start);
    const int length = m.length(0);
    ASSERT_EQ(static_cast<std::size_t>(length), cp932::char_count(start));
    shown = m.tick(kWidths);
    // The first character (メ, two bytes) moved to the end whole.
    EXPECT_EQ(shown[0], start.substr(2) + start.substr(0, 2));
    for (int i = 3; i <= length; ++i) shown = m.tick(kWidths);
    EXPECT_EQ(m.position(0), length);
    shown = m.tick(kWidths);
    EXPECT_EQ(m.position(0), 1);
    EXPECT_EQ(shown[0], start);
}

TEST(StatusModel, ShortTextsArePaddedToThePartWidthInBytes) {
    StatusModel m;
    m.list_changed(false, {"a", "-"});
    m.list_changed(true, {"b", "-"});
    // "a　→　b　　" is 12 bytes: part 2 needs 34, so 11 full-width spaces are added.
    const std::string before = m.marquee(0);
    ASSERT_EQ(before.size(), 12u);
    m.tick(kWidths);
    EXPECT_EQ(
        m.marquee(0), before + [] {
            std::string s;
            for (int i = 0; i < 11; ++i) s += cp("　");
            return s;
        }());
    EXPECT_EQ(m.length(0), 7 + 11);
    // A pair of 34 bytes or more gets nothing beyond its own ending.
    m.list_changed(false, {cp("キロメートル毎時"), "-"});
    m.list_changed(true, {cp("マイル毎時"), "-"});
    const std::string long_text = m.marquee(0);
    ASSERT_GE(long_text.size(), 34u);
    m.tick(kWidths);
    EXPECT_EQ(m.marquee(0), long_text);
}

TEST(StatusModel, NamesOfTwoCourtsAndARefresh) {
    StatusModel m;
    m.list_changed(false, {cp("ヤード"), "-"});        // court A, before list
    m.list_changed(true, {cp("インチ"), cp("注。")});  // court B, after list
    EXPECT_EQ(m.marquee(0), cp("ヤード　→　インチ　　"));
    EXPECT_EQ(m.marquee(2), cp("換算後単位の備考　注。　　"));
    m.refresh_units(UnitTexts{cp("メートル"), ";"}, UnitTexts{cp("ミリメートル"), ";"});
    EXPECT_EQ(m.marquee(0), cp("メートル　→　ミリメートル　　"));
    EXPECT_EQ(m.marquee(1), cp("換算前単位の備考　-　　"));
}

TEST(StatusModel, RefreshWithoutSelectionShowsTheUsageHint) {
    StatusModel m;
    m.refresh_units(std::nullopt, std::nullopt);
    EXPECT_EQ(m.marquee(0).rfind(cp("（簡単な使用手順：[1] 『Ω』"), 0), 0u);
    EXPECT_EQ(m.marquee(1), cp("換算前単位の備考　未選択　　"));
    m.refresh_units(UnitTexts{"m", "-"}, std::nullopt);
    EXPECT_EQ(m.marquee(0), cp("m　→　　　　"));
    EXPECT_EQ(m.marquee(2), cp("換算後単位の備考　未選択　　"));
}

TEST(StatusModel, CourtMarksAndOtherValues) {
    StatusModel m;
    m.set_court(2);
    EXPECT_EQ(m.court_text(), cp("Ｂ"));
    EXPECT_EQ(m.active_court(), 2);
    m.set_court(3);
    EXPECT_EQ(m.court_text(), cp("Ｂ"));  // kept
    EXPECT_EQ(m.active_court(), 3);       // neither triangle is bright
    m.set_court(0);
    EXPECT_EQ(m.court_text(), cp("－"));
}

// The window stops the marquee by not ticking (speed 0); the model then
// goes on from the positions it had reached.
TEST(StatusModel, TicksGoOnFromThePositionsReached) {
    StatusModel m;
    for (int i = 0; i < 5; ++i) m.tick(kWidths);
    EXPECT_EQ(m.position(1), 5);
    m.tick(kWidths);
    EXPECT_EQ(m.position(1), 6);
}

TEST(StatusModel, ShowAllText) {
    StatusModel m;
    m.set_court(1);
    m.set_kind(cp("寸法"));
    m.list_changed(false, {cp("メートル"), ";"});
    const std::string plain = m.show_all_text(false);
    EXPECT_EQ(
        plain.rfind(cp("[ステータスバーの内容]\n\n□スクロール対象\tＡ\n\n□単位種\t\t寸法\n\n□日本語表記\tメートル"), 0),
        0u);
    EXPECT_NE(m.show_all_text(true).find(cp("〔換算前〕　→　〔換算後〕　＝\n\t\tメートル")), std::string::npos);
    EXPECT_NE(plain.find(cp("\n\n□換算前単位の備考　-　　\n\n□換算後単位の備考")), std::string::npos);
}

}  // namespace
}  // namespace varuno
