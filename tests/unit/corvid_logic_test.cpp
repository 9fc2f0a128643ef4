// The guide's rules apart from its windows: the tour's stages and where each
// button leads, the placement of the windows, the wait for varuno, the
// balloons' geometry, the pointer labels, the character's shape and the
// labels' common blink.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "corvid/layout.h"
#include "corvid/names.h"
#include "corvid/tour.h"
#include "resources/window_contract.h"
#include "platform/cp932.h"

namespace varuno::corvid {
namespace {

using S = TourStage;

// 100 % and 200 % display scale.
constexpr Dpi k96{96}, k192{192};

std::vector<S> all_stages() {
    std::vector<S> stages;
    for (int s = static_cast<int>(S::kGreeting); s <= static_cast<int>(S::kExitConfirm); ++s)
        stages.push_back(static_cast<S>(s));
    return stages;
}

std::vector<int> buttons_of(S stage) {
    const auto b = stage_content(stage).buttons;
    return {b.begin(), b.end()};
}

std::vector<std::pair<std::string, int>> labels_of(S stage) {
    std::vector<std::pair<std::string, int>> out;
    for (const PointerLabel& l : stage_content(stage).labels) out.emplace_back(std::string(l.text), l.target);
    return out;
}

S step(int n) { return static_cast<S>(static_cast<int>(S::kStep1) + n - 1); }

TourState press(TourState state, int button) { return after_button(state, button); }

TEST(Tour, StagesHaveTheirButtonsFocusAndLabels) {
    EXPECT_EQ(buttons_of(S::kGreeting), (std::vector<int>{kButtonOk, kButtonCancel}));
    EXPECT_EQ(stage_content(S::kGreeting).focus, kButtonOk);
    for (int n = 1; n <= 11; ++n) {
        EXPECT_EQ(buttons_of(step(n)), (std::vector<int>{kButtonPrevious, kButtonNext, kButtonQuit})) << n;
        EXPECT_EQ(stage_content(step(n)).focus, kButtonNext) << n;
        // Each step says where the tour stands.
        const std::string mark = "《" + std::to_string(n) + "/11》";
        const std::string_view text = stage_text(step(n), false);
        EXPECT_TRUE(text.ends_with(mark)) << n;
        EXPECT_TRUE(text.starts_with("＞")) << n;
    }
    EXPECT_EQ(buttons_of(S::kReplayQuestion), (std::vector<int>{kButtonOk, kButtonQuit}));
    EXPECT_EQ(stage_content(S::kReplayQuestion).focus, kButtonQuit);
    EXPECT_EQ(buttons_of(S::kFarewell), (std::vector<int>{kButtonOk}));
    EXPECT_EQ(buttons_of(S::kExitConfirm), (std::vector<int>{kButtonYes, kButtonNo}));
    EXPECT_EQ(stage_content(S::kExitConfirm).focus, kButtonNo);  // the safe answer

    EXPECT_TRUE(labels_of(S::kGreeting).empty());
    EXPECT_TRUE(labels_of(step(1)).empty());
    EXPECT_TRUE(labels_of(step(11)).empty());
    EXPECT_EQ(labels_of(step(2)), (std::vector<std::pair<std::string, int>>{{"▼単位種選択ボタン", 5024}}));
    EXPECT_EQ(labels_of(step(3)), (std::vector<std::pair<std::string, int>>{{"▼ココ", kFixedTarget}}));
    EXPECT_EQ(labels_of(step(4)), labels_of(step(8)));
    EXPECT_EQ(labels_of(step(4)), (std::vector<std::pair<std::string, int>>{{"▼ステータスバー", 1100}}));
    EXPECT_EQ(labels_of(step(5)), (std::vector<std::pair<std::string, int>>{{"▼Aコート", 1040}, {"▼Bコート", 1041}}));
    EXPECT_EQ(labels_of(step(6)), (std::vector<std::pair<std::string, int>>{{"▼換算『前』単位リスト", 4000}}));
    EXPECT_EQ(labels_of(step(7)), (std::vector<std::pair<std::string, int>>{{"▼換算『後』単位リスト", 4001}}));
    EXPECT_EQ(labels_of(step(9)), (std::vector<std::pair<std::string, int>>{{"▼換算前数値『入力』欄", 4004},
                                                                            {"▼換算後数値『出力』欄", 4005}}));
    EXPECT_EQ(labels_of(step(10)),
              (std::vector<std::pair<std::string, int>>{{"▼拡大ビュー", 1014}, {"▼コピーボタン", 1029}}));
    EXPECT_EQ(labels_of(S::kFarewell), (std::vector<std::pair<std::string, int>>{{"▼ヘルプボタン", 5016}}));
    for (S stage : all_stages()) {
        const StageContent& content = stage_content(stage);
        EXPECT_NE(std::find(content.buttons.begin(), content.buttons.end(), content.focus), content.buttons.end());
        EXPECT_LE(content.labels.size(), 2u);  // the label table holds two
    }
}

TEST(Tour, GreetingFollowsTheCompletionMark) {
    EXPECT_TRUE(greeting_text(false).starts_with("＞はじめまして☆ Varunoをインストールしていただき"));
    EXPECT_TRUE(greeting_text(true).starts_with("＞おはようございます。"));
    EXPECT_EQ(stage_text(S::kGreeting, false), greeting_text(false));
    EXPECT_EQ(stage_text(S::kGreeting, true), greeting_text(true));
    EXPECT_EQ(stage_text(S::kExitConfirm, false), "Corvidian for Varunoを終了してもよろしいでしょうか？");
}

TEST(Tour, EveryTextSurvivesCodePage932) {
    // The windows show the texts through CP932: a character it cannot hold
    // would come out as '?'.
    auto lossless = [](std::string_view utf8) {
        bool ok = true;
        const std::string cp = cp932::from_utf8(utf8, &ok);
        return ok && cp932::to_utf8(cp) == utf8;
    };
    for (S stage : all_stages()) {
        for (bool seen : {false, true}) EXPECT_TRUE(lossless(stage_text(stage, seen))) << static_cast<int>(stage);
        for (const PointerLabel& l : stage_content(stage).labels) EXPECT_TRUE(lossless(l.text)) << l.text;
    }
    for (const GuideMessage& m : {kCannotStart, kTimedOut, kScreenTooSmall, kMainGone}) {
        EXPECT_TRUE(lossless(m.text));
        EXPECT_TRUE(lossless(m.caption));
    }
    for (std::string_view name : {contract::kMainWindowTitle, kMutexName, kOwnerClass}) EXPECT_TRUE(lossless(name));
}

TEST(Tour, NextAndPreviousWalkTheSequence) {
    TourState state;
    state = press(state, kButtonOk);
    EXPECT_EQ(state.stage, S::kStep1);
    EXPECT_EQ(press(state, kButtonPrevious).stage, S::kGreeting);
    for (int n = 1; n <= 11; ++n) {
        ASSERT_EQ(state.stage, step(n));
        if (n > 1) {
            EXPECT_EQ(press(state, kButtonPrevious).stage, step(n - 1));
        }
        state = press(state, kButtonNext);
    }
    EXPECT_EQ(state.stage, S::kReplayQuestion);
    // The replay starts again at Step1, not at the greeting.
    EXPECT_EQ(press(state, kButtonOk).stage, S::kStep1);
    state = press(state, kButtonQuit);
    EXPECT_EQ(state.stage, S::kFarewell);
    EXPECT_FALSE(state.finished);
    state = press(state, kButtonOk);
    EXPECT_TRUE(state.finished);
    // Once finished, nothing leads anywhere.
    EXPECT_TRUE(press(state, kButtonOk).finished);
    EXPECT_EQ(after_right_click(state).stage, S::kFarewell);
}

TEST(Tour, TheExitConfirmationReturnsWhereItCameFrom) {
    TourState state{step(7), S::kGreeting, false};
    state = press(state, kButtonQuit);
    EXPECT_EQ(state.stage, S::kExitConfirm);
    EXPECT_EQ(state.return_stage, step(7));
    const TourState back = press(state, kButtonNo);
    EXPECT_EQ(back.stage, step(7));
    EXPECT_EQ(press(back, kButtonNext).stage, step(8));
    EXPECT_EQ(press(state, kButtonYes).stage, S::kFarewell);

    // Cancel on the greeting, and NO back to it.
    state = press(TourState{}, kButtonCancel);
    EXPECT_EQ(state.stage, S::kExitConfirm);
    EXPECT_EQ(press(state, kButtonNo).stage, S::kGreeting);

    // A right click on the character while Step4 shows, then NO.
    state = after_right_click(TourState{step(4), S::kGreeting, false});
    EXPECT_EQ(state.stage, S::kExitConfirm);
    EXPECT_EQ(press(state, kButtonNo).stage, step(4));
    state = after_right_click(TourState{S::kReplayQuestion, S::kGreeting, false});
    EXPECT_EQ(press(state, kButtonNo).stage, S::kReplayQuestion);
    // Outside the tour sequence, NO goes back to the greeting.
    state = after_right_click(TourState{S::kFarewell, S::kGreeting, false});
    EXPECT_EQ(state.return_stage, S::kFarewell);
    EXPECT_EQ(press(state, kButtonNo).stage, S::kGreeting);
    // A right click while the confirmation itself shows changes nothing.
    state = press(TourState{step(2), S::kGreeting, false}, kButtonQuit);
    const TourState again = after_right_click(state);
    EXPECT_EQ(again.stage, S::kExitConfirm);
    EXPECT_EQ(again.return_stage, step(2));
}

TEST(Tour, ButtonsAStageDoesNotShowChangeNothing) {
    for (S stage : all_stages()) {
        for (int button = kButtonOk; button <= kButtonPrevious; ++button) {
            const auto shown = buttons_of(stage);
            if (std::find(shown.begin(), shown.end(), button) != shown.end()) continue;
            const TourState before{stage, step(3), false};
            const TourState after = press(before, button);
            EXPECT_EQ(after.stage, stage);
            EXPECT_EQ(after.return_stage, step(3));
            EXPECT_FALSE(after.finished);
        }
        EXPECT_EQ(press({stage, S::kGreeting, false}, 2).stage, stage);  // IDCANCEL from Escape
    }
}

TEST(Placement, ThreeScreenWidths) {
    // 1024 x 768: the pair meets at the middle of the screen.
    GuidePlacement p = guide_placement(1032, 776, 376, 216, k96);
    EXPECT_TRUE(p.fits);
    EXPECT_EQ(p.main_window.x, 516 - 376);
    EXPECT_EQ(p.main_window.y, 155);  // 776 / 5, truncated
    EXPECT_EQ(p.character.x, 516);
    EXPECT_EQ(p.character.y, 155 + 216 - 50);
    // 800 x 600: the main window in the corner, the character to the right.
    p = guide_placement(808, 608, 376, 216, k96);
    EXPECT_TRUE(p.fits);
    EXPECT_EQ(p.main_window.x, 3);
    EXPECT_EQ(p.main_window.y, 3);
    EXPECT_EQ(p.character.x, 808 - 470);
    EXPECT_EQ(p.character.y, 216 - 10);
    // The boundaries.
    EXPECT_EQ(guide_placement(901, 600, 376, 216, k96).main_window.x, 450 - 376);
    EXPECT_EQ(guide_placement(900, 600, 376, 216, k96).main_window.x, 3);
    EXPECT_TRUE(guide_placement(551, 400, 376, 216, k96).fits);
    EXPECT_FALSE(guide_placement(550, 400, 376, 216, k96).fits);
    EXPECT_FALSE(guide_placement(0, 0, 376, 216, k96).fits);
}

TEST(WaitForWindow, FiftyOneWaitsOfATenthOfASecond) {
    int looks = 0;
    std::vector<int> waits;
    auto wait = [&](int ms) { waits.push_back(ms); };
    EXPECT_FALSE(wait_for_window([&] { return ++looks, false; }, wait));
    EXPECT_EQ(looks, 52);  // the first look and one after each wait
    EXPECT_EQ(waits.size(), 51u);
    EXPECT_TRUE(std::all_of(waits.begin(), waits.end(), [](int ms) { return ms == 100; }));

    looks = 0;
    waits.clear();
    EXPECT_TRUE(wait_for_window([&] { return ++looks == 1; }, wait));
    EXPECT_TRUE(waits.empty());  // there already: no wait at all

    looks = 0;
    waits.clear();
    EXPECT_TRUE(wait_for_window([&] { return ++looks == 52; }, wait));  // found after the last wait
    EXPECT_EQ(waits.size(), 51u);

    looks = 0;
    waits.clear();
    EXPECT_TRUE(wait_for_window([&] { return ++looks == 4; }, wait));
    EXPECT_EQ(waits.size(), 3u);  // carries on as soon as the window is there
}

std::vector<std::pair<int, int>> places(S stage, int left, int right, Dpi dpi) {
    std::vector<std::pair<int, int>> out;
    for (const ButtonPlace& b : balloon_buttons(stage, left, right, dpi)) out.emplace_back(b.button, b.x);
    return out;
}

TEST(Balloon, ButtonsPerStage) {
    using V = std::vector<std::pair<int, int>>;
    EXPECT_EQ(places(S::kGreeting, 18, 175, k96), (V{{kButtonOk, 87 - 58}, {kButtonCancel, 92 + 5}}));
    EXPECT_EQ(places(S::kReplayQuestion, 18, 175, k96), (V{{kButtonOk, 29}, {kButtonQuit, 92 + 20}}));
    EXPECT_EQ(places(S::kFarewell, 18, 175, k96), (V{{kButtonOk, 29}}));
    EXPECT_EQ(places(S::kExitConfirm, 0, 123, k96), (V{{kButtonYes, 61 - 58}, {kButtonNo, 66 + 5}}));
    for (int n = 1; n <= 11; ++n)
        EXPECT_EQ(places(step(n), 18, 175, k96), (V{{kButtonPrevious, 23}, {kButtonNext, 81}, {kButtonQuit, 139}}));
    // The order matches the stage's buttons.
    for (S stage : all_stages()) {
        std::vector<int> ids;
        for (const ButtonPlace& b : balloon_buttons(stage, 18, 175, k96)) ids.push_back(b.button);
        EXPECT_EQ(ids, buttons_of(stage));
    }
}

TEST(Balloon, TailAndPlaceBesideTheCharacter) {
    const Rect tour_tail{0, 12, 18, 42};  // m = 27
    const auto left = tail_polygon(tour_tail, false, k96);
    EXPECT_EQ(left[0].x, 0);
    EXPECT_EQ(left[0].y, 17);
    EXPECT_EQ(left[1].y, 19);
    EXPECT_EQ(left[2].x, 18);
    EXPECT_EQ(left[2].y, 42);
    EXPECT_EQ(left[3].y, 12);
    const auto right = tail_polygon({123, 12, 141, 42}, true, k96);
    EXPECT_EQ(right[0].x, 122);
    EXPECT_EQ(right[0].y, 12);
    EXPECT_EQ(right[1].x, 122);
    EXPECT_EQ(right[1].y, 42);
    EXPECT_EQ(right[2].x, 141);
    EXPECT_EQ(right[2].y, 19);
    EXPECT_EQ(right[3].y, 17);

    const Rect character{516, 300, 778, 677};
    const Point tour = balloon_origin(character, 175, false, k96);
    EXPECT_EQ(tour.x, 778);
    EXPECT_EQ(tour.y, 380);
    const Point exit = balloon_origin(character, 141, true, k96);
    EXPECT_EQ(exit.x, 516 - 141 + 20);
    EXPECT_EQ(exit.y, 380);
}

TEST(Label, RingAndCaptionRightOfTheTarget) {
    const Rect target{100, 200, 180, 230};  // 80 x 30
    const LabelGeometry g = label_geometry(target, 60, 14, 1288, k96);
    EXPECT_FALSE(g.caption_left);
    // The ring's box lies 10 pixels outside the target on every side.
    EXPECT_EQ(g.origin.x + g.outer.left, 90);
    EXPECT_EQ(g.origin.y + g.outer.top, 190);
    EXPECT_EQ(g.origin.x + g.outer.right, 190);
    EXPECT_EQ(g.origin.y + g.outer.bottom, 240);
    EXPECT_EQ(g.inner.left - g.outer.left, 4);
    EXPECT_EQ(g.outer.bottom - g.inner.bottom, 4);
    // w = 100, h = 50: the caption from (75, 36), 70 x 24.
    EXPECT_EQ(g.caption.left, 75);
    EXPECT_EQ(g.caption.top, 36);
    EXPECT_EQ(g.caption.right, 145);
    EXPECT_EQ(g.caption.bottom, 60);
}

TEST(Label, CaptionGoesLeftNearTheRightEdge) {
    const Rect target{1200, 50, 1260, 70};  // w = 80, h = 40
    // cx = 70: 70 + 1260 - 10 = 1320 > 1288.
    const LabelGeometry g = label_geometry(target, 60, 14, 1288, k96);
    EXPECT_TRUE(g.caption_left);
    EXPECT_EQ(g.origin.x, 1200 - 70 - 10);
    EXPECT_EQ(g.origin.y, 40);
    EXPECT_EQ(g.origin.x + g.outer.left, 1190);  // the ring still circles the target
    EXPECT_EQ(g.origin.x + g.outer.right, 1270);
    EXPECT_EQ(g.caption.left, 20);
    EXPECT_EQ(g.caption.top, 30);
    EXPECT_EQ(g.caption.right, 90);
    EXPECT_EQ(g.caption.bottom, 54);
    // Exactly at the edge the caption stays on the right.
    EXPECT_FALSE(label_geometry(target, 38, 14, 1298, k96).caption_left);
    EXPECT_TRUE(label_geometry(target, 39, 14, 1298, k96).caption_left);
}

// On a screen too short for the Part's place (1280 x 800, a tall step
// text) the balloon moves up into the work area, its tail still at the
// character; where there is room it stays where it was.
TEST(Balloon, StaysInsideTheWorkArea) {
    const Rect character{640, 325, 902, 702}, work{0, 0, 1280, 800};
    EXPECT_EQ(balloon_in_work_area(character, 175, 300, false, 18, work, k96).y, 405);  // room: unchanged
    const Point tall = balloon_in_work_area(character, 175, 450, false, 18, work, k96);
    EXPECT_EQ(tall.x, 902);
    EXPECT_EQ(tall.y, 350);  // bottom at 800
    EXPECT_GE(tall.y + 18, character.top);
    // Taller still: the tip would rise above the character; the work area wins.
    const Point taller = balloon_in_work_area(character, 175, 700, false, 18, work, k96);
    EXPECT_EQ(taller.y, 100);
    // A character near the right edge pushes the balloon back onto the screen.
    const Rect right{1100, 325, 1262, 702};
    EXPECT_EQ(balloon_in_work_area(right, 175, 300, false, 18, work, k96).x, 1280 - 175);
    EXPECT_EQ(fit_into({-5, 900}, 100, 50, work).x, 0);
    EXPECT_EQ(fit_into({-5, 900}, 100, 50, work).y, 750);
}

TEST(Label, CaptionGoesAboveTheRingAtTheBottomOfTheWorkArea) {
    const Rect target{100, 760, 180, 790}, work{0, 0, 1280, 800};
    const LabelGeometry g = label_geometry(target, 60, 14, 1288, k96);
    ASSERT_GT(g.origin.y + g.caption.bottom, 800);
    const LabelGeometry fitted = label_in_work_area(g, work);
    EXPECT_LE(fitted.origin.y + fitted.caption.bottom, 800);
    EXPECT_EQ(fitted.caption.top, 0);
    EXPECT_EQ(fitted.caption.bottom - fitted.caption.top, g.caption.bottom - g.caption.top);
    // The ring stays around the target.
    EXPECT_EQ(fitted.origin.y + fitted.outer.top, 750);
    EXPECT_EQ(fitted.origin.y + fitted.outer.bottom, 800);
    EXPECT_EQ(fitted.origin.y + fitted.inner.top, 754);
    // The status bar of a window in the screen's corner: the ring, 10 pixels
    // outside it, would start left of the screen; the shape shifts right.
    const LabelGeometry corner =
        label_in_work_area(label_geometry({6, 200, 446, 220}, 100, 14, 808, k96), {0, 0, 808, 580});
    EXPECT_EQ(corner.origin.x + corner.outer.left, 0);
    EXPECT_LE(corner.origin.x + corner.outer.right, 808);
    // With room below, nothing moves.
    const LabelGeometry roomy = label_geometry({100, 200, 180, 230}, 60, 14, 1288, k96);
    EXPECT_EQ(label_in_work_area(roomy, work).caption.top, roomy.caption.top);
}

TEST(Label, FixedTargetOfStep3) {
    const Rect r = fixed_target(264, 160, k96);
    EXPECT_EQ(r.left, 333);
    EXPECT_EQ(r.top, 240);
    EXPECT_EQ(r.right, 506);
    EXPECT_EQ(r.bottom, 262);
}

// ---- Display scale: the same rules at 200 % (192 DPI) ----

Point twice(Point p) { return {2 * p.x, 2 * p.y}; }

void expect_point(Point actual, Point expected) {
    EXPECT_EQ(actual.x, expected.x);
    EXPECT_EQ(actual.y, expected.y);
}

// A screen at 200 % is placed like one of half its size at 100 %: the
// thresholds, the offsets and the result all scale.
TEST(ScaledPlacement, TwiceTheScreenAtTwiceTheScaleGivesTwiceThePlaces) {
    struct Screen {
        int W, H;
    };
    for (const Screen screen : {Screen{1280, 800}, Screen{1032, 776}, Screen{808, 608}, Screen{800, 450}}) {
        const GuidePlacement at96 = guide_placement(screen.W, screen.H, 376, 216, k96);
        const GuidePlacement at192 = guide_placement(2 * screen.W, 2 * screen.H, 752, 432, k192);
        ASSERT_TRUE(at96.fits) << screen.W;
        EXPECT_TRUE(at192.fits) << screen.W;
        expect_point(at192.main_window, twice(at96.main_window));
        expect_point(at192.character, twice(at96.character));
    }
    // The thresholds in the display's pixels: 900 and 550 at 96 DPI.
    EXPECT_EQ(guide_placement(1801, 1200, 752, 432, k192).main_window.x, 900 - 752);
    EXPECT_EQ(guide_placement(1800, 1200, 752, 432, k192).main_window.x, 6);
    EXPECT_TRUE(guide_placement(1101, 800, 752, 432, k192).fits);
    EXPECT_FALSE(guide_placement(1100, 800, 752, 432, k192).fits);
    // A 1280 x 800 display at 200 % is a narrow one.
    const GuidePlacement narrow = guide_placement(1280, 800, 752, 432, k192);
    EXPECT_TRUE(narrow.fits);
    expect_point(narrow.main_window, {6, 6});
    expect_point(narrow.character, {1280 - 940, 432 - 20});
    // At 150 % the thresholds are 1350 and 825.
    EXPECT_EQ(guide_placement(1351, 900, 564, 324, Dpi(144)).main_window.x, 675 - 564);
    EXPECT_EQ(guide_placement(1350, 900, 564, 324, Dpi(144)).main_window.x, 5);  // 4.5 rounds up
    EXPECT_TRUE(guide_placement(826, 600, 564, 324, Dpi(144)).fits);
    EXPECT_FALSE(guide_placement(825, 600, 564, 324, Dpi(144)).fits);
}

TEST(ScaledBalloon, ButtonsTailAndPlaceScaleWithTheDisplay) {
    // The buttons on a body twice as wide: the steps' exactly twice as far;
    // the centred ones within a pixel of it (the middle is halved).
    for (S stage : all_stages()) {
        const auto at96 = balloon_buttons(stage, 18, 175, k96);
        const auto at192 = balloon_buttons(stage, 36, 350, k192);
        ASSERT_EQ(at192.size(), at96.size());
        for (std::size_t i = 0; i < at96.size(); ++i) {
            EXPECT_EQ(at192[i].button, at96[i].button);
            EXPECT_NEAR(at192[i].x, 2 * at96[i].x, 1) << static_cast<int>(stage) << " " << i;
        }
    }
    EXPECT_EQ(places(step(1), 36, 350, k192),
              (std::vector<std::pair<int, int>>{{kButtonPrevious, 46}, {kButtonNext, 162}, {kButtonQuit, 278}}));
    // The tail's tip: its corners 20 and 16 pixels above the middle.
    const auto tail = tail_polygon({0, 24, 36, 84}, false, k192);  // m = 54
    EXPECT_EQ(tail[0].y, 34);
    EXPECT_EQ(tail[1].y, 38);
    EXPECT_EQ(tail[2].y, 84);
    EXPECT_EQ(tail_tip_y({0, 24, 36, 84}, k192), 36);
    EXPECT_EQ(tail_tip_y({0, 12, 18, 42}, k96), 18);
    const auto exit_tail = tail_polygon({246, 24, 282, 84}, true, k192);
    EXPECT_EQ(exit_tail[2].y, 38);
    EXPECT_EQ(exit_tail[3].y, 34);
    // 80 below the character's top and a 20 pixel overlap, doubled.
    const Rect character{1032, 600, 1556, 1354};
    expect_point(balloon_origin(character, 350, false, k192), {1556, 760});
    expect_point(balloon_origin(character, 282, true, k192), {1032 - 282 + 40, 760});
    // Kept inside a work area twice as large: twice the places at 100 %.
    const Rect c96{640, 325, 902, 702}, c192{1280, 650, 1804, 1404};
    const Rect work96{0, 0, 1280, 800}, work192{0, 0, 2560, 1600};
    for (int h : {300, 450, 700})
        expect_point(balloon_in_work_area(c192, 350, 2 * h, false, 36, work192, k192),
                     twice(balloon_in_work_area(c96, 175, h, false, 18, work96, k96)));
}

TEST(ScaledLabel, RingCaptionAndFixedTargetScaleWithTheDisplay) {
    // A target and a caption text twice the size at 100 % (the ring's box
    // 100 x 52, whose quarters place the caption, divides evenly).
    const LabelGeometry g96 = label_geometry({100, 200, 180, 232}, 60, 14, 1288, k96);
    const LabelGeometry g192 = label_geometry({200, 400, 360, 464}, 120, 28, 2576, k192);
    EXPECT_FALSE(g192.caption_left);
    expect_point(g192.origin, twice(g96.origin));
    for (auto part : {&LabelGeometry::outer, &LabelGeometry::inner, &LabelGeometry::caption}) {
        const Rect& a = g96.*part;
        const Rect& b = g192.*part;
        EXPECT_EQ(b.left, 2 * a.left);
        EXPECT_EQ(b.top, 2 * a.top);
        EXPECT_EQ(b.right, 2 * a.right);
        EXPECT_EQ(b.bottom, 2 * a.bottom);
    }
    // At 150 % the ring lies 15 pixels outside the target and is 6 thick;
    // the text sits 8 pixels inside its box.
    const LabelGeometry g144 = label_geometry({100, 200, 180, 230}, 60, 14, 1288, Dpi(144));
    EXPECT_EQ(g144.origin.x + g144.outer.left, 85);
    EXPECT_EQ(g144.origin.y + g144.outer.top, 185);
    EXPECT_EQ(g144.origin.x + g144.outer.right, 195);
    EXPECT_EQ(g144.inner.left - g144.outer.left, 6);
    EXPECT_EQ(g144.caption.right - g144.caption.left, 60 + 16);
    EXPECT_EQ(g144.caption.bottom - g144.caption.top, 14 + 16);
    // The caption goes left at the same place of a screen twice as wide.
    EXPECT_FALSE(label_geometry({2400, 100, 2520, 140}, 76, 28, 2596, k192).caption_left);
    EXPECT_TRUE(label_geometry({2400, 100, 2520, 140}, 78, 28, 2596, k192).caption_left);
    // Step 3's target, from a window at twice the place.
    const Rect r96 = fixed_target(264, 160, k96), r192 = fixed_target(528, 320, k192);
    EXPECT_EQ(r192.left, 2 * r96.left);
    EXPECT_EQ(r192.top, 2 * r96.top);
    EXPECT_EQ(r192.right, 2 * r96.right);
    EXPECT_EQ(r192.bottom, 2 * r96.bottom);
}

// The pixels covered by a set of rectangles; fails the test on overlaps.
std::set<std::pair<int, int>> covered(const std::vector<Rect>& rects) {
    std::set<std::pair<int, int>> pixels;
    for (const Rect& r : rects)
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x) EXPECT_TRUE(pixels.insert({x, y}).second) << x << "," << y;
    return pixels;
}

TEST(Shape, RunsCoverExactlyTheCharacterAndTheOrigin) {
    // A picture with holes, runs touching both edges, and a cut origin.
    const std::vector<std::string> picture = {
        ".##..#", "######", "#.#.#.", "......", "..##..",
    };
    auto part = [&](int x, int y) { return picture[y][x] == '#'; };
    const std::vector<Rect> runs = shape_runs(6, 5, part);
    std::set<std::pair<int, int>> expected{{0, 0}};
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 6; ++x)
            if (part(x, y)) expected.insert({x, y});
    EXPECT_EQ(covered(runs), expected);
    EXPECT_EQ(runs.size(), 1u + 2u + 1u + 3u + 1u);  // origin, then one rectangle per run
    for (const Rect& r : runs) EXPECT_EQ(r.bottom - r.top, 1);

    // Nothing but the cut colour: the origin pixel alone.
    const std::vector<Rect> empty = shape_runs(4, 3, [](int, int) { return false; });
    ASSERT_EQ(empty.size(), 1u);
    EXPECT_EQ(covered(empty), (std::set<std::pair<int, int>>{{0, 0}}));
    // An origin that is part of the character is not added twice.
    const std::vector<Rect> full = shape_runs(3, 2, [](int, int) { return true; });
    EXPECT_EQ(full.size(), 2u);
    EXPECT_EQ(covered(full).size(), 6u);
}

TEST(Shape, RandomPicturesMatchPixelByPixel) {
    std::mt19937 random(20240611);
    for (int round = 0; round < 20; ++round) {
        const int w = 1 + static_cast<int>(random() % 40), h = 1 + static_cast<int>(random() % 30);
        std::vector<bool> bits(static_cast<std::size_t>(w * h));
        for (std::size_t i = 0; i < bits.size(); ++i) bits[i] = random() % 3 != 0;
        auto part = [&](int x, int y) { return bits[static_cast<std::size_t>(y * w + x)]; };
        std::set<std::pair<int, int>> expected{{0, 0}};
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                if (part(x, y)) expected.insert({x, y});
        EXPECT_EQ(covered(shape_runs(w, h, part)), expected) << w << "x" << h;
    }
}

TEST(Blink, LabelsChangeColourTogether) {
    LabelBlink blink;
    EXPECT_EQ(blink.colour_phase(), 0);
    blink.tick(0);
    EXPECT_EQ(blink.colour_phase(), 1);
    blink.tick(1);
    EXPECT_EQ(blink.phase(1), 1);
    blink.tick(0);
    blink.tick(1);
    EXPECT_EQ(blink.colour_phase(), 0);
    EXPECT_EQ(blink.phase(1), 0);
    // The second label's timer running ahead never puts it out of step: it
    // takes the first label's phase.
    blink.tick(1);
    EXPECT_EQ(blink.phase(1), blink.phase(0));
    blink.tick(1);
    EXPECT_EQ(blink.phase(1), blink.phase(0));
    blink.tick(0);
    EXPECT_EQ(blink.colour_phase(), 1);
    blink.reset();
    EXPECT_EQ(blink.colour_phase(), 0);
    EXPECT_EQ(blink.phase(1), 0);
}

}  // namespace
}  // namespace varuno::corvid
