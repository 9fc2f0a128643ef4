// varunoc: the command-line converter. Same tables, same engine and same
// search as the window; UTF-8 in and out.
//
// Exit codes: 0 success, 1 the conversion ended in the error mark (or the
// search found nothing), 2 a usage error.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "cli/convert_lines.h"
#include "convert/engine.h"
#include "platform/cp932.h"
#include "unitdb/accessors.h"
#include "unitdb/registry.h"
#include "unitdb/search.h"

#if defined(_WIN32)
#include <windows.h>
#include <shellapi.h>
#endif

using namespace varuno;

namespace {

constexpr const char* kUsage = "使い方: varunoc <コマンド> [引数...]\n"
                               "  kinds                               単位種の一覧（番号、名前）\n"
                               "  units KIND                          単位種の全単位（格納順）\n"
                               "  convert KIND FROM TO EXPRESSION [--style 0|1|2|3] [--after-only]\n"
                               "                                      換算する（出力欄と拡大ビューの2行）\n"
                               "  convert KIND FROM TO - [...]        標準入力の1行ごとに換算する（一括）\n"
                               "  table KIND FROM EXPRESSION          値を単位種の全単位で表示する\n"
                               "  search TEXT [--case] [--whole] [--fields DIGITS] [--kinds LIST]\n"
                               "                                      単位を検索する\n"
                               "-- の後の引数はオプションとみなさない（- で始まる数式に: convert 0 mm m -- -5）。\n"
                               "各コマンドの詳細は varunoc <コマンド> --help。\n";

constexpr const char* kUnitsHelp =
    "使い方: varunoc units KIND\n"
    "KIND は単位種の番号または名前（例: 0、寸法）。\n"
    "1行に1単位、タブ区切り: 行番号、リスト表示、日本語表記、単位記号、国名、補助記号、\n"
    "グループ、汎用レート、備考（\";\" は空欄の印）。\n";

constexpr const char* kConvertHelp =
    "使い方: varunoc convert KIND FROM TO EXPRESSION [--style 0|1|2|3] [--after-only]\n"
    "KIND は単位種の番号または名前。FROM と TO はリスト表示（例: mm、nmi[英]）か\n"
    "# と行番号（例: #13）。EXPRESSION は数値または数式（例: 12、(1+2)/4、2^10）。\n"
    "成功すると出力欄の文字列と拡大ビューの行を表示して 0 で終了し、\n"
    "数式エラーのときはエラー表示を出して 1 で終了する。\n"
    "EXPRESSION が - なら標準入力の1行に1数式を読み、1行ごとに出力欄の文字列、タブ、\n"
    "拡大ビューの行を書く。換算できない行（空行も）はその行にエラー表示を書いて続け、\n"
    "1行でもあれば 1 で終了する。\n"
    "  --style N     指数部の表記: 0 e±xxx、1 ×10^±xxx（既定）、2 HTML、3 指数表記しない\n"
    "  --after-only  拡大ビューに換算後だけを表示する\n"
    "  --            これより後の引数はオプションとみなさない（例: -- -5、-- --5）\n";

constexpr const char* kSearchHelp =
    "使い方: varunoc search TEXT [--case] [--whole] [--fields DIGITS] [--kinds LIST]\n"
    "1行に1ヒット、タブ区切り: 単位種、行番号、対象（0 日本語表記、1 単位記号、2 国名、\n"
    "3 補助記号、4 備考）、合致（2 完全、1 部分）、続いて単位種、日本語表記、単位記号、\n"
    "国名、補助記号、汎用レート、備考。\n"
    "  --case         完全一致で大文字と小文字を区別する（部分一致は常に区別する）\n"
    "  --whole        完全一致だけを探す\n"
    "  --fields 0134  探す対象（既定: 01234）\n"
    "  --kinds 0,2,寸法  探す単位種（既定: 全て）\n"
    "  --             これより後の引数はオプションとみなさない（- で始まる TEXT に）\n";

constexpr const char* kTableHelp =
    "使い方: varunoc table KIND FROM EXPRESSION\n"
    "FROM で表した EXPRESSION の値を、単位種の全単位で表示する。1行に1単位、タブ区切り:\n"
    "行番号（格納順）、リスト表示、出力欄の文字列。換算できない単位の行はエラー表示になり、\n"
    "1行でもあれば 1 で終了する。\n"
    "  --  これより後の引数はオプションとみなさない（例: -- -5）\n";

constexpr const char* kKindsHelp = "使い方: varunoc kinds\n1行に1単位種: 番号、タブ、名前。\n";

// Texts from the tables and the arguments are CP932 inside and UTF-8
// outside; the program's own messages are UTF-8 as written here.
std::string utf8(const std::string& cp932_text) { return cp932::to_utf8(cp932_text); }
void out(const std::string& cp932_text) { std::fputs(utf8(cp932_text).c_str(), stdout); }
int usage_error(const std::string& utf8_text) {
    std::fputs(utf8_text.c_str(), stderr);
    if (utf8_text.empty() || utf8_text.back() != '\n') std::fputs("\n", stderr);
    return 2;
}

// "--" ends the options: the arguments after it are never taken as options,
// so an expression or a search text may start with "-". Answers the
// arguments before it (options and others) and those after it.
struct SplitArguments {
    std::vector<std::string> before, after;
};
SplitArguments split_at_end_of_options(const std::vector<std::string>& a) {
    const auto end = std::find(a.begin(), a.end(), "--");
    return {{a.begin(), end}, {end == a.end() ? end : end + 1, a.end()}};
}

bool is_number(const std::string& s) {
    return !s.empty() && s.find_first_not_of("0123456789") == std::string::npos && s.size() < 9;
}

int parse_kind(const std::string& arg) {
    if (is_number(arg)) {
        const int k = std::atoi(arg.c_str());
        return k < kind_count ? k : -1;
    }
    return find_kind(arg);
}

// Rows named by a label or "#row".
std::vector<int> rows_for(const udb& table, const std::string& arg) {
    std::vector<int> rows;
    if (arg.size() > 1 && arg[0] == '#' && is_number(arg.substr(1))) {
        const int r = std::atoi(arg.c_str() + 1);
        if (r < table.count) rows.push_back(r);
        return rows;
    }
    for (int r = 0; r < table.count; ++r)
        if (unit_label(table, display_position(table, r)) == arg) rows.push_back(r);
    return rows;
}

int cmd_kinds() {
    for (int k = 0; k < kind_count; ++k) out(std::to_string(k) + "\t" + kind_names[k] + "\n");
    return 0;
}

int cmd_units(UnitTables& tables, const std::vector<std::string>& a) {
    if (a.size() != 1) return usage_error(kUnitsHelp);
    const int kind = parse_kind(a[0]);
    if (kind < 0) return usage_error("単位種が見つかりません: " + utf8(a[0]));
    const udb& t = tables.table(kind);
    for (int r = 0; r < t.count; ++r)
        out(std::to_string(r) + "\t" + unit_label(t, display_position(t, r)) + "\t" + unit_cell(t, r, 0) + "\t" +
            unit_symbol(t, r) + "\t" + unit_cell(t, r, 2) + "\t" + unit_cell(t, r, 3) + "\t" + unit_group_text(t, r) +
            "\t" + unit_rate(t, r, 1) + "\t" + unit_row_remark(t, r) + "\n");
    return 0;
}

// The display position of the unit that `arg` names (a label or "#row"),
// or the message that says why there is none.
struct UnitArgument {
    int position = -1;
    std::string error;  // UTF-8, empty when found
};
UnitArgument find_unit(const udb& table, const std::string& arg) {
    const std::vector<int> rows = rows_for(table, arg);
    if (rows.empty()) return {-1, "単位が見つかりません: " + utf8(arg)};
    if (rows.size() > 1) {
        std::string list;
        for (int r : rows) list += " #" + std::to_string(r);
        return {-1, "同じ表示の単位が複数あります。行番号で指定してください:" + list};
    }
    return {display_position(table, rows[0]), {}};
}

// The kind, the units and the expression of a command line, checked.
struct ConversionArguments {
    ConversionRequest request;
    std::string error;  // UTF-8: a usage error when not empty
};
// `names` are KIND, FROM and optionally TO; `expression` the last argument.
// The tables keep their storage order here: rows and positions agree.
ConversionArguments conversion_arguments(UnitTables& tables, const std::vector<std::string>& names,
                                         const std::string& expression, ConversionSettings settings) {
    ConversionArguments parsed{{nullptr, false, expression, -1, -1, settings}, {}};
    const int kind = parse_kind(names[0]);
    if (kind < 0) {
        parsed.error = "単位種が見つかりません: " + utf8(names[0]);
        return parsed;
    }
    const udb& table = tables.table(kind);
    parsed.request.table = &table;
    parsed.request.temperature = kind == kTemperatureKind;
    int* ends[2] = {&parsed.request.from_position, &parsed.request.to_position};
    for (std::size_t side = 0; side + 1 < names.size(); ++side) {
        const UnitArgument unit = find_unit(table, names[1 + side]);
        if (!unit.error.empty()) {
            parsed.error = unit.error;
            return parsed;
        }
        *ends[side] = unit.position;
    }
    return parsed;
}

// One expression per line of standard input between two units.
int convert_standard_input(const ConversionRequest& request) {
    UnitPair units(request);
    const LinesConverted run = convert_lines(units, stdin, stdout);
    if (!run.io_ok) {
        std::fputs("入出力エラー。\n", stderr);
        return 2;
    }
    return run.failed > 0 ? 1 : 0;
}

int cmd_convert(UnitTables& tables, const std::vector<std::string>& args) {
    ConversionSettings settings;
    const auto [a, plain] = split_at_end_of_options(args);
    std::vector<std::string> pos;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i] == "--after-only") {
            settings.zoom_content = 20201;
        } else if (a[i] == "--style" && i + 1 < a.size() && a[i + 1].size() == 1 && a[i + 1][0] >= '0' &&
                   a[i + 1][0] <= '3') {
            settings.exponent_style = a[++i][0] - '0';
        } else if (a[i].rfind("--", 0) == 0) {
            return usage_error(kConvertHelp);
        } else {
            pos.push_back(a[i]);
        }
    }
    // "-" reads standard input; after "--" it is an expression like any other.
    const bool from_input = pos.size() == 4 && pos[3] == "-";
    pos.insert(pos.end(), plain.begin(), plain.end());
    if (pos.size() != 4) return usage_error(kConvertHelp);
    const ConversionArguments parsed = conversion_arguments(tables, {pos[0], pos[1], pos[2]}, pos[3], settings);
    if (!parsed.error.empty()) return usage_error(parsed.error);
    if (from_input) return convert_standard_input(parsed.request);
    const Conversion done = convert(parsed.request);
    switch (done.result) {
    case ConversionResult::kConverted: out(done.output + "\n" + done.zoom + "\n"); return 0;
    case ConversionResult::kErrorMark: out(done.output + "\n" + done.zoom + "\n"); return 1;
    default: return usage_error(utf8(validation_message(kCourtA, done.result)));
    }
}

// The value in every unit of the kind, in storage order.
int cmd_table(UnitTables& tables, const std::vector<std::string>& args) {
    const auto [a, plain] = split_at_end_of_options(args);
    for (const std::string& arg : a)
        if (arg.rfind("--", 0) == 0) return usage_error(kTableHelp);
    std::vector<std::string> pos = a;
    pos.insert(pos.end(), plain.begin(), plain.end());
    if (pos.size() != 3) return usage_error(kTableHelp);
    ConversionArguments parsed = conversion_arguments(tables, {pos[0], pos[1]}, pos[2], {});
    if (!parsed.error.empty()) return usage_error(parsed.error);
    if (pos[2].empty()) return usage_error(utf8(validation_message(kCourtA, ConversionResult::kNoInput)));
    const udb& table = *parsed.request.table;
    int failed = 0;
    for (int r = 0; r < table.count; ++r) {
        parsed.request.to_position = display_position(table, r);
        const Conversion done = convert(parsed.request);
        if (done.result != ConversionResult::kConverted) ++failed;
        out(std::to_string(r) + "\t" + unit_label(table, parsed.request.to_position) + "\t" + done.output + "\n");
    }
    return failed > 0 ? 1 : 0;
}

int cmd_search(UnitTables& tables, const std::vector<std::string>& args) {
    SearchOptions options;
    std::vector<int> kinds;
    const auto [a, plain] = split_at_end_of_options(args);
    std::vector<std::string> texts;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i] == "--case") {
            options.case_sensitive = true;
        } else if (a[i] == "--whole") {
            options.whole_field = true;
        } else if (a[i] == "--fields" && i + 1 < a.size()) {
            options.fields = {};
            for (char c : a[++i]) {
                if (c < '0' || c > '4') return usage_error(kSearchHelp);
                options.fields[static_cast<std::size_t>(c - '0')] = true;
            }
        } else if (a[i] == "--kinds" && i + 1 < a.size()) {
            std::string list = a[++i] + ",";
            for (std::size_t start = 0, comma; (comma = list.find(',', start)) != std::string::npos;
                 start = comma + 1) {
                const int k = parse_kind(list.substr(start, comma - start));
                if (k < 0) return usage_error("単位種が見つかりません: " + utf8(list.substr(start, comma - start)));
                kinds.push_back(k);
            }
        } else if (a[i].rfind("--", 0) == 0) {
            return usage_error(kSearchHelp);
        } else {
            texts.push_back(a[i]);
        }
    }
    texts.insert(texts.end(), plain.begin(), plain.end());
    if (texts.size() > 1) return usage_error(kSearchHelp);
    if (texts.empty() || texts[0].empty()) return usage_error("検索文字列が指定されていません。");
    const std::string& text = texts[0];
    if (kinds.empty())
        for (int k = 0; k < kind_count; ++k) kinds.push_back(k);
    const std::vector<search_hit> hits = find_units(tables, text, kinds, options);
    for (const search_hit& h : hits) {
        const udb& t = tables[h.kind];
        out(kind_names[h.kind] + "\t" + std::to_string(h.row) + "\t" + std::to_string(h.field) + "\t" +
            std::to_string(h.grade) + "\t" + kind_names[h.kind] + "\t" + unit_cell(t, h.row, 0) + "\t" +
            unit_symbol(t, h.row) + "\t" + unit_cell(t, h.row, 2) + "\t" + unit_cell(t, h.row, 3) + "\t" +
            unit_rate(t, h.row, 1) + "\t" + unit_row_remark(t, h.row) + "\n");
    }
    if (hits.empty()) {
        std::fputs("見つかりませんでした。\n", stderr);
        return 1;
    }
    return 0;
}

// The arguments as CP932 texts.
std::vector<std::string> arguments(int argc, char** argv) {
    std::vector<std::string> args;
#if defined(_WIN32)
    (void)argc;
    (void)argv;
    int n = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &n);
    for (int i = 1; wide && i < n; ++i) {
        const std::wstring w = wide[i];
        args.push_back(cp932::from_utf16(std::u16string(w.begin(), w.end())));
    }
    LocalFree(wide);
#else
    for (int i = 1; i < argc; ++i) args.push_back(cp932::from_utf8(argv[i]));
#endif
    return args;
}

}  // namespace

int main(int argc, char** argv) {
#if defined(_WIN32)
    SetConsoleOutputCP(CP_UTF8);
#endif
    std::vector<std::string> args = arguments(argc, argv);
    if (args.empty() || args[0] == "--help" || args[0] == "-h") {
        std::fputs(kUsage, args.empty() ? stderr : stdout);
        return args.empty() ? 2 : 0;
    }
    const std::string command = args[0];
    args.erase(args.begin());
    const bool help = !args.empty() && (args[0] == "--help" || args[0] == "-h");
    // Each command builds only the tables it reads.
    UnitTables tables;
    if (command == "kinds") return help ? (std::fputs(kKindsHelp, stdout), 0) : cmd_kinds();
    if (command == "units") return help ? (std::fputs(kUnitsHelp, stdout), 0) : cmd_units(tables, args);
    if (command == "convert") return help ? (std::fputs(kConvertHelp, stdout), 0) : cmd_convert(tables, args);
    if (command == "table") return help ? (std::fputs(kTableHelp, stdout), 0) : cmd_table(tables, args);
    if (command == "search") return help ? (std::fputs(kSearchHelp, stdout), 0) : cmd_search(tables, args);
    std::fputs(kUsage, stderr);
    return 2;
}
