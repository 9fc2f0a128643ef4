// Runs the real varunoc program beside this test as a user's shell would:
// UTF-8 arguments, exit codes, standard output and standard error.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/cp932.h"
#include "platform/ini.h"

#if defined(_WIN32)
#include <windows.h>
#else
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace varuno {
namespace {

struct Result {
    int code = -1;
    std::string out, err;  // UTF-8
    std::vector<std::string> lines() const {
        std::vector<std::string> v;
        std::size_t start = 0, end;
        while ((end = out.find('\n', start)) != std::string::npos) {
            std::string line = out.substr(start, end - start);
            if (!line.empty() && line.back() == '\r') line.pop_back();
            v.push_back(line);
            start = end + 1;
        }
        return v;
    }
};

std::string slurp(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// Runs varunoc with UTF-8 arguments; output goes through files.
Result varunoc(const std::vector<std::string>& args) {
    const auto out_file = path_beside_program("varunoc_test.out");
    const auto err_file = path_beside_program("varunoc_test.err");
    Result r;
#if defined(_WIN32)
    std::wstring command = L"\"" + path_beside_program("varunoc.exe").wstring() + L"\"";
    for (const auto& a : args) {
        const std::u16string w = cp932::to_utf16(cp932::from_utf8(a));
        command += L" \"" + std::wstring(w.begin(), w.end()) + L"\"";
    }
    SECURITY_ATTRIBUTES sa{sizeof sa, nullptr, TRUE};
    HANDLE out = CreateFileW(out_file.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &sa, CREATE_ALWAYS, 0, nullptr);
    HANDLE err = CreateFileW(err_file.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &sa, CREATE_ALWAYS, 0, nullptr);
    STARTUPINFOW si{};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdOutput = out;
    si.hStdError = err;
    si.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    PROCESS_INFORMATION pi{};
    if (CreateProcessW(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &si, &pi)) {
        WaitForSingleObject(pi.hProcess, 60000);
        DWORD code = 0;
        GetExitCodeProcess(pi.hProcess, &code);
        r.code = static_cast<int>(code);
        CloseHandle(pi.hThread);
        CloseHandle(pi.hProcess);
    }
    CloseHandle(out);
    CloseHandle(err);
#else
    const std::string exe = path_beside_program("varunoc").string();
    const pid_t pid = fork();
    if (pid == 0) {
        if (!std::freopen(out_file.c_str(), "wb", stdout) || !std::freopen(err_file.c_str(), "wb", stderr)) _exit(99);
        std::vector<char*> argv{const_cast<char*>(exe.c_str())};
        for (const auto& a : args) argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        execv(exe.c_str(), argv.data());
        _exit(98);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    r.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
#endif
    r.out = slurp(out_file);
    r.err = slurp(err_file);
    return r;
}

TEST(Varunoc, KindsListsTheSixtyNineOfferedKinds) {
    const Result r = varunoc({"kinds"});
    EXPECT_EQ(r.code, 0);
    const auto lines = r.lines();
    ASSERT_EQ(lines.size(), 69u);
    EXPECT_EQ(lines.front(), "0\t寸法");
    EXPECT_EQ(lines.back(), "68\t包装箱");
}

TEST(Varunoc, ConvertPrintsTheOutputFieldAndTheZoomLine) {
    Result r = varunoc({"convert", "寸法", "mm", "m", "12"});
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.lines(), (std::vector<std::string>{"1.2e-002", "12 mm = 1.2×10^-2 m"}));
    r = varunoc({"convert", "0", "#13", "#16", "72", "--style", "0", "--after-only"});
    EXPECT_EQ(r.lines(), (std::vector<std::string>{"2.", "2 yd"}));
    r = varunoc({"convert", "8", "℃", "ﾟF", "0"});
    EXPECT_EQ(r.lines(), (std::vector<std::string>{"32.", "0 ℃ = 32 ﾟF"}));
    r = varunoc({"convert", "0", "nmi[英;旧式]", "nmi", "1", "--style", "3"});
    EXPECT_EQ(r.code, 0);
}

TEST(Varunoc, ErrorMarkExitsOne) {
    for (const char* input : {"12*", "2)+(3", "1 2", "１２"}) {
        const Result r = varunoc({"convert", "0", "mm", "m", input});
        EXPECT_EQ(r.code, 1) << input;
        EXPECT_EQ(r.lines(), (std::vector<std::string>{"ERR!ヘルプ参照", "ERR!ここをクリックしてください。"})) << input;
    }
}

TEST(Varunoc, UsageErrorsExitTwoWithAMessage) {
    Result r = varunoc({"convert", "通貨", "a", "b", "1"});
    EXPECT_EQ(r.code, 2);
    EXPECT_NE(r.err.find("通貨"), std::string::npos);
    r = varunoc({"convert", "0", "furlong", "m", "1"});
    EXPECT_EQ(r.code, 2);
    // Two rows of 質量 share a label: both row indexes are named.
    r = varunoc({"convert", "3", "qr[英;cwt_t]", "g", "1"});
    EXPECT_EQ(r.code, 2);
    EXPECT_NE(r.err.find("#40"), std::string::npos);
    EXPECT_NE(r.err.find("#61"), std::string::npos);
    EXPECT_TRUE(r.out.empty());
    r = varunoc({"convert", "0", "mm", "m", ""});
    EXPECT_EQ(r.code, 2);
    EXPECT_NE(r.err.find("Aコートの換算前数値入力欄に数式が入力されていません。"), std::string::npos);
    EXPECT_EQ(varunoc({}).code, 2);
    EXPECT_EQ(varunoc({"frobnicate"}).code, 2);
    EXPECT_EQ(varunoc({"convert", "--help"}).code, 0);
}

TEST(Varunoc, UnitsInStorageOrderWithAllTexts) {
    const Result r = varunoc({"units", "温度"});
    EXPECT_EQ(r.code, 0);
    const auto lines = r.lines();
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[4], "4\tﾟR[Rankine]\tランキン温度目盛\tﾟR\t;\tRankine\t1\tK=(5/9)r\t" +
                            lines[4].substr(lines[4].rfind('\t') + 1));
}

TEST(Varunoc, SearchUsesTheUnitSearchRules) {
    Result r = varunoc({"search", "KM", "--kinds", "0"});
    EXPECT_EQ(r.code, 0);
    ASSERT_EQ(r.lines().size(), 1u);
    EXPECT_EQ(r.lines()[0].rfind("寸法\t9\t1\t2\t寸法\tキロメートル\tkm\t", 0), 0u);
    r = varunoc({"search", "KM", "--kinds", "寸法", "--case"});
    EXPECT_EQ(r.code, 1);
    r = varunoc({"search", ";"});
    EXPECT_EQ(r.code, 1);
    EXPECT_NE(r.err.find("見つかりませんでした。"), std::string::npos);
}

} // namespace
} // namespace varuno
