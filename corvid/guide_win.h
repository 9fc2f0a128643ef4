// The guide program's windows and their state: one Guide object holds
// everything (the hidden owner window, the character, the balloon on show
// and its pointer labels); each window procedure reaches it from its window.
#pragma once
#include <windows.h>

#include <array>
#include <string>

#include "corvid/fonts_win.h"
#include "corvid/layout.h"
#include "corvid/names.h"
#include "corvid/tour.h"
#include "platform/dpi.h"
#include "platform/handles_win.h"

namespace varuno::corvid {

// What ended a balloon other than one of its buttons.
constexpr int kBalloonRightClicked = -2;  // the character was right-clicked
constexpr int kBalloonClosed = -3;        // the guide is closing
constexpr int kBalloonMainGone = -4;      // varuno's window went away before it opened

class Guide;

// The pointer labels of the balloon on show: blinking red rings with a
// caption around controls of varuno's main window (dialog 168, modeless).
class Labels {
public:
    explicit Labels(Guide& guide) : guide_(guide) {}
    // Opens the stage's labels around their targets in `main_window`,
    // measured now. A target that the window does not have gets no label.
    void open(TourStage stage, HWND main_window, HWND balloon);
    // Destroys the labels and forgets their texts.
    void close();
    // While a balloon button is held down the labels keep blinking in step
    // but do not repaint, so that the press is not disturbed.
    void set_button_held(bool held) { held_ = held; }
    std::size_t count() const { return static_cast<std::size_t>(count_); }

private:
    struct Label {
        Labels* owner = nullptr;
        int index = 0;
        Rect target{};
        std::string text;  // CP932; its size is the length in bytes
        HWND window = nullptr;
        LabelGeometry shape{};
        UniqueFont font;  // the caption's, for the DPI when the label opened
    };
    static INT_PTR CALLBACK proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
    void lay_out(Label& label);
    void paint(Label& label);
    void keep_balloon_active() const;

    Guide& guide_;
    std::array<Label, 2> labels_{};
    int count_ = 0;
    LabelBlink blink_;
    bool held_ = false;
    HWND balloon_ = nullptr;
    Dpi dpi_;                                   // of the monitor of varuno's window, when the labels opened
    std::array<UniqueBrush, 2> blink_brushes_;  // the two blink colours, made when first needed
};

class Guide {
public:
    explicit Guide(HINSTANCE instance);
    // Runs the guide: the hidden owner window, then the character window for
    // as long as the guide lives. Answers the character dialog's result
    // (−1 when it could not be made).
    INT_PTR run();

    HINSTANCE instance() const { return instance_; }
    HWND owner() const { return owner_; }
    GuideFonts& fonts() { return fonts_; }
    // The 10-point "ＭＳ Ｐゴシック" of the balloons' and labels' texts, for
    // a window on a monitor of `dpi`.
    UniqueFont text_font(Dpi dpi) { return UniqueFont(fonts_.create(GuideFace::kPGothic, 10, dpi)); }
    Labels& labels() { return labels_; }
    HWND character_window() const { return character_; }

    // The balloon of `stage` beside the character, until it closes: the
    // pressed button's identifier or one of the results above.
    int run_balloon(TourStage stage);
    // The balloon on show closes (its labels first), making run_balloon
    // answer `result`.
    void end_balloon(int result);
    // The stage whose balloon shows, or false when none does.
    bool balloon_showing(TourStage& stage) const;

private:
    friend struct Balloon;
    static LRESULT CALLBACK owner_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
    static INT_PTR CALLBACK character_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
    INT_PTR character(UINT message, WPARAM wparam, LPARAM lparam);
    void start_up();
    // The icon, picture and shape for the character's DPI.
    bool apply_dpi();
    void on_dpi_changed(Dpi dpi, const RECT& suggested);
    bool take_shape();
    HWND find_or_start_main();
    bool place_windows(HWND main);
    void run_tour();
    void stop();
    void paint_character();

    HINSTANCE instance_;
    HWND owner_ = nullptr;
    HWND character_ = nullptr;
    GuideFonts fonts_;
    Dpi dpi_;  // the character's
    UniqueBitmap picture_;
    UniqueIcon icon_;
    SIZE size_{};
    bool stop_ = false;
    Labels labels_{*this};
    struct Balloon* balloon_ = nullptr;  // the balloon on show
};

// varuno's main window, looked up afresh by its exact title; null when it is
// not there.
HWND find_main_window();

// The work area (the screen without task bars) of the monitor that shows
// most of `window`, or of the monitor at the rectangle `r`.
Rect work_area_of(HWND window);
Rect work_area_at(const RECT& r);

// The title every window of the guide carries.
void set_guide_title(HWND window);

// A plain message box with an OK button.
void show_message(HWND owner, const GuideMessage& message);

// Whether the tour has ever been completed, read from the ini file at each
// call; and the mark written when the guide ends.
bool tour_seen();
void record_tour_seen();

}  // namespace varuno::corvid
