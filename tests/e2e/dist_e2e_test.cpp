// The zip as a user gets it: unpacked into a folder whose path has spaces and
// double-byte characters (scripts/dist-test.sh does that and names the folder
// in VARUNO_DIST_DIR), started, used for one conversion and closed.
#include <windows.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "tests/e2e/win_driver.h"

namespace varuno::e2e {
namespace {

namespace fs = std::filesystem;

const std::wstring kIniFiles[] = {L"varuno.ini", settings_file_name(), L"varuno_fv.ini"};

TEST(Distribution, RunsFromADoubleByteFolderAndKeepsItsFilesBesideItself) {
    const wchar_t* dir = _wgetenv(L"VARUNO_DIST_DIR");
    ASSERT_NE(dir, nullptr) << "VARUNO_DIST_DIR names the unpacked folder";
    const fs::path folder(dir);
    ASSERT_TRUE(fs::exists(folder / L"varuno.exe"));
    for (const std::wstring& name : kIniFiles) ASSERT_FALSE(fs::exists(folder / name)) << "no ini file is shipped";
    // The guide is done: it must not start with the program here.
    WritePrivateProfileStringW(L"type1", L"exp", L"1", (folder / L"corvid_varuno.ini").c_str());
    WritePrivateProfileStringW(nullptr, nullptr, nullptr, (folder / L"corvid_varuno.ini").c_str());

    std::vector<std::pair<std::wstring, fs::file_time_type>> beside_tests_before;
    for (const std::wstring& name : kIniFiles)
        beside_tests_before.emplace_back(name, fs::exists(beside_test(name)) ? fs::last_write_time(beside_test(name))
                                                                             : fs::file_time_type{});

    Varuno app;
    ASSERT_TRUE(app.start(folder));
    ASSERT_TRUE(app.choose_kind(0));
    app.select(4000, 4);  // mm
    app.select(4001, 7);  // m
    app.set_text(4004, L"12");
    EXPECT_EQ(app.text(4005), L"1.2e-002");
    EXPECT_EQ(app.text(1014), utf16("12 mm = 1.2×10^-2 m"));
    ASSERT_TRUE(app.exit_with_ok());

    EXPECT_TRUE(fs::exists(folder / L"varuno.ini"));
    EXPECT_TRUE(fs::exists(folder / settings_file_name()));
    // Nowhere else: not in the working folder the program ran in, not in the
    // Windows folder, and nothing new beside the test programs.
    wchar_t windows[MAX_PATH] = {};
    GetWindowsDirectoryW(windows, MAX_PATH);
    for (const fs::path& elsewhere : {fs::current_path(), fs::path(windows)})
        for (const std::wstring& name : kIniFiles)
            EXPECT_FALSE(fs::exists(elsewhere / name)) << (elsewhere / name).string();
    for (const auto& [name, before] : beside_tests_before)
        EXPECT_EQ(fs::exists(beside_test(name)) ? fs::last_write_time(beside_test(name)) : fs::file_time_type{},
                  before);
}

}  // namespace
}  // namespace varuno::e2e
