// The two courts of the main window apart from the controls: which court
// converts live, whether the last conversion ended in the error mark, whose
// result the zoom view shows, and what the window shows after a conversion
// or a change of units. The window reads the controls into a request and
// carries out what this tells it through CourtDisplay.
#pragma once
#include <string_view>

#include "convert/engine.h"

namespace varuno {

// What the courts change on the window.
class CourtDisplay {
public:
    virtual ~CourtDisplay() = default;
    virtual void show_output(Court court, std::string_view text) = 0;
    virtual void show_zoom(std::string_view text) = 0;
    // A validation message (caption kConversionErrorCaption, OK button).
    virtual void show_message(std::string_view text) = 0;
    virtual void focus_input(Court court) = 0;
    // The status bar marks the court that produced the last result.
    virtual void mark_court(Court court) = 0;
};

class Courts {
public:
    bool live(Court court) const { return live_[court]; }
    void set_live(Court court, bool on) { live_[court] = on; }
    // True after a conversion that ended in the error mark, until the next
    // conversion starts; a click on the zoom view then explains it.
    bool formula_error() const { return formula_error_; }

    // Converts `court` and shows the outcome: the result (and the court in
    // the status bar), the error mark (and the focus in the court's input
    // field), or, when the court is not live, the validation message.
    // Answers whether a result was written.
    bool convert(Court court, const ConversionRequest& request, CourtDisplay& display);

    // The court's units changed. A live court converts again; a court that
    // then shows no result of its own (not live, or its conversion could not
    // run) has its output emptied, and the zoom view too when it shows this
    // court's result, so that no result of other units stays in view.
    void units_changed(Court court, const ConversionRequest& request, CourtDisplay& display);

    // A kind was made current: the fields and the zoom view were emptied.
    void cleared() { zoom_court_ = -1; }

private:
    bool live_[2] = {true, false};
    bool formula_error_ = false;
    int zoom_court_ = -1;  // the court whose result or error mark the zoom view shows
};

}  // namespace varuno
