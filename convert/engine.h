// Converting one court: composing the expression from the typed text and the
// two units' rates, evaluating it, and writing the results. Written against a
// small court interface, implemented by the main window, the command-line
// tool and the tests.
#pragma once
#include <string>
#include <string_view>

#include "unitdb/udb.h"

namespace varuno {

enum Court : int { kCourtA = 0, kCourtB = 1 };

// What a conversion needs of the window. Texts are CP932.
class CourtView {
public:
    virtual ~CourtView() = default;
    // Selected position of the court's before (after = false) or after list; -1 for none.
    virtual int selected_position(Court court, bool after) = 0;
    virtual std::string list_text(Court court, bool after, int position) = 0;
    virtual std::string input_text(Court court) = 0;
    virtual void set_output_text(Court court, std::string_view text) = 0;
    virtual void set_zoom_text(std::string_view text) = 0;
    virtual void show_message(std::string_view text, std::string_view caption) = 0;  // OK button
    virtual void focus_input(Court court) = 0;
    virtual void status_set_court(int which) = 0;  // 1 for court A, 2 for court B
};

// The two settings a conversion reads; the window reads them from the
// settings file at each conversion, the command-line tool from its options.
struct ConversionSettings {
    int zoom_content = 20200;   // 20200: before = after, 20201: after only
    int exponent_style = 1;     // 0 ... 3
};

ConversionSettings conversion_settings_from_file();

// State shared by the two courts.
struct ConversionState {
    bool live[2] = {true, false};  // live conversion of court A and B
    bool formula_error = false;    // the last conversion was rejected by the evaluator
};

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

// Runs one conversion of `court` on the current kind. True when a result
// was written; false after a validation failure or the error mark.
bool convert_court(Court court, CourtView& view, ConversionState& state, const ConversionSettings& settings);

// convert_court, then the status bar marks the court that converted.
void convert_and_report(Court court, CourtView& view, ConversionState& state, const ConversionSettings& settings);

} // namespace varuno
