// Code page 932 as Windows defines it, and what invalid bytes become.
#include <string>

#include <gtest/gtest.h>

#include "platform/cp932.h"

namespace varuno {
namespace {

TEST(Cp932, CharactersAreOneOrTwoBytes) {
    const std::string text = "a\xB1\x8A\xBF"
                             "b";  // a, half-width ｱ, 漢, b
    EXPECT_EQ(cp932::char_length(text, 0), 1u);
    EXPECT_EQ(cp932::char_length(text, 1), 1u);  // 0xA1-0xDF are single bytes
    EXPECT_EQ(cp932::char_length(text, 2), 2u);
    EXPECT_EQ(cp932::char_count(text), 4u);
    EXPECT_EQ(cp932::char_code(text, 2), 0x8ABFu);
    // 0x5C as a trail byte belongs to its character (ソ is 0x83 0x5C).
    EXPECT_EQ(cp932::char_count("\x83\x5C\x5C"), 2u);
}

TEST(Cp932, InvalidBytesNeverReadPastTheEnd) {
    // A lead byte at the end, a lead byte before a byte that cannot trail,
    // and an undefined pair each count as one character and decode to U+FFFD.
    EXPECT_EQ(cp932::char_count(std::string_view("a\x81", 2)), 2u);
    EXPECT_EQ(cp932::to_utf16(std::string_view("a\x81", 2)), u"a\uFFFD");
    EXPECT_EQ(cp932::to_utf16("\x81 x"), u"\uFFFD x");
    EXPECT_EQ(cp932::to_utf16("\x85\x40"), u"\uFFFD");  // undefined in the code page
    bool lossless = true;
    EXPECT_EQ(cp932::from_utf16(cp932::to_utf16("\x85\x40"), &lossless), "?");
    EXPECT_FALSE(lossless);
}

TEST(Cp932, WindowsMappingsThatIconvGetsWrong) {
    EXPECT_EQ(cp932::to_utf16("\x81\xF0"), u"\u212B");  // Å ANGSTROM SIGN
    EXPECT_EQ(cp932::to_utf16("\x81\x60"), u"\uFF5E");  // ～ FULLWIDTH TILDE
    EXPECT_EQ(cp932::to_utf16("\x81\x7C"), u"\uFF0D");  // － FULLWIDTH HYPHEN-MINUS
    EXPECT_EQ(cp932::to_utf16("\x81\x61"), u"\u2225");  // ∥ PARALLEL TO
    EXPECT_EQ(cp932::to_utf16("\x81\xCA"), u"\uFFE2");  // ￢
    EXPECT_EQ(cp932::from_utf8("\u212B\uFF5E\uFF0D\u2225"), "\x81\xF0\x81\x60\x81\x7C\x81\x61");
    // Single bytes Windows gives private-use values.
    EXPECT_EQ(cp932::to_utf16("\x80\xA0\xFD\xFF"), u"\u0080\uF8F0\uF8F1\uF8F3");
    EXPECT_EQ(cp932::from_utf16(u"\u0080\uF8F0\uF8F1\uF8F3"), "\x80\xA0\xFD\xFF");
}

TEST(Cp932, DuplicateCodesEncodeAsWindowsWritesThem) {
    // Both NEC 0x8790 and JIS 0x81E0 decode to ≒; Windows writes 0x81E0.
    EXPECT_EQ(cp932::to_utf16("\x87\x90"), u"\u2252");
    EXPECT_EQ(cp932::from_utf16(u"\u2252"), "\x81\xE0");
    // Small roman numerals: NEC-selected 0xEEEF and IBM 0xFA40; Windows writes 0xFA40.
    EXPECT_EQ(cp932::to_utf16("\xEE\xEF"), u"\u2170");
    EXPECT_EQ(cp932::from_utf16(u"\u2170"), "\xFA\x40");
    // Capital roman numerals: NEC row 13 0x8754 is preferred over IBM 0xFA4A.
    EXPECT_EQ(cp932::from_utf16(u"\u2160"), "\x87\x54");
    // ∵: JIS 0x81E6 over NEC 0x879A and IBM 0xFA5B.
    EXPECT_EQ(cp932::from_utf16(u"\u2235"), "\x81\xE6");
}

TEST(Cp932, RoundTripsThroughUtf8AndUtf16) {
    const std::string utf8 = "寸法 mm→ｍ ﾟR ℃ 「1.2×10^-2」 CGS　emu ①";
    bool lossless = false;
    const std::string text = cp932::from_utf8(utf8, &lossless);
    EXPECT_TRUE(lossless);
    EXPECT_EQ(cp932::to_utf8(text), utf8);
    EXPECT_EQ(cp932::from_utf16(cp932::to_utf16(text)), text);
    // Every defined double-byte code survives the way through UTF-16.
    int defined = 0;
    for (unsigned lead = 0x81; lead <= 0xFC; ++lead) {
        if (!cp932::is_lead_byte(static_cast<unsigned char>(lead))) continue;
        for (unsigned trail = 0x40; trail <= 0xFC; ++trail) {
            if (trail == 0x7F) continue;
            const char pair[] = {char(lead), char(trail)};
            const char16_t c = cp932::decode_char(lead * 256 + trail);
            if (c == u'\uFFFD') continue;
            ++defined;
            const std::string back = cp932::from_utf16(std::u16string(1, c));
            EXPECT_EQ(cp932::to_utf16(back), std::u16string(1, c)) << std::hex << lead << trail;
            (void)pair;
        }
    }
    EXPECT_EQ(defined, 9604);  // JIS X 0208, NEC and IBM extensions and user-defined area
}

TEST(Cp932, UnmappableAndMalformedInputBecomesQuestionMarks) {
    bool lossless = true;
    EXPECT_EQ(cp932::from_utf8("é–x", &lossless), "??x");
    EXPECT_FALSE(lossless);
    EXPECT_EQ(cp932::from_utf8("\xE3\x81", &lossless), "??");  // a cut-off sequence
    EXPECT_EQ(cp932::from_utf8("\xC0\x80"), "??");             // an overlong form
    EXPECT_EQ(cp932::from_utf8("ab\xE3\x81"
                               "cd\xFF"),
              "ab??cd?");  // between runs of ASCII
    EXPECT_EQ(cp932::from_utf16(u"\xD83D\xDE00"
                                u"a"),
              "?a");                               // one character outside the BMP
    EXPECT_EQ(cp932::from_utf16(u"\xDC00"), "?");  // a lone surrogate
}

TEST(Cp932, CompareOrdersByCharacterCode) {
    EXPECT_LT(cp932::compare("F", "\xDF"
                                  "F"),
              0);  // ASCII before half-width katakana
    EXPECT_LT(cp932::compare("\xDF"
                             "F",
                             "\x81\x8E"),
              0);                               // ﾟF before ℃
    EXPECT_LT(cp932::compare("oz", "oz["), 0);  // the shorter text first
    EXPECT_EQ(cp932::compare("\x8A\xBF", "\x8A\xBF"), 0);
    EXPECT_GT(cp932::compare("\x8A\xC0", "\x8A\xBF"
                                         "z"),
              0);
}

}  // namespace
}  // namespace varuno
