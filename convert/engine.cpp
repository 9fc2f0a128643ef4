#include "convert/engine.h"

#include <cmath>

#include "convert/format.h"
#include "formula/formula.h"
#include "platform/cp932.h"
#include "unitdb/accessors.h"

namespace varuno {
namespace {

std::string cp(const char* utf8) { return cp932::from_utf8(utf8); }

// True when the typed text's brackets close in order and all are closed, so
// that it stays one operand once it is spliced into the expression.
bool brackets_balance(std::string_view text) {
    int depth = 0;
    for (char c : text) {
        if (c == '(') ++depth;
        if (c == ')' && --depth < 0) return false;
    }
    return depth == 0;
}

bool valid_position(const udb* table, int position) { return table && position >= 0 && position < table->count; }

// The temperature expression through kelvin is the from-scale's prefix, the
// value, the from-scale's suffix and the to-scale's way back.
struct TemperatureScale {
    const char* prefix;
    const char* suffix;
    const char* to;
};
constexpr TemperatureScale kScales[5] = {
    {"(", "", ")"},                                      // K
    {"(((", ")+273.15)", ")-273.15"},                    // ℃
    {"(((5/9)*(", "-32)+273.15)", "-273.15)*(9/5)+32"},  // ﾟF
    {"(((5/4)*(", ")+273.15)", "-273.15)*(4/5)"},        // ﾟR (Réaumur)
    {"(((5/9)*(", "))", ")*(9/5)"},                      // ﾟR (Rankine)
};
bool temperature_row(int row) { return row >= 0 && row <= 4; }

}  // namespace

const std::string kErrorOutput = cp("ERR!ヘルプ参照");
const std::string kErrorZoom = cp("ERR!ここをクリックしてください。");
const std::string kConversionErrorCaption = cp("Varuno：換算エラー");

std::string compose_temperature(int from_row, int to_row, std::string_view x) {
    if (!temperature_row(from_row) || !temperature_row(to_row)) return "err";
    return std::string(kScales[from_row].prefix) + std::string(x) + kScales[from_row].suffix + kScales[to_row].to;
}

RatePair select_rates(const udb& table, int from_row, int to_row) {
    const int from_group = unit_group(table, from_row), to_group = unit_group(table, to_row);
    const int g = from_group == to_group ? from_group : 1;
    return {unit_rate(table, from_row, g), unit_rate(table, to_row, g)};
}

UnitPair::UnitPair(const ConversionRequest& units)
    : from_label_(unit_label(*units.table, units.from_position)),
      to_label_(unit_label(*units.table, units.to_position)), settings_(units.settings) {
    const udb& table = *units.table;
    const int from_row = table.order[units.from_position], to_row = table.order[units.to_position];
    if (!units.temperature) {
        const RatePair rates = select_rates(table, from_row, to_row);
        prefix_ = "(";
        suffix_ = ")*(" + rates.from + ")/(" + rates.to + ")";
    } else if (temperature_row(from_row) && temperature_row(to_row)) {
        prefix_ = kScales[from_row].prefix;
        suffix_ = std::string(kScales[from_row].suffix) + kScales[to_row].to;
    } else {
        prefix_ = "err";  // no such scale: every input is an error
    }
}

ConversionResult UnitPair::convert(std::string_view input, Conversion& into) {
    // "a" alone reads as zero.
    const std::string_view text = input == "a" ? std::string_view("0") : input;
    expression_.assign(prefix_).append(text).append(suffix_);
    const double value = FormulaCalculateText(expression_.c_str());
    // A typed text with unbalanced brackets would break out of its own
    // brackets and be read as part of the rates: rejected like any error.
    if (FormulaError != 0 || !std::isfinite(value) || !brackets_balance(text)) {
        into.output.assign(kErrorOutput);
        into.zoom.assign(kErrorZoom);
        return into.result = ConversionResult::kErrorMark;
    }
    into.output = format_number(value);
    into.zoom.clear();
    if (settings_.zoom_content == 20200) into.zoom.append(text).append(" ").append(from_label_).append(" = ");
    into.zoom.append(format_exponent(into.output, settings_.exponent_style)).append(" ").append(to_label_);
    return into.result = ConversionResult::kConverted;
}

Conversion convert(const ConversionRequest& request) {
    // With no kind chosen yet the lists hold only guidance lines: no unit.
    if (!valid_position(request.table, request.from_position)) return {ConversionResult::kNoBeforeUnit, {}, {}};
    if (!valid_position(request.table, request.to_position)) return {ConversionResult::kNoAfterUnit, {}, {}};
    if (request.input.empty()) return {ConversionResult::kNoInput, {}, {}};
    Conversion done{};
    UnitPair(request).convert(request.input, done);
    return done;
}

std::string validation_message(Court court, ConversionResult result) {
    const std::string letter = court == kCourtA ? "A" : "B";
    switch (result) {
    case ConversionResult::kNoBeforeUnit: return letter + cp("コートの換算『前』単位記号が選択されていません。");
    case ConversionResult::kNoAfterUnit: return letter + cp("コートの換算『後』単位記号が選択されていません。");
    case ConversionResult::kNoInput: return letter + cp("コートの換算前数値入力欄に数式が入力されていません。");
    default: return {};
    }
}

}  // namespace varuno
