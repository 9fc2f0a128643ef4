// The ini routines, run against the platform's implementation: our own
// reader/writer natively, the private-profile API on Windows (under Wine).
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/cp932.h"
#include "platform/ini.h"
#include "tests/unit/own_ini_file.h"

#if defined(_WIN32)
#include <windows.h>
#else
#include <sys/wait.h>

#include <cstdlib>
#endif

namespace varuno {
namespace {

std::string cp(const char* utf8) { return cp932::from_utf8(utf8); }

bool has_line(std::string_view file, std::string_view line) {
    for (const auto& l : file_lines(file))
        if (l == line) return true;
    return false;
}

class Ini : public OwnIniFile {
protected:
    Ini()
        : OwnIniFile("ini_test_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) +
                     ".ini") {}
};

TEST_F(Ini, MissingFileSectionOrKeyReadsAsZero) {
    EXPECT_EQ(ini_read_text("MAIN", "x", file), "0");
    EXPECT_EQ(ini_read_int("MAIN", "x", file), 0);
    ini_write_int("MAIN", "y", 5, file);
    EXPECT_EQ(ini_read_text("MAIN", "x", file), "0");
    EXPECT_EQ(ini_read_text("OTHER", "y", file), "0");
    EXPECT_EQ(ini_read_int_at("MAIN", 7, file), 0);
}

TEST_F(Ini, IntegersAreReadFromTheLeadingDigits) {
    ini_write_text("MAIN", "a", "12abc", file);
    ini_write_text("MAIN", "b", "abc", file);
    ini_write_text("MAIN", "c", "-40", file);
    ini_write_text("MAIN", "d", "", file);
    EXPECT_EQ(ini_read_int("MAIN", "a", file), 12);
    EXPECT_EQ(ini_read_int("MAIN", "b", file), 0);
    EXPECT_EQ(ini_read_int("MAIN", "c", file), -40);
    EXPECT_EQ(ini_read_text("MAIN", "d", file), "");  // present but empty: not the missing "0"
    EXPECT_EQ(leading_int("99999999999"), 2147483647);
    EXPECT_EQ(leading_int("-99999999999"), -2147483647 - 1);
    EXPECT_EQ(leading_int("+7"), 7);
}

TEST_F(Ini, IntegerKeysAreTheirDecimalText) {
    ASSERT_TRUE(ini_write_int_at("COU", 3, 17, file));
    EXPECT_TRUE(has_line(file, "[COU]"));
    EXPECT_TRUE(has_line(file, "3=17"));
    EXPECT_EQ(ini_read_int("COU", "3", file), 17);
    EXPECT_EQ(ini_read_text_at("COU", 3, file), "17");
    ini_write_text_at("COU", 20300, cp("寸法"), file);
    EXPECT_EQ(ini_read_text("COU", "20300", file), cp("寸法"));
}

TEST_F(Ini, OverwritingKeepsOneLinePerKeyAndOtherKeys) {
    ini_write_int("MAIN", "x", 1, file);
    ini_write_int("MAIN", "y", 2, file);
    ini_write_int("INI", "MainExist", 1, file);
    ini_write_int("MAIN", "x", -3, file);
    EXPECT_EQ(ini_read_int("MAIN", "x", file), -3);
    EXPECT_EQ(ini_read_int("MAIN", "y", file), 2);
    EXPECT_EQ(ini_read_int("INI", "MainExist", file), 1);
    int x_lines = 0;
    for (const auto& l : file_lines(file)) x_lines += l.rfind("x=", 0) == 0;
    EXPECT_EQ(x_lines, 1);
}

TEST_F(Ini, NamesCompareWithoutAsciiCase) {
    ini_write_int("MAIN", "MainExist", 1, file);
    EXPECT_EQ(ini_read_int("main", "mainexist", file), 1);
    ini_write_int("Main", "MAINEXIST", 2, file);
    EXPECT_EQ(ini_read_int("MAIN", "MainExist", file), 2);
    // ア (0x83 0x41) and ャ (0x83 0x61) differ only in a trail byte that
    // looks like a letter: they stay different keys.
    ini_write_int("FIND", cp("ア"), 1, file);
    ini_write_int("FIND", cp("ャ"), 2, file);
    EXPECT_EQ(ini_read_int("FIND", cp("ア"), file), 1);
    EXPECT_EQ(ini_read_int("FIND", cp("ャ"), file), 2);
}

// Names are trimmed in the file and when asked for, so a name written with
// outer blanks is the same name as without them.
TEST_F(Ini, NamesWithOuterBlanksAreTheTrimmedNames) {
    ASSERT_TRUE(ini_write_int(" MAIN\t", " y ", 5, file));
    EXPECT_EQ(ini_read_int("MAIN", "y", file), 5);
    EXPECT_EQ(ini_read_int(" MAIN\t", " y ", file), 5);
    ASSERT_TRUE(ini_write_int("MAIN", "y", 6, file));
    EXPECT_EQ(ini_read_int(" MAIN\t", " y ", file), 6);
    int y_lines = 0;
    for (const auto& l : file_lines(file)) y_lines += l.find('y') != std::string::npos;
    EXPECT_EQ(y_lines, 1);
}

TEST_F(Ini, JapaneseTextRoundTrips) {
    const std::string value = cp("ﾟR[Rankine] ～ 寸法・Å・①");
    ASSERT_TRUE(ini_write_text(cp("検索"), cp("履歴"), value, file));
    EXPECT_EQ(ini_read_text(cp("検索"), cp("履歴"), file), value);
}

TEST_F(Ini, DeletingAKeyOrAWholeSection) {
    ini_write_int("FIND", "1", 1, file);
    ini_write_int("FIND", "2", 2, file);
    ini_write_int("MAIN", "x", 3, file);
    ASSERT_TRUE(ini_delete(false, "FIND", "1", file));
    EXPECT_EQ(ini_read_text("FIND", "1", file), "0");
    EXPECT_EQ(ini_read_int("FIND", "2", file), 2);
    ASSERT_TRUE(ini_delete_at(true, "FIND", 0, file));
    EXPECT_EQ(ini_read_text("FIND", "2", file), "0");
    EXPECT_FALSE(has_line(file, "[FIND]"));
    EXPECT_EQ(ini_read_int("MAIN", "x", file), 3);
    // Removing what is not there changes nothing and creates no file.
    EXPECT_TRUE(ini_delete(true, "NONE", "", "ini_test_never_written.ini"));
    EXPECT_FALSE(std::filesystem::exists(path_beside_program("ini_test_never_written.ini")));
}

TEST_F(Ini, ReadsAreCutAt1023Bytes) {
    ini_write_text("FIND", "long", std::string(2000, 'a'), file);
    EXPECT_EQ(ini_read_text("FIND", "long", file), std::string(1023, 'a'));
    // Never half of a double-byte character: 'a' then 600 times 漢.
    std::string mixed = "a";
    for (int i = 0; i < 600; ++i) mixed += cp("漢");
    ini_write_text("FIND", "mixed", mixed, file);
    const std::string read = ini_read_text("FIND", "mixed", file);
    EXPECT_EQ(read.size(), 1023u);
    EXPECT_EQ(cp932::char_count(read), 512u);
}

TEST_F(Ini, ValuesAreTrimmedAndUnquotedOnRead) {
    {
        std::ofstream out(path_beside_program(file), std::ios::binary);
        out << "[MAIN]\r\n  x =  12  \r\ny=\"quoted text\"\r\n[main]\r\nx=99\r\n";
    }
    EXPECT_EQ(ini_read_int("MAIN", "x", file), 12);  // the first section of that name wins
    EXPECT_EQ(ini_read_text("MAIN", "y", file), "quoted text");
}

TEST_F(Ini, ValuesWithOuterSpacesOrQuotesComeBackExactly) {
    for (const std::string value : {" m ", "\tx", "km ", "\"quoted\"", "'single'", "\"", "a\"b\""}) {
        ASSERT_TRUE(ini_write_text("FIND", "1000", value, file));
        EXPECT_EQ(ini_read_text("FIND", "1000", file), value) << value;
    }
    ini_write_text("FIND", "1001", "plain", file);
    EXPECT_TRUE(has_line(file, "1001=plain"));  // ordinary values are written as they are
}

// A value is one line of the file: CR, LF and NUL each become a space, so
// that no value can end its line and start a section or a key of its own.
TEST_F(Ini, LineBreaksAndNulInValuesBecomeSpaces) {
    ASSERT_TRUE(ini_write_text("FIND", "1", "abc\r\n[MAIN]\r\nx=555", file));
    EXPECT_EQ(ini_read_text("FIND", "1", file), "abc  [MAIN]  x=555");
    EXPECT_EQ(ini_read_text("MAIN", "x", file), "0");
    EXPECT_FALSE(has_line(file, "[MAIN]"));
    ASSERT_TRUE(ini_write_text("FIND", "2", std::string("a\0b\nc\rd", 7), file));
    EXPECT_EQ(ini_read_text("FIND", "2", file), "a b c d");
    // A break at the end becomes a trailing blank, which the value keeps.
    ASSERT_TRUE(ini_write_text("FIND", "3", "km\r\n", file));
    EXPECT_EQ(ini_read_text("FIND", "3", file), "km  ");
    std::vector<std::string> lines;
    for (const auto& l : file_lines(file))
        if (!l.empty()) lines.push_back(l);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], "[FIND]");
}

// Names are refused, and the file is left as it was, when they would end
// their line, end a section name early (']'), end a key early ('=') or make
// a key line read as a section line (a leading '[').
TEST_F(Ini, NamesThatWouldBreakTheFileAreRefused) {
    ASSERT_TRUE(ini_write_int("MAIN", "x", 1, file));
    const std::vector<std::string> before = file_lines(file);
    // A lead byte without its trail byte at the end of a section name would
    // take the closing ']' as its trail byte.
    for (const std::string& section :
         std::vector<std::string>{"A]B", "A\rB", "A\nB", "[MAIN]\r\n[X", std::string("A\0B", 3), "A\x83", "A\x83 "}) {
        EXPECT_FALSE(ini_write_int(section, "k", 2, file)) << section;
        EXPECT_FALSE(ini_delete(true, section, "", file)) << section;
    }
    for (const std::string& key :
         std::vector<std::string>{"a=b", "[k", " \t[k", "a\r\nb", "a\nb", "a\rb", std::string("a\0b", 3)}) {
        EXPECT_FALSE(ini_write_int("MAIN", key, 2, file)) << key;
        EXPECT_FALSE(ini_delete(false, "MAIN", key, file)) << key;
    }
    EXPECT_EQ(file_lines(file), before);
    // Brackets inside a key, '=' in a section name and double-byte characters
    // whose trail bytes are ']' or '[' (ゾーン: 83 5D 81 5B 83 93) are names.
    ASSERT_TRUE(ini_write_int("A=B", "k]", 3, file));
    ASSERT_TRUE(ini_write_int("A\x83\x81", "k", 5, file));  // Aメ: 0x81 is the trail byte of メ
    EXPECT_EQ(ini_read_int("A\x83\x81", "k", file), 5);
    ASSERT_TRUE(ini_write_int(cp("ゾーン"), cp("a[ゾ]"), 4, file));
    EXPECT_EQ(ini_read_int("A=B", "k]", file), 3);
    EXPECT_EQ(ini_read_int(cp("ゾーン"), cp("a[ゾ]"), file), 4);
    EXPECT_EQ(ini_read_int("MAIN", "x", file), 1);
}

TEST_F(Ini, OptionalReadsTellAMissingKeyFromAZero) {
    EXPECT_EQ(ini_read_optional("MAIN", "x", file), std::nullopt);  // no file
    ini_write_text("MAIN", "x", "0", file);
    ini_write_text("MAIN", "e", "", file);
    // Control characters are values like others, whatever a backend uses to
    // tell a missing key.
    ini_write_text("MAIN", "c1", "\x01", file);
    ini_write_text("MAIN", "c2", "\x02", file);
    EXPECT_EQ(ini_read_optional("MAIN", "x", file), "0");
    EXPECT_EQ(ini_read_optional("MAIN", "e", file), "");
    EXPECT_EQ(ini_read_optional("MAIN", "c1", file), "\x01");
    EXPECT_EQ(ini_read_optional("MAIN", "c2", file), "\x02");
    EXPECT_EQ(ini_read_optional("main", "X", file), "0");
    EXPECT_EQ(ini_read_optional("MAIN", "y", file), std::nullopt);
    EXPECT_EQ(ini_read_optional("OTHER", "x", file), std::nullopt);
}

TEST_F(Ini, SeveralKeysReadTogether) {
    {
        std::ofstream out(path_beside_program(file), std::ios::binary);
        out << "[uk]\r\n0=5\r\n1= 7 \r\nA=first\r\na=second\r\n[bf]\r\n2=9\r\n";
    }
    const std::vector<std::optional<std::string>> expected{"5", "7", std::nullopt, "first", "first", "5"};
    EXPECT_EQ(ini_read_keys("uk", {"0", "1", "2", "a", "A", " 0 "}, file), expected);
    EXPECT_EQ(ini_read_keys("none", {"0", "1"}, file),
              (std::vector<std::optional<std::string>>{std::nullopt, std::nullopt}));
    EXPECT_TRUE(ini_read_keys("uk", {}, file).empty());
    EXPECT_EQ(ini_read_keys("bf", {"2"}, file).front(), ini_read_optional("bf", "2", file));
}

TEST_F(Ini, SeveralChangesInOneWrite) {
    ini_write_int("A", "x", 1, file);
    ini_write_int("A", "w", 2, file);
    ini_write_int("B", "y", 3, file);
    ini_write_int("C", "z", 4, file);
    ASSERT_TRUE(ini_write_changes({{"A", "x", "10"},
                                   {"A", "q", " q "},
                                   {"A", "w", std::nullopt},
                                   {"C", std::nullopt, std::nullopt},
                                   {"N", "k", "a\nb"},
                                   {"N", "k", "v"}},
                                  file));
    EXPECT_EQ(ini_read_text("A", "x", file), "10");
    EXPECT_EQ(ini_read_text("A", "q", file), " q ");
    EXPECT_EQ(ini_read_optional("A", "w", file), std::nullopt);
    EXPECT_EQ(ini_read_text("B", "y", file), "3");
    EXPECT_EQ(ini_read_optional("C", "z", file), std::nullopt);
    EXPECT_FALSE(has_line(file, "[C]"));
    EXPECT_EQ(ini_read_text("N", "k", file), "v");  // later changes see the earlier ones

    // One refused name refuses the whole write.
    const std::vector<std::string> before = file_lines(file);
    EXPECT_FALSE(ini_write_changes({{"A", "x", "11"}, {"A", "bad=key", "1"}}, file));
    EXPECT_FALSE(ini_write_changes({{"A", "x", "11"}, {"bad]", std::nullopt, std::nullopt}}, file));
    EXPECT_EQ(file_lines(file), before);
    // Removals only, of a file that is not there: no file appears.
    EXPECT_TRUE(
        ini_write_changes({{"A", "x", std::nullopt}, {"B", std::nullopt, std::nullopt}}, "ini_test_never_written.ini"));
    EXPECT_FALSE(std::filesystem::exists(path_beside_program("ini_test_never_written.ini")));
}

TEST_F(Ini, WritesLeaveNoTemporaryFileAndFailuresAreReported) {
    ini_write_int("MAIN", "x", 1, file);
    for (const auto& entry : std::filesystem::directory_iterator(path_beside_program(file).parent_path()))
        EXPECT_EQ(entry.path().filename().string().find(".tmp~"), std::string::npos) << entry.path();
    // A folder that does not exist cannot be written: false, and no crash.
    EXPECT_FALSE(ini_write_int("MAIN", "x", 1, "no_such_folder/x.ini"));
    EXPECT_EQ(ini_read_text("MAIN", "x", "no_such_folder/x.ini"), "0");
}

// A program started from a folder whose path has double-byte characters and
// a space finds and writes its files beside itself.
TEST(IniPaths, ProgramInADoubleByteFolder) {
    namespace fs = std::filesystem;
#if defined(_WIN32)
    const char* probe_name = "ini_probe.exe";
#else
    const char* probe_name = "ini_probe";
#endif
    const fs::path folder = path_beside_program(cp("テスト 用フォルダ"));
    std::error_code ec;
    fs::remove_all(folder, ec);
    fs::create_directories(folder);
    const fs::path probe = folder / probe_name;
    fs::copy_file(path_beside_program(probe_name), probe);
#if defined(_WIN32)
    std::wstring command = L"\"" + probe.wstring() + L"\"";
    STARTUPINFOW si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    ASSERT_TRUE(CreateProcessW(probe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi));
    WaitForSingleObject(pi.hProcess, 30000);
    DWORD code = 99;
    GetExitCodeProcess(pi.hProcess, &code);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    EXPECT_EQ(code, 0u);
#else
    const int status = std::system(("'" + probe.string() + "'").c_str());
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
#endif
    EXPECT_TRUE(fs::exists(folder / "probe.ini"));
    EXPECT_FALSE(fs::exists(path_beside_program("probe.ini")));
    fs::remove_all(folder, ec);
}

}  // namespace
}  // namespace varuno
