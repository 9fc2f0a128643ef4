#include "convert/engine.h"

#include <cmath>

#include "convert/format.h"
#include "formula/formula.h"
#include "platform/cp932.h"
#include "platform/ini.h"
#include "unitdb/accessors.h"
#include "unitdb/registry.h"

namespace varuno {
namespace {

constexpr int kTemperatureKind = 8;

std::string cp(const char* utf8) { return cp932::from_utf8(utf8); }

const std::string kCaption = cp("Varuno：換算エラー");

std::string court_letter(Court court) { return court == kCourtA ? "A" : "B"; }

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

// A missing selection: silent under live conversion, a message otherwise.
bool reject(bool live, CourtView& view, const std::string& message) {
    if (!live) view.show_message(message, kCaption);
    return false;
}

void show_error_mark(Court court, CourtView& view, ConversionState& state) {
    view.set_output_text(court, kErrorOutput);
    view.set_zoom_text(kErrorZoom);
    state.formula_error = true;
    view.focus_input(court);
}

} // namespace

const std::string kErrorOutput = cp("ERR!ヘルプ参照");
const std::string kErrorZoom = cp("ERR!ここをクリックしてください。");

ConversionSettings conversion_settings_from_file() {
    ConversionSettings s;
    s.zoom_content = ini_read_int("0_0:RDO", "1", "varuno_set.ini");
    s.exponent_style = ini_read_int("0_1:RDO", "1", "varuno_set.ini") - 20202;
    return s;
}

std::string compose_temperature(int from_row, int to_row, std::string_view x) {
    struct Scale {
        const char* prefix;
        const char* suffix;
        const char* to;
    };
    static constexpr Scale kScales[5] = {
        {"(", "", ")"},                                      // K
        {"(((", ")+273.15)", ")-273.15"},                    // ℃
        {"(((5/9)*(", "-32)+273.15)", "-273.15)*(9/5)+32"},  // ﾟF
        {"(((5/4)*(", ")+273.15)", "-273.15)*(4/5)"},        // ﾟR (Réaumur)
        {"(((5/9)*(", "))", ")*(9/5)"},                      // ﾟR (Rankine)
    };
    if (from_row < 0 || from_row > 4 || to_row < 0 || to_row > 4) return "err";
    return std::string(kScales[from_row].prefix) + std::string(x) + kScales[from_row].suffix + kScales[to_row].to;
}

RatePair select_rates(const udb& table, int from_row, int to_row) {
    const int from_group = unit_group(table, from_row), to_group = unit_group(table, to_row);
    const int g = from_group == to_group ? from_group : 1;
    return {unit_rate(table, from_row, g), unit_rate(table, to_row, g)};
}

bool convert_court(Court court, CourtView& view, ConversionState& state, const ConversionSettings& settings) {
    state.formula_error = false;
    const bool live = state.live[court];
    const std::string letter = court_letter(court);

    // With no kind chosen yet the lists hold only guidance lines: no unit.
    const int from_pos = current_table ? view.selected_position(court, false) : -1;
    if (from_pos < 0 || from_pos >= (current_table ? current_table->count : 0))
        return reject(live, view, letter + cp("コートの換算『前』単位記号が選択されていません。"));
    const int to_pos = view.selected_position(court, true);
    if (to_pos < 0 || to_pos >= current_table->count)
        return reject(live, view, letter + cp("コートの換算『後』単位記号が選択されていません。"));

    const udb& table = *current_table;
    const int from_row = table.order[from_pos], to_row = table.order[to_pos];
    const RatePair rates = select_rates(table, from_row, to_row);

    std::string text = view.input_text(court);
    if (text.empty()) return reject(live, view, letter + cp("コートの換算前数値入力欄に数式が入力されていません。"));
    if (text == "a") text = "0";

    const std::string expression = current_kind == kTemperatureKind
                                       ? compose_temperature(from_row, to_row, text)
                                       : "(" + text + ")*(" + rates.from + ")/(" + rates.to + ")";
    const double value = FormulaCalculateText(expression.c_str());
    const std::string number = format_number(value);
    // A typed text with unbalanced brackets would break out of its own
    // brackets and be read as part of the rates: rejected like any error.
    if (FormulaError != 0 || !std::isfinite(value) || !brackets_balance(text)) {
        show_error_mark(court, view, state);
        return false;
    }
    view.set_output_text(court, number);

    std::string zoom;
    if (settings.zoom_content == 20200) zoom = text + " " + view.list_text(court, false, from_pos) + " = ";
    zoom += format_exponent(number, settings.exponent_style) + " " + view.list_text(court, true, to_pos);
    view.set_zoom_text(zoom);
    return true;
}

void convert_and_report(Court court, CourtView& view, ConversionState& state, const ConversionSettings& settings) {
    if (convert_court(court, view, state, settings)) view.status_set_court(court == kCourtA ? 1 : 2);
}

} // namespace varuno
