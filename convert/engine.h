// Converting one court: the typed text and the two units' rates spliced into
// one expression, evaluated, and turned into the output field's text and the
// zoom view's line. A function of values: the window, the command-line tool
// and the tests all call it the same way, and the window applies the result.
#pragma once
#include <string>
#include <string_view>

#include "unitdb/udb.h"

namespace varuno {

enum Court : int { kCourtA = 0, kCourtB = 1 };

// The two settings a conversion uses; the window takes them from the
// settings file at each conversion, the command-line tool from its options.
struct ConversionSettings {
    int zoom_content = 20200;  // 20200: before = after, 20201: after only
    int exponent_style = 1;    // 0 ... 3
};

// Everything one conversion reads.
struct ConversionRequest {
    const udb* table = nullptr;  // the current kind's table; null while no kind is chosen
    bool temperature = false;    // the temperature kind converts through kelvin, not by rates
    std::string_view input;      // the court's input field, CP932
    int from_position = -1;      // the before list's selection (display position), -1 none
    int to_position = -1;        // the after list's selection
    ConversionSettings settings;
};

enum class ConversionResult {
    kConverted,     // output and zoom hold the result
    kErrorMark,     // output and zoom hold the error mark
    kNoBeforeUnit,  // validation failures: nothing to show but, when the
    kNoAfterUnit,   // court is not live, a message (validation_message)
    kNoInput,
};

struct Conversion {
    ConversionResult result;
    std::string output;  // the output field's text (CP932)
    std::string zoom;    // the zoom view's line (CP932)
};

Conversion convert(const ConversionRequest& request);

// Converts many inputs between the same two units, as convert() does for
// each: the expression around the input (rates or temperature scales) and the
// labels are composed once, and the texts reuse their buffers, so that a
// stream of inputs costs no allocation per input once the buffers are grown.
class UnitPair {
public:
    // `units` must name two valid positions; its input is not read. The
    // table must outlive this object.
    explicit UnitPair(const ConversionRequest& units);
    // kConverted or kErrorMark, which an empty input gives too (convert()
    // refuses that one before); `into` holds the texts.
    ConversionResult convert(std::string_view input, Conversion& into);

private:
    std::string prefix_, suffix_;  // the expression is prefix_ + input + suffix_
    std::string from_label_, to_label_;
    ConversionSettings settings_;
    std::string expression_;  // scratch, kept for its capacity
};

// The message of a validation failure, naming the court by its letter
// ("Aコートの換算『前』単位記号が選択されていません。"); empty for the other results.
std::string validation_message(Court court, ConversionResult result);
// The caption of those messages ("Varuno：換算エラー").
extern const std::string kConversionErrorCaption;

// Output and zoom texts of the error mark.
extern const std::string kErrorOutput;  // "ERR!ヘルプ参照"
extern const std::string kErrorZoom;    // "ERR!ここをクリックしてください。"

// The temperature expression through kelvin for rows 0 (K), 1 (℃), 2 (ﾟF),
// 3 (ﾟR Réaumur) and 4 (ﾟR Rankine); "err" for any other row.
std::string compose_temperature(int from_row, int to_row, std::string_view x);

// The rate texts that convert row `from_row` into row `to_row`: the group
// rates when both rows share a group, the generic rates otherwise.
struct RatePair {
    std::string from, to;
};
RatePair select_rates(const udb& table, int from_row, int to_row);

}  // namespace varuno
