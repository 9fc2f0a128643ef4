// varuno with ini files that were damaged, cut short, edited by hand, saved
// in another encoding or made read-only: the program starts, stays
// responsive through a walk over every window, converts, and leaves the
// files it does not change as they were. A file it cannot write is reported
// once, with one message box.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <future>
#include <iterator>
#include <string>

#include "resources/resource.h"
#include "resources/window_contract.h"
#include "tests/e2e/win_driver.h"

namespace varuno::e2e {
namespace {

std::string read_bytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void write_bytes(const std::filesystem::path& file, const std::string& bytes) {
    std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;
}

std::string repeat_lines(const std::string& section, int count, const std::string& value) {
    std::string text = "[" + section + "]\r\nfirst=1\r\nCMB_C=" + std::to_string(count) + "\r\n";
    for (int i = 0; i < count; ++i) text += std::to_string(1000 + i) + "=" + value + std::to_string(i) + "\r\n";
    return text;
}

// The three files of one case; an empty text leaves that file away.
struct Damage {
    const char* name;
    std::string main_ini;        // window position and search state
    std::string settings_ini;    // the settings
    std::string favourites_ini;  // the favourites
};

std::vector<Damage> damages() {
    const std::string binary("\x00\xff\xfe\x81\x40[\x00]\r=\n\x1a\x00", 13);
    std::string megabyte_value = "[FV]\r\nc=1\r\nuk\r\n0=0\r\nbf\r\n0=" + std::string(1 << 20, '7') + "\r\n";
    return {
        {"huge and odd numbers",
         "[INI]\r\nMainExist=1\r\n[MAIN]\r\nx=99999999999999999999\r\ny=-2147483649\r\n" +
             repeat_lines("FIND", 10000, "mm"),
         "[INI]\r\nSetExist=1\r\n[0_0:RDO]\r\n1=-5\r\n[2_1:EDT]\r\n20300=abc\r\n[3_0:CHE]\r\n1107=4294967296\r\n",
         "[FV]\r\nc=2147483647\r\n[uk]\r\n0=0\r\n1=999999\r\n[bf]\r\n0=-1\r\n1=3\r\n[af]\r\n0=100000\r\n[COU]\r\n0=-"
         "7\r\n"},
        {"missing, duplicated and out of order",
         "[MAIN]\r\nx=10\r\n[MAIN]\r\nx=20\r\n[FIND]\r\nCMB_C=50\r\nfirst=1\r\n",
         "[2_0:RDO]\r\n1=1\r\n[0_1:RDO]\r\n1=1\r\n1=0\r\n[INI]\r\nSetExist=1\r\n",
         "[FV]\r\nc=5\r\n[uk]\r\n0=0\r\n1=0\r\n3=0\r\n[bf]\r\n0=1\r\n1=2\r\n3=4\r\n[af]\r\n0=2\r\n1=1\r\n3=5\r\n"},
        {"binary bytes", binary, binary, binary},
        {"one megabyte value and cut short", "[MAIN]\r\nx=1", "[INI]\r\nSetExist=1\r\n[2_1:EDT", megabyte_value},
        {"empty files", std::string(), std::string(), std::string()},
        {"UTF-8 with and without a byte-order mark",
         "\xef\xbb\xbf[INI]\r\nMainExist=1\r\n[MAIN]\r\nx=5\r\ny=5\r\n[FIND]\r\nfirst=1\r\nCMB_C=1\r\n1000="
         "\xe3\x83\xa1\xe3\x83\xbc\xe3\x83\x88\xe3\x83\xab\r\n",
         "[INI]\r\nSetExist=1\r\n[2_1:EDT]\r\n20300=\xe3\x80\x80\r\n",
         "\xef\xbb\xbf[FV]\r\nc=1\r\n[uk]\r\n0=0\r\n[bf]\r\n0=1\r\n[af]\r\n0=2\r\n"},
        {"UTF-16 with a byte-order mark", std::string("\xff\xfe[\0M\0A\0I\0N\0]\0\r\0\n\0x\0=\0\x31\0\r\0\n\0", 28),
         std::string("\xff\xfe[\0I\0", 6), std::string("\xff\xfe[\0F\0V\0]\0\r\0\n\0c\0=\0\x39\0", 20)},
    };
}

// The program answers within a second, as a person would notice it not doing.
bool responsive(const Varuno& app) {
    DWORD_PTR result = 0;
    return SendMessageTimeoutW(app.main(), WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 1000, &result) != 0;
}

// Closes a dialog that opened (null: none did) with its button `close`.
bool closes(HWND dialog, int close) {
    if (dialog == nullptr) return false;
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(close, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, close)));
    return wait_for([&] { return !IsWindow(dialog); });
}

// Opens a dialog with a posted command, waits for it and closes it with `close`.
bool open_and_close(const Varuno& app, int command, const char* caption, int close) {
    PostMessageW(app.main(), WM_COMMAND, MAKEWPARAM(command, 0), 0);
    HWND dialog = wait_dialog(app.process_id(), utf16(caption));
    if (dialog) WaitForInputIdle(app.process(), 5000);
    return closes(dialog, close);
}

// Every window once: a kind, a conversion, the favourites panel, the unit
// search, the settings and the about box, each step answered at once.
void walk(Varuno& app) {
    ASSERT_TRUE(responsive(app));
    ASSERT_TRUE(app.choose_kind(0));
    ASSERT_TRUE(responsive(app));
    app.select(IDC_LIST_A_BEFORE, 0);
    app.select(IDC_LIST_A_AFTER, 1);
    app.set_text(IDC_INPUT_A, L"12");
    app.command(IDC_CONVERT_A);
    ASSERT_TRUE(app.processed());
    EXPECT_FALSE(app.text(IDC_OUTPUT_A).empty());
    ASSERT_TRUE(closes(open_favourites(app), IDC_FAV_CANCEL));
    ASSERT_TRUE(responsive(app));
    ASSERT_TRUE(open_and_close(app, IDM_SEARCH, "QXtool-Varuno　　単位検索フォーム", IDC_SEARCH_CLOSE));
    ASSERT_TRUE(responsive(app));
    ASSERT_TRUE(closes(open_settings(app), IDC_SET_CANCEL));
    ASSERT_TRUE(responsive(app));
    ASSERT_TRUE(open_and_close(app, IDM_ABOUT, "バージョン情報", IDOK));
    ASSERT_TRUE(responsive(app));
}

class DamagedFiles : public ::testing::TestWithParam<Damage> {};

TEST_P(DamagedFiles, TheProgramStartsAndEveryWindowWorks) {
    const Damage& damage = GetParam();
    fresh_ini_files();
    const std::filesystem::path main_ini = beside_test(utf16(contract::kMainIniFile));
    const std::filesystem::path settings_ini = beside_test(settings_file_name());
    const std::filesystem::path favourites_ini = beside_test(L"varuno_fv.ini");
    write_bytes(main_ini, damage.main_ini);
    write_bytes(settings_ini, damage.settings_ini);
    write_bytes(favourites_ini, damage.favourites_ini);
    Varuno app;
    ASSERT_TRUE(app.start()) << damage.name;
    EXPECT_EQ(find_dialog(app.process_id(), utf16("Varuno：保存エラー")), nullptr) << damage.name;
    walk(app);
    ASSERT_TRUE(app.exit_with_ok()) << damage.name;
    // Only the window's position was written; favourites were not touched.
    EXPECT_EQ(read_bytes(favourites_ini), damage.favourites_ini) << damage.name;
    EXPECT_EQ(GetPrivateProfileIntW(L"INI", L"MainExist", 0, main_ini.c_str()), 1u) << damage.name;
    // The window was inside the screen, whatever position the file claimed.
    EXPECT_LT(GetPrivateProfileIntW(L"MAIN", L"x", 99999, main_ini.c_str()), 1280u) << damage.name;
}

INSTANTIATE_TEST_SUITE_P(Cases, DamagedFiles, ::testing::ValuesIn(damages()),
                         [](const ::testing::TestParamInfo<Damage>& info) {
                             return "Case" + std::to_string(info.index);
                         });

// Read-only files (a zip opened in place): one box says so, with the file,
// and the program works on; the files stay as they were.
TEST(ReadOnlyFiles, OneBoxSaysSoAndTheProgramWorksOn) {
    fresh_ini_files();
    const std::filesystem::path settings_ini = beside_test(settings_file_name());
    const std::filesystem::path main_ini = beside_test(utf16(contract::kMainIniFile));
    const std::string settings_text = "[0_0:RDO]\r\n1=1\r\n";  // the first start: no SetExist yet
    write_bytes(settings_ini, settings_text);
    write_bytes(main_ini, std::string());
    for (const auto& file : {settings_ini, main_ini})
        ASSERT_TRUE(SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_READONLY));
    Varuno app;
    // The box comes before the window: the start waits for the window meanwhile.
    auto started = std::async(std::launch::async, [&] { return app.start(); });
    const std::wstring caption = utf16("Varuno：保存エラー");
    HWND box = nullptr;
    ASSERT_TRUE(wait_for([&] { return (box = FindWindowW(L"#32770", caption.c_str())) != nullptr; }));
    EXPECT_NE(message_text(box).find(settings_file_name()), std::wstring::npos) << message_text(box);
    click(box, IDOK);
    ASSERT_TRUE(started.get());
    walk(app);
    // The exit cannot store the position either; no second box comes.
    PostMessageW(app.main(), WM_CLOSE, 0, 0);
    HWND confirm = wait_dialog(app.process_id(), utf16("Varuno：終了確認"));
    ASSERT_NE(confirm, nullptr);
    click(confirm, IDOK);
    EXPECT_EQ(app.wait_exit(), 0u);
    EXPECT_EQ(read_bytes(settings_ini), settings_text);
    EXPECT_EQ(read_bytes(main_ini), std::string());
    for (const auto& file : {settings_ini, main_ini}) SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_NORMAL);
}

}  // namespace
}  // namespace varuno::e2e
