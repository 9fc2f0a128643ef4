// Tests of the strkit string library: character positions on mixed CP932
// text, the result slots, the shared empty result, segment arrays and the
// two iterators.
#include "strkit/strkit.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/cp932.h"

namespace {

using varuno::cp932::from_utf8;
using varuno::cp932::to_utf8;

// Test texts are written in UTF-8 and handed to the library as CP932.
// Several double-byte characters here have an ASCII trail byte: ア and 、
// end in 'A' (0x41), 表 and ソ end in '\' (0x5C), so a byte-wise search
// would find "A" or "\" inside them.
std::string sj(const char* utf8) { return from_utf8(utf8); }

// A library result shown as UTF-8, so that failures print readably.
std::string u8(const char* cp932) { return to_utf8(cp932); }

// The segments of an array (entries 1 to N) as UTF-8, after checking that
// entry 0 holds N; the array is released.
std::vector<std::string> take_segments(int n, char** array) {
    EXPECT_EQ(std::string(array[0]), std::to_string(n));
    std::vector<std::string> out;
    for (int i = 1; i <= n; ++i) out.push_back(u8(array[i]));
    strkit::strfreearray(array);
    return out;
}

// The next token of strtok2 as UTF-8 ("<null>" at the end); the caller-owned
// text is released.
std::string next_token(const char* text, const char* delimiters) {
    char* token = strkit::strtok2(text, delimiters);
    if (!token) return "<null>";
    std::string out = u8(token);
    strkit::strfree(token);
    return out;
}

const char* empty_result() { return strkit::strleft("abc", -1); }

using Strings = std::vector<std::string>;

TEST(StrkitIterators, ContinuingBeforeAnyTextGivesNothing) {
    // The iterators' state lives for the whole process, so this runs in a
    // freshly started copy of the test program.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            bool ok = strkit::strtok2(nullptr, ",") == nullptr;
            ok = ok && strkit::strspl2(nullptr, ",") == empty_result();
            std::exit(ok ? 0 : 1);
        },
        testing::ExitedWithCode(0), "");
}

TEST(StrkitSearch, LeftToRight) {
    EXPECT_EQ(strkit::strstr(5, "abc", "c"), -1);
    EXPECT_EQ(strkit::strstr(4, "abc", "c"), -1);
    EXPECT_EQ(strkit::strstr(3, "abc", "c"), 3);
    EXPECT_EQ(strkit::strstr(1, "abc", "x"), 0);
    EXPECT_EQ(strkit::strstr(0, "abcabc", "c"), 3);
    EXPECT_EQ(strkit::strstr(-7, "abcabc", "c"), 3);
    EXPECT_EQ(strkit::strstr(4, "abcabc", "c"), 6);
    EXPECT_EQ(strkit::strstr(1, "", "a"), -1);
    EXPECT_EQ(strkit::strstr(1, "", ""), -1);
    EXPECT_EQ(strkit::strstr(2, "abc", ""), 2);
    EXPECT_EQ(strkit::strstr(1, "ab", "abc"), 0);
}

TEST(StrkitSearch, CountsCharactersNotBytes) {
    EXPECT_EQ(strkit::strstr(1, sj("漢字ｶﾅ漢字").c_str(), sj("ﾅ漢").c_str()), 4);
    EXPECT_EQ(strkit::strstr(2, sj("漢字ｶﾅ漢字").c_str(), sj("漢字").c_str()), 5);
    EXPECT_EQ(strkit::strstr(1, sj("アA").c_str(), "A"), 2);
    EXPECT_EQ(strkit::strstr(1, sj("ア表").c_str(), "A"), 0);
    EXPECT_EQ(strkit::strstr(1, sj("表ソ").c_str(), "\\"), 0);
    EXPECT_EQ(strkit::strstr(3, sj("表ソ").c_str(), sj("ソ").c_str()), -1);
    EXPECT_EQ(strkit::strstrall(1, sj("表\\ソ").c_str(), "\\"), 1);
    EXPECT_EQ(strkit::strrstr(1, sj("\\表").c_str(), "\\", true), 1);
}

TEST(StrkitSearch, FromTheRight) {
    EXPECT_EQ(strkit::strrstr(1, "abcXYdef", "XY", true), 4);
    EXPECT_EQ(strkit::strrstr(1, "abcXYdef", "XY", false), 5);
    // start cuts characters off the right end; the occurrence must fit in
    // what remains.
    EXPECT_EQ(strkit::strrstr(4, "abcXYdef", "XY", true), 4);
    EXPECT_EQ(strkit::strrstr(5, "abcXYdef", "XY", true), 0);
    EXPECT_EQ(strkit::strrstr(2, "abab", "ab", true), 1);
    EXPECT_EQ(strkit::strrstr(2, "abab", "ab", false), 4);
    EXPECT_EQ(strkit::strrstr(0, "abab", "ab", true), 3);
    EXPECT_EQ(strkit::strrstr(9, "abab", "ab", true), -1);
    EXPECT_EQ(strkit::strrstr(1, "", "a", true), -1);
    EXPECT_EQ(strkit::strrstr(1, "abc", "x", false), 0);
    EXPECT_EQ(strkit::strrstr(1, sj("漢a漢aｶ").c_str(), sj("漢").c_str(), true), 3);
    EXPECT_EQ(strkit::strrstr(1, sj("漢a漢aｶ").c_str(), sj("漢").c_str(), false), 3);
    EXPECT_EQ(strkit::strrstr(3, sj("漢a漢aｶ").c_str(), sj("漢a").c_str(), true), 1);
    // The empty pattern stands at the character where the scan begins.
    EXPECT_EQ(strkit::strrstr(2, "abcd", "", true), 3);
    EXPECT_EQ(strkit::strrstr(2, "abcd", "", false), 2);
}

TEST(StrkitSearch, CountsOverlappingOccurrences) {
    EXPECT_EQ(strkit::strstrall(1, "aaaa", "aa"), 3);
    EXPECT_EQ(strkit::strstrall(2, "aaaa", "aa"), 2);
    EXPECT_EQ(strkit::strstrall(4, "aaaa", "aa"), 0);
    EXPECT_EQ(strkit::strstrall(5, "aaaa", "aa"), -1);
    EXPECT_EQ(strkit::strstrall(0, "abcabc", "bc"), 2);
    EXPECT_EQ(strkit::strstrall(1, "", ""), -1);
    EXPECT_EQ(strkit::strstrall(2, sj("aｶ漢").c_str(), ""), 2);
    EXPECT_EQ(strkit::strstrall(1, sj("ああああ").c_str(), sj("ああ").c_str()), 3);
    // 、 is 0x81 0x41: "A" occurs only as the character of its own.
    EXPECT_EQ(strkit::strstrall(1, sj("、A、").c_str(), "A"), 1);
}

TEST(StrkitReplace, FirstLastAndAll) {
    EXPECT_EQ(u8(strkit::strrep(1, "a-b-c", "-", "+")), "a+b-c");
    EXPECT_EQ(u8(strkit::strrrep(1, "a-b-c", "-", "+")), "a-b+c");
    EXPECT_EQ(u8(strkit::strrepall(1, "a-b-c", "-", "+")), "a+b+c");
    EXPECT_EQ(u8(strkit::strrepall(3, "a-b-c", "-", "+")), "a-b+c");
    EXPECT_EQ(u8(strkit::strrepall(1, "a-b-c", "-", "")), "abc");
    EXPECT_EQ(u8(strkit::strrep(3, "a-b-c", "-", "+")), "a-b+c");
    EXPECT_EQ(u8(strkit::strrrep(2, "a-b-c", "-", "+")), "a-b+c");
    EXPECT_EQ(u8(strkit::strrrep(3, "a-b-c", "-", "+")), "a+b-c");
    EXPECT_EQ(u8(strkit::strrep(0, "xyx", "x", "")), "yx");
}

TEST(StrkitReplace, InsertedTextIsNotSearchedAgain) {
    EXPECT_EQ(u8(strkit::strrepall(1, "aba", "a", "aa")), "aabaa");
    EXPECT_EQ(u8(strkit::strrepall(1, "aaaa", "aa", "a")), "aa");
    EXPECT_EQ(u8(strkit::strrepall(1, "abab", "ab", "b")), "bb");
}

TEST(StrkitReplace, MixedText) {
    EXPECT_EQ(u8(strkit::strrep(1, sj("アAア").c_str(), "A", sj("漢字").c_str())), "ア漢字ア");
    EXPECT_EQ(u8(strkit::strrrep(1, sj("表ｶ表ｶ").c_str(), sj("表").c_str(), "\\")), "表ｶ\\ｶ");
    EXPECT_EQ(u8(strkit::strrepall(2, sj("ｶ、ｶ、ｶ").c_str(), sj("ｶ").c_str(), sj("ア").c_str())), "ｶ、ア、ア");
    EXPECT_EQ(u8(strkit::strrepall(1, sj("表ソ").c_str(), "\\", "/")), "表ソ");
}

TEST(StrkitReplace, EmptyResultAndUnchangedCopy) {
    const char* empty = empty_result();
    EXPECT_EQ(strkit::strrep(1, "", "a", "b"), empty);
    EXPECT_EQ(strkit::strrep(1, "abc", "", "b"), empty);
    EXPECT_EQ(strkit::strrep(4, "abc", "c", "b"), empty);
    EXPECT_EQ(strkit::strrrep(1, "", "a", "b"), empty);
    EXPECT_EQ(strkit::strrrep(1, "abc", "", "b"), empty);
    EXPECT_EQ(strkit::strrrep(4, "abc", "a", "b"), empty);
    EXPECT_EQ(strkit::strrepall(1, "", "a", "b"), empty);
    EXPECT_EQ(strkit::strrepall(1, "abc", "", "b"), empty);
    EXPECT_EQ(strkit::strrepall(4, "abc", "c", "b"), empty);

    const char* copy = strkit::strrep(1, "abc", "x", "y");
    EXPECT_NE(copy, empty);
    EXPECT_EQ(u8(copy), "abc");
    EXPECT_EQ(u8(strkit::strrrep(1, "abc", "x", "y")), "abc");
    EXPECT_EQ(u8(strkit::strrepall(1, "abc", "x", "y")), "abc");
    // An occurrence before start is left alone.
    EXPECT_EQ(u8(strkit::strrep(2, "abc", "a", "y")), "abc");
    EXPECT_EQ(u8(strkit::strrrep(2, "abc", "c", "y")), "abc");
    // Replacing everything leaves an empty text of the slot's own.
    const char* gone = strkit::strrepall(1, "aa", "a", "");
    EXPECT_STREQ(gone, "");
    EXPECT_NE(gone, empty);
}

TEST(StrkitReplace, SeveralPairs) {
    EXPECT_EQ(u8(strkit::strrepallex(1, "abc", "a", "b", "b", "c", "", "", "c", "d", "", "")), "ccc");
    EXPECT_EQ(u8(strkit::strrepallex(1, "abc", "", "x", "a", "y", "", "", "", "", "", "")), "abc");
    EXPECT_EQ(u8(strkit::strrepallex(1, "abcde", "a", "1", "b", "2", "c", "3", "d", "4", "e", "5")), "12345");
    // Only the first pair honours start; later pairs scan the whole text.
    EXPECT_EQ(u8(strkit::strrepallex(2, "ba", "a", "x", "b", "y", "", "", "", "", "", "")), "yx");
    EXPECT_EQ(u8(strkit::strrepallex(2, "aa", "a", "b", "", "", "", "", "", "", "", "")), "ab");
    EXPECT_EQ(u8(strkit::strrepallex(1, sj("漢字ｶﾅ").c_str(), sj("漢").c_str(), "A", "A", sj("ア").c_str(), "", "", "",
                                     "", "", "")),
              "ア字ｶﾅ");
    // A pass may empty the text; the later ones then find nothing.
    EXPECT_STREQ(strkit::strrepallex(1, "aa", "a", "", "b", "c", "", "", "", "", "", ""), "");

    const char* empty = empty_result();
    EXPECT_EQ(strkit::strrepallex(1, "", "a", "b", "", "", "", "", "", "", "", ""), empty);
    EXPECT_EQ(strkit::strrepallex(4, "abc", "a", "b", "", "", "", "", "", "", "", ""), empty);
}

TEST(StrkitSplit, TokensAtDelimiterCharacters) {
    char** tokens = nullptr;
    int n = strkit::strtok(",,a,,b,", ",", tokens);
    EXPECT_EQ(n, 2);
    EXPECT_EQ(take_segments(n, tokens), (Strings{"a", "b"}));

    n = strkit::strtok(sj("、漢a、b;、ｶ").c_str(), sj(";、").c_str(), tokens);
    EXPECT_EQ(take_segments(n, tokens), (Strings{"漢a", "b", "ｶ"}));

    // The trail bytes of 表 and ア are no delimiters.
    n = strkit::strtok(sj("表\\アA能").c_str(), "\\A", tokens);
    EXPECT_EQ(take_segments(n, tokens), (Strings{"表", "ア", "能"}));

    n = strkit::strtok("abc", "", tokens);
    EXPECT_EQ(take_segments(n, tokens), (Strings{"abc"}));

    n = strkit::strtok("a b c d e f g h i j k l", " ", tokens);
    EXPECT_EQ(n, 12);
    EXPECT_EQ(std::string(tokens[0]), "12");
    EXPECT_EQ(u8(tokens[12]), "l");
    strkit::strfreearray(tokens);
}

TEST(StrkitSplit, NoTokens) {
    for (const char* text : {"", ",,,"}) {
        char** tokens = nullptr;
        EXPECT_EQ(strkit::strtok(text, ",", tokens), 0) << text;
        ASSERT_NE(tokens, nullptr);
        EXPECT_STREQ(tokens[0], "0");
        strkit::strfreearray(tokens);
    }
}

TEST(StrkitSplit, SegmentsAtSeparatorString) {
    char** segments = nullptr;
    int n = strkit::strspl("a--b----c", "--", segments);
    EXPECT_EQ(n, 3);
    EXPECT_EQ(take_segments(n, segments), (Strings{"a", "b", "c"}));

    n = strkit::strspl(",a,b", ",", segments);
    EXPECT_EQ(n, 2);
    EXPECT_EQ(take_segments(n, segments), (Strings{"a", "b"}));

    // Occurrences do not overlap: "---" holds one "--" and a lone "-".
    n = strkit::strspl("a---b", "--", segments);
    EXPECT_EQ(take_segments(n, segments), (Strings{"a", "-b"}));

    n = strkit::strspl(sj("漢、、字、ｶ、、").c_str(), sj("、、").c_str(), segments);
    EXPECT_EQ(take_segments(n, segments), (Strings{"漢", "字、ｶ"}));

    n = strkit::strspl(sj("表ソ").c_str(), "\\", segments);
    EXPECT_EQ(take_segments(n, segments), (Strings{"表ソ"}));

    n = strkit::strspl(",,", ",", segments);
    EXPECT_EQ(n, 0);
    EXPECT_EQ(take_segments(n, segments), Strings{});
}

TEST(StrkitSplit, WholeTextWhenSeparatorEmptyOrAbsent) {
    char** segments = nullptr;
    int n = strkit::strspl("a,b", "", segments);
    EXPECT_EQ(n, 1);
    EXPECT_EQ(take_segments(n, segments), (Strings{"a,b"}));

    n = strkit::strspl("a,b", ";", segments);
    EXPECT_EQ(take_segments(n, segments), (Strings{"a,b"}));

    n = strkit::strspl("", ",", segments);
    EXPECT_EQ(n, 1);
    EXPECT_EQ(take_segments(n, segments), (Strings{""}));

    n = strkit::strspl("", "", segments);
    EXPECT_EQ(take_segments(n, segments), (Strings{""}));
}

TEST(StrkitIterators, TokenByToken) {
    std::string text = sj(",漢字,,ｶﾅ;x,");
    EXPECT_EQ(next_token(text.c_str(), ",;"), "漢字");
    text = "overwritten";  // the iterator works on its own copy
    EXPECT_EQ(next_token(nullptr, ",;"), "ｶﾅ");
    EXPECT_EQ(next_token(nullptr, ",;"), "x");
    EXPECT_EQ(next_token(nullptr, ",;"), "<null>");
    EXPECT_EQ(next_token(nullptr, ",;"), "<null>");

    // The delimiter set may change between calls.
    EXPECT_EQ(next_token("a,b c,d", ","), "a");
    EXPECT_EQ(next_token(nullptr, " "), "b");
    EXPECT_EQ(next_token(nullptr, ","), "c");
    EXPECT_EQ(next_token(nullptr, ","), "d");

    // A new text starts over, abandoning the old one.
    EXPECT_EQ(next_token("p q r", " "), "p");
    EXPECT_EQ(next_token("s t", " "), "s");
    EXPECT_EQ(next_token(nullptr, " "), "t");
    EXPECT_EQ(next_token(nullptr, " "), "<null>");

    EXPECT_EQ(next_token(",,,", ","), "<null>");
    EXPECT_EQ(next_token("", ","), "<null>");
}

TEST(StrkitIterators, TokensBelongToTheCaller) {
    char* first = strkit::strtok2("one two", " ");
    char* second = strkit::strtok2(nullptr, " ");
    char* third = strkit::strtok2("three", " ");  // starting over touches neither
    EXPECT_STREQ(first, "one");
    EXPECT_STREQ(second, "two");
    strkit::strfree(first);
    strkit::strfree(second);
    strkit::strfree(third);
    strkit::strfree(nullptr);
}

TEST(StrkitIterators, NullDelimitersGiveNothing) {
    // Without a text the place is kept.
    EXPECT_EQ(next_token("a b c", " "), "a");
    EXPECT_EQ(strkit::strtok2(nullptr, nullptr), nullptr);
    EXPECT_EQ(next_token(nullptr, " "), "b");
    // A new text starts over all the same: the next call goes on in it.
    EXPECT_EQ(strkit::strtok2("x y", nullptr), nullptr);
    EXPECT_EQ(next_token(nullptr, " "), "x");
    EXPECT_EQ(next_token(nullptr, " "), "y");
    EXPECT_EQ(next_token(nullptr, " "), "<null>");
    EXPECT_EQ(next_token("p q", " "), "p");
    EXPECT_EQ(strkit::strtok2("", nullptr), nullptr);
    EXPECT_EQ(next_token(nullptr, " "), "<null>");
}

TEST(StrkitIterators, SegmentBySegment) {
    EXPECT_EQ(u8(strkit::strspl2("a,b", ",")), "a");
    EXPECT_EQ(u8(strkit::strspl2(nullptr, ",")), "b");
    EXPECT_EQ(u8(strkit::strspl2(nullptr, ",")), "b");
    EXPECT_EQ(u8(strkit::strspl2(nullptr, ",")), "b");

    EXPECT_EQ(u8(strkit::strspl2(",a", ",")), "");
    EXPECT_EQ(u8(strkit::strspl2(nullptr, ",")), "a");

    // A trailing separator leaves an empty last segment, returned for ever.
    EXPECT_EQ(u8(strkit::strspl2("a,", ",")), "a");
    EXPECT_EQ(u8(strkit::strspl2(nullptr, ",")), "");
    EXPECT_EQ(u8(strkit::strspl2(nullptr, ",")), "");

    std::string text = sj("漢、、字、ｶ、、ﾅ");
    EXPECT_EQ(u8(strkit::strspl2(text.c_str(), sj("、、").c_str())), "漢");
    text.clear();  // the iterator works on its own copy
    EXPECT_EQ(u8(strkit::strspl2(nullptr, sj("、、").c_str())), "字、ｶ");
    EXPECT_EQ(u8(strkit::strspl2(nullptr, sj("、、").c_str())), "ﾅ");
    EXPECT_EQ(u8(strkit::strspl2(nullptr, sj("、、").c_str())), "ﾅ");

    // The trail byte of ソ is no separator.
    EXPECT_EQ(u8(strkit::strspl2(sj("ソ\\x").c_str(), "\\")), "ソ");
    EXPECT_EQ(u8(strkit::strspl2(nullptr, "\\")), "x");

    // An empty separator never occurs: the whole rest every time.
    EXPECT_EQ(u8(strkit::strspl2("a,b", "")), "a,b");
    EXPECT_EQ(u8(strkit::strspl2(nullptr, "")), "a,b");

    // The separator may change between calls.
    EXPECT_EQ(u8(strkit::strspl2("a,b;c", ",")), "a");
    EXPECT_EQ(u8(strkit::strspl2(nullptr, ";")), "b");
    EXPECT_EQ(u8(strkit::strspl2(nullptr, ";")), "c");
}

TEST(StrkitCut, LeftAndRight) {
    EXPECT_EQ(u8(strkit::strleft("abcde", 2)), "bcde");
    EXPECT_EQ(u8(strkit::strleft("abcde", 5)), "e");
    EXPECT_EQ(u8(strkit::strleft("abcde", 1)), "abcde");
    EXPECT_EQ(u8(strkit::strleft("abcde", 0)), "abcde");
    EXPECT_EQ(u8(strkit::strright("abcde", 2)), "abcd");
    EXPECT_EQ(u8(strkit::strright("abcde", 5)), "a");
    EXPECT_EQ(u8(strkit::strright("abcde", 1)), "abcde");
    EXPECT_EQ(u8(strkit::strright("abcde", 0)), "abcde");

    EXPECT_EQ(u8(strkit::strleft(sj("漢ｶa字").c_str(), 2)), "ｶa字");
    EXPECT_EQ(u8(strkit::strleft(sj("漢ｶa字").c_str(), 4)), "字");
    EXPECT_EQ(u8(strkit::strright(sj("漢ｶa字").c_str(), 2)), "漢ｶa");
    EXPECT_EQ(u8(strkit::strright(sj("漢ｶa字").c_str(), 4)), "漢");

    const char* empty = empty_result();
    EXPECT_EQ(strkit::strleft("abcde", 6), empty);
    EXPECT_EQ(strkit::strleft("abcde", -1), empty);
    EXPECT_EQ(strkit::strleft("", 1), empty);
    EXPECT_EQ(strkit::strright("abcde", 6), empty);
    EXPECT_EQ(strkit::strright("abcde", -1), empty);
    EXPECT_EQ(strkit::strright(sj("漢字").c_str(), 3), empty);
}

TEST(StrkitCut, Middle) {
    EXPECT_EQ(u8(strkit::strmid("abcdef", 2, 3)), "bcd");
    EXPECT_EQ(u8(strkit::strmid("abc", 3, 5)), "c");
    EXPECT_EQ(u8(strkit::strmid("abc", 0, 2)), "ab");
    EXPECT_EQ(u8(strkit::strmid("abc", 1, INT_MAX)), "abc");
    EXPECT_EQ(u8(strkit::strmid(sj("漢ｶa字").c_str(), 2, 2)), "ｶa");
    EXPECT_EQ(u8(strkit::strmid(sj("漢ｶa字").c_str(), 4, 1)), "字");

    const char* empty = empty_result();
    EXPECT_EQ(strkit::strmid("abc", -1, 2), empty);
    EXPECT_EQ(strkit::strmid("abc", 4, 1), empty);
    EXPECT_EQ(strkit::strmid("abc", 1, 0), empty);
    EXPECT_EQ(strkit::strmid("abc", 1, -3), empty);
    EXPECT_EQ(strkit::strmid("", 0, 1), empty);
}

TEST(StrkitCut, BothEnds) {
    EXPECT_EQ(u8(strkit::strmidlr("abcdef", 2, 2)), "bcde");
    EXPECT_EQ(u8(strkit::strmidlr("abc", 2, 2)), "b");
    EXPECT_EQ(u8(strkit::strmidlr("abc", 0, 0)), "abc");
    EXPECT_EQ(u8(strkit::strmidlr("abc", 1, 3)), "a");
    EXPECT_EQ(u8(strkit::strmidlr(sj("漢ｶa字").c_str(), 2, 2)), "ｶa");
    EXPECT_EQ(u8(strkit::strmidlr(sj("漢ｶa字").c_str(), 3, 2)), "a");

    const char* empty = empty_result();
    EXPECT_EQ(strkit::strmidlr("abc", 2, 3), empty);
    EXPECT_EQ(strkit::strmidlr("abc", 4, 0), empty);
    EXPECT_EQ(strkit::strmidlr("abc", -1, 1), empty);
    EXPECT_EQ(strkit::strmidlr("abc", 1, -1), empty);
    EXPECT_EQ(strkit::strmidlr("", 0, 0), empty);
    EXPECT_EQ(strkit::strmidlr("abc", INT_MAX, INT_MAX), empty);
}

// strleft(k) followed by strmid(1, k - 1) rotates the text left by k - 1
// characters: the way the status bar scrolls.
TEST(StrkitCut, RotationKeepsCharactersWhole) {
    const char* samples[] = {"aｶ漢b表字ﾅ、A", "表ソ能", "abc"};
    for (const char* sample : samples) {
        std::string text = sj(sample);
        std::vector<std::string> chars;  // the text's characters as CP932
        for (std::size_t i = 0; i < text.size(); i += varuno::cp932::char_length(text, i))
            chars.push_back(text.substr(i, varuno::cp932::char_length(text, i)));
        int length = static_cast<int>(chars.size());
        for (int k = 1; k <= length; ++k) {
            std::string expected;
            for (int i = 0; i < length; ++i) expected += chars[(i + k - 1) % length];
            const char* left = strkit::strleft(text.c_str(), k);
            const char* mid = strkit::strmid(text.c_str(), 1, k - 1);
            EXPECT_EQ(u8((std::string(left) + mid).c_str()), u8(expected.c_str())) << sample << " k=" << k;
        }
    }
}

TEST(StrkitSlots, EachOperationKeepsItsOwnResult) {
    char* rep = strkit::strrep(1, "rep-", "-", "+");
    char* rrep = strkit::strrrep(1, "rrep-", "-", "+");
    char* repall = strkit::strrepall(1, "repall--", "-", "+");
    char* repallex = strkit::strrepallex(1, "repallex-", "-", "+", "", "", "", "", "", "", "", "");
    char* spl2 = strkit::strspl2("spl2,x", ",");
    char* left = strkit::strleft("xleft", 2);
    char* right = strkit::strright("rightx", 2);
    char* mid = strkit::strmid("xmidx", 2, 3);
    char* midlr = strkit::strmidlr("xmidlrx", 2, 2);
    // Calls of the other operations, including ones giving the empty
    // result, leave all these alone.
    strkit::strstr(1, "a", "a");
    char** array = nullptr;
    strkit::strfreearray((strkit::strtok("a b", " ", array), array));
    strkit::strfreearray((strkit::strspl("a,b", ",", array), array));
    strkit::strfree(strkit::strtok2("a b", " "));
    EXPECT_STREQ(rep, "rep+");
    EXPECT_STREQ(rrep, "rrep+");
    EXPECT_STREQ(repall, "repall++");
    EXPECT_STREQ(repallex, "repallex+");
    EXPECT_STREQ(spl2, "spl2");
    EXPECT_STREQ(left, "left");
    EXPECT_STREQ(right, "right");
    EXPECT_STREQ(mid, "mid");
    EXPECT_STREQ(midlr, "midlr");
}

TEST(StrkitSlots, NextCallOfTheSameOperationReplacesTheResult) {
    std::string status = sj("ｽﾃｰﾀｽ表示");
    char* left = strkit::strleft(status.c_str(), 3);
    char* mid = strkit::strmid(status.c_str(), 1, 2);
    EXPECT_EQ(u8(left), "ｰﾀｽ表示");
    EXPECT_EQ(u8(mid), "ｽﾃ");
    left = strkit::strleft(status.c_str(), 4);
    EXPECT_EQ(u8(mid), "ｽﾃ");
    EXPECT_EQ(u8(left), "ﾀｽ表示");
    // The previous result may be the argument of the call that replaces it
    // (the sanitizer build checks that it is read before it is released).
    left = strkit::strleft(left, 2);
    EXPECT_EQ(u8(left), "ｽ表示");
    char* rep = strkit::strrepall(1, "abab", "a", "xy");
    rep = strkit::strrepall(1, rep, "y", "");
    EXPECT_STREQ(rep, "xbxb");
    char* spl2 = strkit::strspl2("a;b", ";");
    EXPECT_STREQ(strkit::strspl2(spl2, ";"), "a");
}

TEST(StrkitSlots, OneSharedEmptyResult) {
    const char* empty = empty_result();
    ASSERT_NE(empty, nullptr);
    EXPECT_STREQ(empty, "");
    EXPECT_EQ(strkit::strright("a", 2), empty);
    EXPECT_EQ(strkit::strmid("a", 2, 1), empty);
    EXPECT_EQ(strkit::strmidlr("a", 2, 1), empty);
    EXPECT_EQ(strkit::strrep(1, "", "a", "b"), empty);
    // An empty outcome that is not listed as the empty result is a text of
    // the slot's own: the whole of the empty text is still a copy.
    const char* whole = strkit::strleft("", 0);
    EXPECT_STREQ(whole, "");
    EXPECT_NE(whole, empty);
    // After giving the empty result, the slot takes results again.
    EXPECT_EQ(strkit::strleft("a", 5), empty);
    EXPECT_STREQ(strkit::strleft("ab", 2), "b");
}

TEST(StrkitSort, InsertionSortBothWays) {
    std::vector<int> v{3, 1, 2, 1};
    strkit::splsort(v.data(), 4, false);
    EXPECT_EQ(v, (std::vector<int>{3, 2, 1, 1}));
    strkit::splsort(v.data(), 4, true);
    EXPECT_EQ(v, (std::vector<int>{1, 1, 2, 3}));

    std::vector<int> signs{5, INT_MIN, -1, INT_MAX, 0};
    strkit::splsort(signs.data(), 5, true);
    EXPECT_EQ(signs, (std::vector<int>{INT_MIN, -1, 0, 5, INT_MAX}));

    // Only the first count values take part.
    std::vector<int> part{3, 2, 1, 0};
    strkit::splsort(part.data(), 3, true);
    EXPECT_EQ(part, (std::vector<int>{1, 2, 3, 0}));
    strkit::splsort(part.data(), 0, false);
    strkit::splsort(part.data(), -2, false);
    strkit::splsort(nullptr, 0, true);
    EXPECT_EQ(part, (std::vector<int>{1, 2, 3, 0}));
}

// Bytes that are not valid CP932 are characters of their own and come out
// unchanged.
TEST(StrkitInvalidText, PassesThroughUnchanged) {
    const char lone_lead_last[] = "ab\x81";
    EXPECT_EQ(strkit::strstrall(1, lone_lead_last, ""), 3);
    EXPECT_STREQ(strkit::strleft(lone_lead_last, 3), "\x81");
    EXPECT_STREQ(strkit::strright(lone_lead_last, 2), "ab");

    // 0x81 before a byte that cannot trail: two characters.
    const char lone_lead[] = "\x81 x\xFD\xA0\x80";
    EXPECT_EQ(strkit::strstrall(1, lone_lead, ""), 6);
    EXPECT_EQ(strkit::strstr(1, lone_lead, " "), 2);
    EXPECT_STREQ(strkit::strmid(lone_lead, 1, 1), "\x81");
    EXPECT_STREQ(strkit::strmid(lone_lead, 4, 3), "\xFD\xA0\x80");
    EXPECT_STREQ(strkit::strrepall(1, lone_lead, "x", "yz"), "\x81 yz\xFD\xA0\x80");

    // 0x85 0x40 is a lead/trail pair that the code page leaves undefined:
    // one character, and its trail '@' is not found on its own.
    const char undefined_pair[] = "\x85@@";
    EXPECT_EQ(strkit::strstr(1, undefined_pair, "@"), 2);
    EXPECT_EQ(strkit::strstrall(1, undefined_pair, "@"), 1);
    EXPECT_STREQ(strkit::strleft(undefined_pair, 0), undefined_pair);
    EXPECT_STREQ(strkit::strright(undefined_pair, 2), "\x85@");

    char** segments = nullptr;
    int n = strkit::strspl("\x85@,\x81", ",", segments);
    ASSERT_EQ(n, 2);
    EXPECT_STREQ(segments[1], "\x85@");
    EXPECT_STREQ(segments[2], "\x81");
    strkit::strfreearray(segments);
}

TEST(StrkitInvalidText, NullTextReadsAsEmpty) {
    EXPECT_EQ(strkit::strstr(1, nullptr, "a"), -1);
    EXPECT_STREQ(strkit::strleft(nullptr, 0), "");
    char** tokens = nullptr;
    EXPECT_EQ(strkit::strtok(nullptr, ",", tokens), 0);
    strkit::strfreearray(tokens);
    strkit::strfreearray(nullptr);
}

}  // namespace
