// Runs the real varunoc program beside this test as a user's shell would:
// UTF-8 arguments, exit codes, standard output and standard error.
#include <algorithm>
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

// A text as its lines, without CR (Windows writes CRLF).
std::vector<std::string> lines_of(const std::string& text) {
    std::vector<std::string> v;
    std::size_t start = 0, end;
    while ((end = text.find('\n', start)) != std::string::npos) {
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        v.push_back(line);
        start = end + 1;
    }
    return v;
}

struct Result {
    int code = -1;
    std::string out, err;  // UTF-8
    std::vector<std::string> lines() const { return lines_of(out); }
};

std::string slurp(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// Runs varunoc with UTF-8 arguments and `input` as its standard input;
// input and output go through files.
Result varunoc(const std::vector<std::string>& args, const std::string& input = {}) {
    const auto in_file = path_beside_program("varunoc_test.in");
    const auto out_file = path_beside_program("varunoc_test.out");
    const auto err_file = path_beside_program("varunoc_test.err");
    std::ofstream(in_file, std::ios::binary) << input;
    Result r;
#if defined(_WIN32)
    std::wstring command = L"\"" + path_beside_program("varunoc.exe").wstring() + L"\"";
    for (const auto& a : args) {
        const std::u16string w = cp932::to_utf16(cp932::from_utf8(a));
        command += L" \"" + std::wstring(w.begin(), w.end()) + L"\"";
    }
    SECURITY_ATTRIBUTES sa{sizeof sa, nullptr, TRUE};
    HANDLE in = CreateFileW(in_file.c_str(), GENERIC_READ, FILE_SHARE_READ, &sa, OPEN_EXISTING, 0, nullptr);
    HANDLE out = CreateFileW(out_file.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &sa, CREATE_ALWAYS, 0, nullptr);
    HANDLE err = CreateFileW(err_file.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &sa, CREATE_ALWAYS, 0, nullptr);
    STARTUPINFOW si{};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdOutput = out;
    si.hStdError = err;
    si.hStdInput = in;
    PROCESS_INFORMATION pi{};
    if (CreateProcessW(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &si, &pi)) {
        WaitForSingleObject(pi.hProcess, 60000);
        DWORD code = 0;
        GetExitCodeProcess(pi.hProcess, &code);
        r.code = static_cast<int>(code);
        CloseHandle(pi.hThread);
        CloseHandle(pi.hProcess);
    }
    CloseHandle(in);
    CloseHandle(out);
    CloseHandle(err);
#else
    const std::string exe = path_beside_program("varunoc").string();
    const pid_t pid = fork();
    if (pid == 0) {
        if (!std::freopen(in_file.c_str(), "rb", stdin) || !std::freopen(out_file.c_str(), "wb", stdout) ||
            !std::freopen(err_file.c_str(), "wb", stderr))
            _exit(99);
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

// A wrong command line shows the command's help text, the same as --help
// shows, in UTF-8; messages with an argument in them show it as it was given.
TEST(Varunoc, UsageErrorMessagesAreTheirTexts) {
    const struct {
        std::vector<std::string> args;
        const char* command;
    } wrong[] = {
        {{"convert", "0", "mm"}, "convert"},
        {{"convert", "0", "mm", "m", "1", "--bogus"}, "convert"},
        {{"convert", "0", "mm", "m", "1", "--style", "7"}, "convert"},
        {{"units"}, "units"},
        {{"units", "0", "1"}, "units"},
        {{"search", "x", "--fields", "9"}, "search"},
        {{"search", "x", "y"}, "search"},
    };
    for (const auto& w : wrong) {
        const Result r = varunoc(w.args);
        const std::string help = varunoc({w.command, "--help"}).out;
        EXPECT_EQ(r.code, 2) << w.args.size();
        ASSERT_FALSE(help.empty());
        EXPECT_EQ(lines_of(r.err), lines_of(help)) << w.command;
        EXPECT_EQ(lines_of(r.err).at(0).rfind(std::string("使い方: varunoc ") + w.command, 0), 0u) << r.err;
    }
    EXPECT_EQ(lines_of(varunoc({"units", "通貨x"}).err), (std::vector<std::string>{"単位種が見つかりません: 通貨x"}));
    EXPECT_EQ(lines_of(varunoc({"convert", "0", "尺x", "m", "1"}).err),
              (std::vector<std::string>{"単位が見つかりません: 尺x"}));
    EXPECT_EQ(lines_of(varunoc({"search", "m", "--kinds", "寸法,ｘ"}).err),
              (std::vector<std::string>{"単位種が見つかりません: ｘ"}));
    EXPECT_EQ(lines_of(varunoc({"search", ""}).err), (std::vector<std::string>{"検索文字列が指定されていません。"}));
    EXPECT_EQ(lines_of(varunoc({"convert", "3", "qr[英;cwt_t]", "g", "1"}).err),
              (std::vector<std::string>{"同じ表示の単位が複数あります。行番号で指定してください: #40 #61"}));
}

// "--" ends the options: an expression or a search text may then start with
// "-", even with "--".
TEST(Varunoc, DoubleDashEndsTheOptions) {
    Result r = varunoc({"convert", "0", "mm", "m", "--", "-5"});
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.lines(), (std::vector<std::string>{"-5.e-003", "-5 mm = -5×10^-3 m"}));
    r = varunoc({"convert", "0", "mm", "m", "--after-only", "--", "--5"});
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.lines(), (std::vector<std::string>{"5.e-003", "5×10^-3 m"}));
    r = varunoc({"convert", "--", "0", "mm", "m", "--style"});  // an expression, and not a valid one
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.lines().at(0), "ERR!ヘルプ参照");
    EXPECT_EQ(varunoc({"convert", "0", "mm", "m", "--", "1", "2"}).code, 2);  // still four arguments
    r = varunoc({"search", "--whole", "--", "--case"});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(lines_of(r.err), (std::vector<std::string>{"見つかりませんでした。"}));
    EXPECT_EQ(varunoc({"search", "--", "fermi"}).code, 0);
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

// A batch line is what a one-shot run prints, its two lines joined by a
// tab: checked for a sample of unit pairs of every kind, with numbers,
// expressions, the "a" for zero and expressions the evaluator rejects.
TEST(VarunocBatch, EveryLineAgreesWithAOneShotRunInEveryKind) {
    const std::vector<std::string> expressions = {"12", "(1+2)/4", "2^10", "-0.5e3", "12*", "a", "1/0", "(3"};
    for (int kind = 0; kind < 69; ++kind) {
        const int rows = static_cast<int>(varunoc({"units", std::to_string(kind)}).lines().size());
        ASSERT_GT(rows, 0) << kind;
        const std::string from = "#" + std::to_string(kind % rows), to = "#" + std::to_string(rows - 1 - kind % rows);
        std::vector<std::string> args = {"convert", std::to_string(kind), from, to, "-"};
        if (kind % 5 == 0) args.insert(args.end(), {"--style", std::to_string(kind % 4), "--after-only"});
        std::string input;
        for (const std::string& e : expressions) input += e + (kind % 2 ? "\r\n" : "\n");
        const Result batch = varunoc(args, input);
        EXPECT_EQ(batch.code, 1) << kind;  // "12*" and "(3" fail
        const auto lines = batch.lines();
        ASSERT_EQ(lines.size(), expressions.size()) << kind;
        // Two of the expressions, in turn, are run one at a time.
        for (std::size_t e : {static_cast<std::size_t>(kind) % expressions.size(),
                              static_cast<std::size_t>(kind + 3) % expressions.size()}) {
            std::vector<std::string> one = args;
            std::replace(one.begin(), one.end(), std::string("-"), expressions[e]);
            const Result single = varunoc(one);
            ASSERT_EQ(single.lines().size(), 2u) << kind << " " << expressions[e];
            EXPECT_EQ(lines[e], single.lines()[0] + "\t" + single.lines()[1]) << kind << " " << expressions[e];
        }
    }
}

TEST(VarunocBatch, ErrorLinesKeepTheirPlaceAndSetTheExitCode) {
    const std::string mark = "ERR!ヘルプ参照\tERR!ここをクリックしてください。";
    Result r = varunoc({"convert", "寸法", "mm", "m", "-"}, "12\n\n1 2\r\n１２\n3");
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.lines(), (std::vector<std::string>{"1.2e-002\t12 mm = 1.2×10^-2 m", mark, mark, mark,
                                                   "3.e-003\t3 mm = 3×10^-3 m"}));
    r = varunoc({"convert", "温度", "℃", "ﾟF", "-"}, "100\n0\n");
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.lines(), (std::vector<std::string>{"212.\t100 ℃ = 212 ﾟF", "32.\t0 ℃ = 32 ﾟF"}));
    r = varunoc({"convert", "0", "mm", "m", "-"}, "");
    EXPECT_EQ(r.code, 0);
    EXPECT_TRUE(r.out.empty());
    // A line longer than the read block is one line all the same (too long
    // for the evaluator, so an error).
    r = varunoc({"convert", "0", "mm", "m", "-"}, std::string(3 << 20, '1') + "\n2\n");
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.lines(), (std::vector<std::string>{mark, "2.e-003\t2 mm = 2×10^-3 m"}));
    // After "--" a "-" is an expression, and units are checked before reading.
    r = varunoc({"convert", "0", "mm", "m", "--", "-"}, "12\n");
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.lines().size(), 2u);
    EXPECT_EQ(varunoc({"convert", "0", "mm", "furlong", "-"}, "12\n").code, 2);
}

TEST(VarunocTable, TheValueInEveryUnitOfTheKind) {
    Result r = varunoc({"table", "温度", "℃", "100"});
    EXPECT_EQ(r.code, 0);
    EXPECT_EQ(r.lines(), (std::vector<std::string>{"0\tK\t373.15", "1\t℃\t100.", "2\tﾟF\t212.", "3\tﾟR\t80.",
                                                   "4\tﾟR[Rankine]\t671.67"}));
    r = varunoc({"table", "寸法", "yd", "--", "-1"});
    EXPECT_EQ(r.code, 0);
    const auto lines = r.lines();
    ASSERT_EQ(lines.size(), varunoc({"units", "寸法"}).lines().size());
    EXPECT_EQ(lines[13], "13\tin\t" + varunoc({"convert", "寸法", "yd", "in", "--", "-1"}).lines().at(0));
    r = varunoc({"table", "0", "m", "2*"});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.lines().at(0), "0\tnm\tERR!ヘルプ参照");
    EXPECT_EQ(varunoc({"table", "0", "m"}).code, 2);
    EXPECT_EQ(varunoc({"table", "0", "m", ""}).code, 2);
    EXPECT_EQ(varunoc({"table", "0", "furlong", "1"}).code, 2);
    EXPECT_EQ(lines_of(varunoc({"table", "0", "m", "1", "--x"}).err).at(0).rfind("使い方: varunoc table", 0), 0u);
}

}  // namespace
}  // namespace varuno
