#include "mainwin/courts.h"

namespace varuno {

bool Courts::convert(Court court, const ConversionRequest& request, CourtDisplay& display) {
    const Conversion done = varuno::convert(request);
    formula_error_ = done.result == ConversionResult::kErrorMark;
    switch (done.result) {
    case ConversionResult::kConverted:
    case ConversionResult::kErrorMark:
        display.show_output(court, done.output);
        display.show_zoom(done.zoom);
        zoom_court_ = court;
        if (formula_error_) {
            display.focus_input(court);
            return false;
        }
        display.mark_court(court);
        return true;
    default:
        if (!live_[court]) display.show_message(validation_message(court, done.result));
        return false;
    }
}

void Courts::units_changed(Court court, const ConversionRequest& request, CourtDisplay& display) {
    if (live_[court] && (convert(court, request, display) || formula_error_)) return;
    display.show_output(court, "");
    if (zoom_court_ == court) {
        display.show_zoom("");
        zoom_court_ = -1;
    }
}

}  // namespace varuno
