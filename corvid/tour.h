// The guided tour of Corvid as plain data: its stages with their texts,
// buttons, focus and pointer labels, and where each button press leads.
//
// Texts are UTF-8 here; the window code converts them once it shows them.
// Buttons and pointer-label targets are control identifiers: the buttons of
// the balloon templates and the controls of varuno's main window.
#pragma once
#include <span>
#include <string_view>

#include "resources/corvid/corvid_resource.h"

namespace varuno::corvid {

enum class TourStage {
    kGreeting,
    kStep1,
    kStep2,
    kStep3,
    kStep4,
    kStep5,
    kStep6,
    kStep7,
    kStep8,
    kStep9,
    kStep10,
    kStep11,
    kReplayQuestion,
    kFarewell,
    kExitConfirm,
};

// Buttons of the balloon templates: their control identifiers.
enum TourButton : int {
    kButtonOk = IDC_BALLOON_OK,
    kButtonCancel = IDC_BALLOON_CANCEL,
    kButtonYes = IDC_BALLOON_YES,
    kButtonNo = IDC_BALLOON_NO,
    kButtonQuit = IDC_BALLOON_QUIT,
    kButtonNext = IDC_BALLOON_NEXT,
    kButtonPrevious = IDC_BALLOON_PREVIOUS,
};

// A pointer label's target in varuno's main window that is not a control:
// a rectangle fixed relative to the window's top-left corner (fixed_target).
constexpr int kFixedTarget = -1;

struct PointerLabel {
    std::string_view text;  // UTF-8
    int target;             // control identifier, or kFixedTarget
};

struct StageContent {
    std::string_view text;  // UTF-8; empty for the greeting (greeting_text)
    std::span<const int> buttons;
    int focus;
    std::span<const PointerLabel> labels;
};

const StageContent& stage_content(TourStage stage);

// The greeting: the first-run text while the tour has never been completed.
std::string_view greeting_text(bool tour_seen);

// The stage's text as the balloon shows it.
std::string_view stage_text(TourStage stage, bool tour_seen);

// True for the greeting, the eleven steps and the replay question: the
// stages that the exit confirmation's NO may return to.
bool in_tour_sequence(TourStage stage);

// Where the tour stands: the stage on show and the stage that showed when
// the exit confirmation opened.
struct TourState {
    TourStage stage = TourStage::kGreeting;
    TourStage return_stage = TourStage::kGreeting;
    bool finished = false;  // Farewell's OK: the guide ends
};

// The state after a press of `button` on the balloon of `state.stage`. A
// button that the stage does not show changes nothing.
TourState after_button(TourState state, int button);

// The state after a right click on the character while `state.stage`
// shows: the exit confirmation, returning to that stage.
TourState after_right_click(TourState state);

}  // namespace varuno::corvid
