// The main window's court rules apart from the controls: what a conversion
// shows, when validation speaks, and what a change of units leaves in view;
// and which list events are the user's choice of a unit.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "mainwin/courts.h"
#include "mainwin/unit_box.h"
#include "test_units.h"
#include "unitdb/accessors.h"
#include "unitdb/registry.h"

namespace varuno {
namespace {

using test::cp;
using test::row_labelled;

// The window as the courts change it.
struct FakeDisplay : CourtDisplay {
    std::string output[2] = {"untouched", "untouched"};
    std::string zoom = "untouched";
    std::vector<std::string> messages;
    int focused = -1, marked = -1;

    void show_output(Court c, std::string_view t) override { output[c] = t; }
    void show_zoom(std::string_view t) override { zoom = t; }
    void show_message(std::string_view t) override { messages.emplace_back(t); }
    void focus_input(Court c) override { focused = c; }
    void mark_court(Court c) override { marked = c; }
};

class CourtRules : public ::testing::Test {
protected:
    void SetUp() override { test::tables(); }
    // 寸法, from `from` to `to` (list labels; "" for no unit), input `text`.
    ConversionRequest request(const char* from, const char* to, std::string_view text) {
        const udb& table = test::tables()[0];
        auto position = [&](const char* label) {
            return *label ? display_position(table, row_labelled(0, label)) : -1;
        };
        return {&table, false, text, position(from), position(to), {}};
    }

    Courts courts;
    FakeDisplay display;
};

TEST_F(CourtRules, AResultIsShownAndItsCourtMarked) {
    EXPECT_TRUE(courts.convert(kCourtB, request("in", "ft", "24"), display));
    EXPECT_EQ(display.output[kCourtB], "2.");
    EXPECT_EQ(display.zoom, "24 in = 2 ft");
    EXPECT_EQ(display.marked, kCourtB);
    EXPECT_FALSE(courts.formula_error());
}

TEST_F(CourtRules, ValidationSpeaksOnlyWhenTheCourtIsNotLive) {
    EXPECT_FALSE(courts.convert(kCourtA, request("", "m", "12"), display));  // court A starts live
    EXPECT_TRUE(display.messages.empty());
    EXPECT_FALSE(courts.convert(kCourtB, request("mm", "", "12"), display));
    EXPECT_FALSE(courts.convert(kCourtB, request("mm", "m", ""), display));
    ASSERT_EQ(display.messages.size(), 2u);
    EXPECT_EQ(display.messages[0], cp("Bコートの換算『後』単位記号が選択されていません。"));
    EXPECT_EQ(display.messages[1], cp("Bコートの換算前数値入力欄に数式が入力されていません。"));
    EXPECT_EQ(display.output[kCourtB], "untouched");  // a failed validation leaves the fields
    EXPECT_EQ(display.zoom, "untouched");
    EXPECT_EQ(display.marked, -1);
}

TEST_F(CourtRules, TheErrorMarkFocusesTheInputAndSetsTheFlagUntilTheNextConversion) {
    EXPECT_FALSE(courts.convert(kCourtA, request("mm", "m", "12*"), display));
    EXPECT_EQ(display.output[kCourtA], cp("ERR!ヘルプ参照"));
    EXPECT_EQ(display.zoom, cp("ERR!ここをクリックしてください。"));
    EXPECT_EQ(display.focused, kCourtA);
    EXPECT_EQ(display.marked, -1);
    EXPECT_TRUE(courts.formula_error());
    EXPECT_FALSE(courts.convert(kCourtA, request("mm", "", "12"), display));  // any conversion clears it
    EXPECT_FALSE(courts.formula_error());
}

// No result of other units than the lists show stays in view.
TEST_F(CourtRules, ChangedUnitsConvertALiveCourtAndEmptyAManualOne) {
    courts.set_live(kCourtB, false);
    ASSERT_TRUE(courts.convert(kCourtB, request("in", "ft", "24"), display));
    // Court B's after unit becomes m: court B is manual, so its result goes,
    // and the zoom view that shows it too.
    courts.units_changed(kCourtB, request("in", "m", "24"), display);
    EXPECT_EQ(display.output[kCourtB], "");
    EXPECT_EQ(display.zoom, "");
    EXPECT_TRUE(display.messages.empty());

    // Court A is live: a change converts again.
    courts.units_changed(kCourtA, request("ft", "m", "2"), display);
    EXPECT_EQ(display.output[kCourtA], "0.6096");
    EXPECT_EQ(display.zoom, "2 ft = 0.6096 m");
    // A change in court B now leaves court A's zoom line alone.
    display.output[kCourtB] = "1.";
    courts.units_changed(kCourtB, request("in", "ft", "12"), display);
    EXPECT_EQ(display.output[kCourtB], "");
    EXPECT_EQ(display.zoom, "2 ft = 0.6096 m");

    // A live court whose new units cannot convert (no after unit) shows nothing.
    courts.units_changed(kCourtA, request("ft", "", "2"), display);
    EXPECT_EQ(display.output[kCourtA], "");
    EXPECT_EQ(display.zoom, "");
    EXPECT_TRUE(display.messages.empty());
}

TEST_F(CourtRules, AnErrorMarkStaysAfterAChangeOfUnitsAndANewKindForgetsTheZoomLine) {
    courts.units_changed(kCourtA, request("ft", "m", "2*"), display);
    EXPECT_EQ(display.output[kCourtA], cp("ERR!ヘルプ参照"));
    EXPECT_TRUE(courts.formula_error());
    courts.cleared();  // the kind changed: the window emptied the fields itself
    display.zoom = "";
    courts.set_live(kCourtA, false);
    courts.units_changed(kCourtA, request("ft", "m", "2"), display);
    EXPECT_EQ(display.output[kCourtA], "");
    EXPECT_EQ(display.zoom, "");
}

TEST(UnitBoxChoice, ClosingTheListWithoutAChoiceKeepsTheUnitAndItsText) {
    UnitBox box;
    box.set(7);
    box.opened("m");
    EXPECT_TRUE(box.is_open());
    EXPECT_FALSE(box.moved(1));  // the list's own highlight while open
    const UnitBox::Closed closed = box.closed(1);
    EXPECT_FALSE(closed.changed);
    EXPECT_TRUE(closed.restore);
    EXPECT_EQ(box.chosen(), 7);
    EXPECT_EQ(box.text_before(), "m");
    EXPECT_FALSE(box.is_open());
}

TEST(UnitBoxChoice, APickOrAKeyboardCloseAfterNavigatingChooses) {
    UnitBox box;
    box.set(7);
    box.opened("m");
    box.picked();
    UnitBox::Closed closed = box.closed(4);
    EXPECT_TRUE(closed.changed);
    EXPECT_FALSE(closed.restore);
    EXPECT_EQ(box.chosen(), 4);

    box.opened("mm");
    box.picked();
    closed = box.closed(4);  // the same unit picked again
    EXPECT_FALSE(closed.changed);
    EXPECT_FALSE(closed.restore);

    box.opened("mm");
    box.closing_by_key();  // F4 right after F4: nothing chosen
    EXPECT_TRUE(box.closed(5).restore);
    EXPECT_EQ(box.chosen(), 4);

    box.opened("mm");
    box.navigated();
    box.closing_by_key();
    EXPECT_TRUE(box.closed(5).changed);
    EXPECT_EQ(box.chosen(), 5);

    box.picked();  // nothing is open: no effect on the next opening
    box.opened("cm");
    EXPECT_TRUE(box.closed(9).restore);
}

TEST(UnitBoxChoice, ArrowKeysAndTypingOnTheClosedListChoose) {
    UnitBox box;
    EXPECT_EQ(box.chosen(), -1);
    EXPECT_TRUE(box.moved(3));
    EXPECT_FALSE(box.moved(3));
    EXPECT_TRUE(box.typed(-1));  // a text that is no label: no unit
    EXPECT_EQ(box.chosen(), -1);
    EXPECT_TRUE(box.typed(12));
    EXPECT_FALSE(box.typed(12));
    box.opened("mm");
    EXPECT_FALSE(box.typed(3));  // while open only the highlight follows
    EXPECT_EQ(box.chosen(), 12);
}

}  // namespace
}  // namespace varuno
