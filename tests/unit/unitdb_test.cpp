// The registry, labels, sort orders, list filling and the unit search.
#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "platform/cp932.h"
#include "test_units.h"
#include "unitdb/accessors.h"
#include "unitdb/lists.h"
#include "unitdb/registry.h"
#include "unitdb/search.h"
#include "unitdb/sort.h"

namespace varuno {
namespace {

using test::cp;
using test::row_labelled;
using test::row_named;

// Records what select_kind and fill_unit_lists do to the window.
struct FakeLists : UnitListView {
    std::vector<std::string> lists[4];
    std::string result_line = "old";
    std::string status;
    int clears = 0;
    bool unit_chosen = true;
    void clear_list(UnitList l) override {
        lists[l].clear();
        ++clears;
    }
    void append_to_list(UnitList l, std::string_view label) override { lists[l].emplace_back(label); }
    void set_result_line(std::string_view t) override { result_line = t; }
    void clear_unit_chosen() override { unit_chosen = false; }
    void status_show_kind(std::string_view name) override { status = name; }
};

// The tables go back to storage order after each test.
class SortSetting : public ::testing::Test {
protected:
    void SetUp() override { test::tables(); }
    void TearDown() override {
        for (int k = 0; k < kind_count; ++k) sort_units(test::tables().table(k), kSortStorage);
    }
};

std::vector<std::string> labels_in_order(const udb& t) {
    std::vector<std::string> out;
    for (int p = 0; p < t.count; ++p) out.push_back(unit_label(t, p));
    return out;
}

TEST(Registry, SixtyNineKindsFromLengthToPackingBoxes) {
    test::tables();
    EXPECT_EQ(kind_names[0], cp("寸法"));
    EXPECT_EQ(kind_names[kind_count - 1], cp("包装箱"));
    EXPECT_EQ(kind_names[69], cp("通貨"));
    EXPECT_EQ(find_kind(cp("通貨")), -1);  // beyond kind_count: never offered
    EXPECT_EQ(find_kind(cp("圧力")), 5);
    EXPECT_EQ(kind_icons[0], 600);
    EXPECT_EQ(kind_icons[3], 193);
    EXPECT_EQ(kind_icons[69], 204);
}

// Readers need not know whether a table was asked for before: the first
// access through either accessor builds it, once.
TEST(Registry, EitherAccessorBuildsATableOnce) {
    const UnitTables fresh;
    const udb& pressure = fresh[5];
    EXPECT_EQ(pressure.count, test::tables()[5].count);
    EXPECT_EQ(&fresh[5], &pressure);
    EXPECT_EQ(pressure.rows, fresh[5].rows);
    EXPECT_EQ(fresh[69].count, 0);
    UnitTables other;
    udb& length = other.table(0);
    EXPECT_EQ(&std::as_const(other)[0], &length);
    EXPECT_EQ(other[0].rows, length.rows);
}

TEST(Labels, SymbolCountryAndAuxiliary) {
    test::tables();
    const udb& len = test::tables().table(0);
    EXPECT_EQ(unit_label(len, 47), "nmi");
    EXPECT_EQ(unit_label(len, 48), cp("nmi[英]"));
    EXPECT_EQ(unit_label(len, 49), cp("nmi[英;旧式]"));
    EXPECT_EQ(unit_label(len, 24), "league[min]");
    EXPECT_EQ(unit_label(test::tables()[8], 4), cp("ﾟR[Rankine]"));
    // One-byte countries and auxiliary symbols stay in the label, not in the key.
    const int gou = row_named(2, "ごう(日本)");
    EXPECT_EQ(unit_label(test::tables()[2], gou), cp("合[日;3]"));
    EXPECT_EQ(unit_sort_key(test::tables()[2], gou), cp("合[日]"));
    const int troy = row_labelled(3, "oz[英;t]");
    ASSERT_GE(troy, 0);
    EXPECT_EQ(unit_sort_key(test::tables()[3], troy), cp("oz[英]"));
    EXPECT_EQ(unit_label(test::tables()[1], 36), cp("勺[2]"));
    EXPECT_EQ(unit_sort_key(test::tables()[1], 36), cp("勺"));
}

// A label typed into a unit list's box: exactly, or the one label that
// differs only in the case of ASCII letters; never a guess between several.
TEST(Labels, TypedLabelsFindTheirUnit) {
    test::tables();
    const udb& len = test::tables().table(0);
    EXPECT_EQ(find_label(len, "mm"), row_labelled(0, "mm"));
    EXPECT_EQ(find_label(len, "m"), row_labelled(0, "m"));  // not the first label starting with m
    EXPECT_EQ(find_label(len, cp("NMI[英]")), row_labelled(0, "nmi[英]"));
    EXPECT_EQ(find_label(len, "nmi"), 47);
    EXPECT_EQ(find_label(len, "m "), -1);
    EXPECT_EQ(find_label(len, ""), -1);
    EXPECT_EQ(find_label(len, "zz"), -1);
    // 質量 lists 「mom[真珠・珊瑚用]」 twice: typing it cannot tell which.
    EXPECT_EQ(find_label(test::tables()[3], cp("mom[真珠・珊瑚用]")), -1);
    // 寸法 has both mm (millimetre) and Mm (megametre): each typed exactly is
    // its own unit, and a text that folds to both ("MM") is neither.
    const int mega = row_labelled(0, "Mm");
    ASSERT_GE(mega, 0);
    EXPECT_EQ(find_label(len, "Mm"), mega);
    EXPECT_EQ(find_label(len, "mM"), -1);
    EXPECT_EQ(find_label(test::tables()[50], "b"), row_labelled(50, "B"));  // 「bit」 is no match for 「b」
    // A trail byte that looks like a letter is never folded: 「ｍ」 is no m.
    EXPECT_EQ(find_label(len, cp("ｍ")), -1);
}

TEST(Accessors, GroupsRatesAndPositions) {
    test::tables();
    const udb& len = test::tables().table(0);
    EXPECT_EQ(unit_group(len, 16), 2);
    EXPECT_STREQ(unit_rate(len, 13, 1), "0.0254");
    EXPECT_STREQ(unit_rate(len, 13, 2), "1/36");
    EXPECT_STREQ(unit_name(len, 26), cp("しゃく").c_str());
    EXPECT_EQ(display_position(len, 87), 87);
    EXPECT_EQ(display_position(len, 88), -1);
    const udb empty{};
    EXPECT_EQ(display_position(empty, 0), -1);
}

TEST_F(SortSetting, NoStoredOrderMeansStorageOrder) {
    FakeLists view;
    // A missing setting gives a negative option.
    const udb* table = select_kind(test::tables(), 0, -20206, view);
    ASSERT_EQ(table, &test::tables()[0]);
    for (int p = 0; p < table->count; ++p) EXPECT_EQ(table->order[p], p);
}

TEST_F(SortSetting, SelectKindFillsAllFourListsAndClearsTheRest) {
    FakeLists view;
    const udb* table = select_kind(test::tables(), 3, kSortSymbolUp, view);
    ASSERT_NE(table, nullptr);
    ASSERT_EQ(view.lists[0].size(), 122u);
    for (int l = 1; l < 4; ++l) EXPECT_EQ(view.lists[l], view.lists[0]);
    EXPECT_EQ(view.lists[0], labels_in_order(*table));
    EXPECT_EQ(view.clears, 4);
    EXPECT_EQ(view.result_line, "");
    EXPECT_FALSE(view.unit_chosen);
    EXPECT_EQ(view.status, cp("質量"));
    // The identical rows 86 and 87 stay next to each other.
    const int p86 = display_position(*table, 86), p87 = display_position(*table, 87);
    EXPECT_EQ(std::abs(p86 - p87), 1);
}

TEST_F(SortSetting, MinusOneSelectsNothing) {
    FakeLists view;
    EXPECT_EQ(select_kind(test::tables(), -1, 0, view), nullptr);
    EXPECT_EQ(select_kind(test::tables(), kind_count, 0, view), nullptr);  // 通貨 is never offered
    EXPECT_EQ(view.clears, 0);
    EXPECT_EQ(view.status, "");
}

TEST_F(SortSetting, SameKindTwiceGivesTheSameList) {
    FakeLists first, second;
    select_kind(test::tables(), 2, kSortSymbolDown, first);
    select_kind(test::tables(), 1, kSortSymbolDown, second);
    select_kind(test::tables(), 2, kSortSymbolDown, second);
    EXPECT_EQ(first.lists[0], second.lists[0]);
}

TEST_F(SortSetting, SymbolOrderAscendingAndDescending) {
    udb& vol = test::tables().table(2);
    sort_units(vol, kSortSymbolUp);
    for (int p = 1; p < vol.count; ++p)
        EXPECT_LE(cp932::compare(unit_sort_key(vol, vol.order[p - 1]), unit_sort_key(vol, vol.order[p])), 0) << p;
    sort_units(vol, kSortSymbolDown);
    for (int p = 1; p < vol.count; ++p)
        EXPECT_GE(cp932::compare(unit_sort_key(vol, vol.order[p - 1]), unit_sort_key(vol, vol.order[p])), 0) << p;
    // 温度: ASCII before half-width katakana before double-byte characters.
    udb& temp = test::tables().table(8);
    sort_units(temp, kSortSymbolUp);
    EXPECT_EQ(labels_in_order(temp), (std::vector<std::string>{"K", cp("ﾟF"), cp("ﾟR"), cp("ﾟR[Rankine]"), cp("℃")}));
}

TEST_F(SortSetting, RateOrdersAndTheirFallbacks) {
    udb& len = test::tables().table(0);
    sort_units(len, kSortRateUp);
    EXPECT_EQ(len.order[0], 40);                       // ユカワ and フェルミ (1e-15 m) come first...
    EXPECT_EQ(unit_label(len, len.count - 1), "kpc");  // ...the kiloparsec last
    sort_units(len, kSortRateDown);
    EXPECT_EQ(unit_label(len, 0), "kpc");
    // 温度's rates are formulas the evaluator rejects: every row still listed once.
    udb& temp = test::tables().table(8);
    sort_units(temp, kSortRateUp);
    std::vector<int> rows(temp.order, temp.order + temp.count);
    std::sort(rows.begin(), rows.end());
    EXPECT_EQ(rows, (std::vector<int>{0, 1, 2, 3, 4}));
    // Options outside 1-4 mean storage order; a table of one unit sorts to itself.
    sort_units(len, 7);
    EXPECT_EQ(len.order[5], 5);
    sort_units(test::tables().table(16), kSortSymbolDown);
    EXPECT_EQ(test::tables()[16].order[0], 0);
}

TEST_F(SortSetting, BytesShareTheirSortKey) {
    udb& info = test::tables().table(50);
    const int b = row_labelled(50, "B"), b8 = row_labelled(50, "B[8]");
    ASSERT_GE(b, 0);
    ASSERT_GE(b8, 0);
    EXPECT_EQ(unit_sort_key(info, b), unit_sort_key(info, b8));
    sort_units(info, kSortSymbolUp);
    EXPECT_EQ(std::abs(display_position(info, b) - display_position(info, b8)), 1);
}

TEST(Search, PartialAndFullMatchesInKindThenStorageOrder) {
    test::tables();
    std::vector<int> all;
    for (int k = 0; k < kind_count; ++k) all.push_back(k);
    const auto hits = find_units(test::tables(), "m", all, SearchOptions{});
    ASSERT_FALSE(hits.empty());
    EXPECT_TRUE(std::is_sorted(hits.begin(), hits.end(), [](const search_hit& a, const search_hit& b) {
        return a.kind != b.kind ? a.kind < b.kind : (a.row != b.row ? a.row < b.row : a.field < b.field);
    }));
    const int metre = row_named(0, "メートル");
    EXPECT_NE(std::find_if(
                  hits.begin(), hits.end(),
                  [&](const search_hit& h) { return h.kind == 0 && h.row == metre && h.field == 1 && h.grade == 2; }),
              hits.end());
    for (const auto& h : hits)
        EXPECT_NE(std::string(search_field_text(test::tables()[h.kind], h.row, h.field)).find('m'), std::string::npos);
}

TEST(Search, CaseOptionOnlyForFullMatches) {
    test::tables();
    const std::vector<int> length{0};
    SearchOptions o;
    auto hits = find_units(test::tables(), "KM", length, o);
    ASSERT_EQ(hits.size(), 1u);
    EXPECT_EQ(hits[0].row, row_named(0, "キロメートル"));
    EXPECT_EQ(hits[0].grade, 2);
    o.whole_field = true;
    EXPECT_EQ(find_units(test::tables(), "KM", length, o).size(), 1u);
    o.case_sensitive = true;
    EXPECT_TRUE(find_units(test::tables(), "KM", length, o).empty());
    // "pc" occurs in "kpc": partial matches always respect case.
    o = SearchOptions{};
    bool kpc = false;
    for (const auto& h : find_units(test::tables(), "PC", length, o)) kpc |= h.grade == 1;
    EXPECT_FALSE(kpc);
}

TEST(Search, EmptyMarkAndNoTargetsFindNothing) {
    test::tables();
    std::vector<int> all;
    for (int k = 0; k < kind_count; ++k) all.push_back(k);
    EXPECT_TRUE(find_units(test::tables(), ";", all, SearchOptions{}).empty());
    SearchOptions none;
    none.fields = {};
    EXPECT_TRUE(find_units(test::tables(), "m", all, none).empty());
}

TEST(Search, PartialMatchesStayOnCharacterBoundaries) {
    test::tables();
    // ソ is 0x83 0x5C: a search for "\" must not find it inside ソ.
    const std::vector<int> kinds{0, 1, 2, 3};
    for (const auto& h : find_units(test::tables(), "\\", kinds, SearchOptions{}))
        ADD_FAILURE() << "kind " << h.kind << " row " << h.row << " field " << h.field;
    // 寸 in 寸法-like texts is found; "尺" matches 尺 and 平方尺 and 曲尺尺.
    EXPECT_GE(find_units(test::tables(), cp("尺"), {0}, SearchOptions{}).size(), 5u);
}

TEST(Search, HistoryKeepsAtMost101EntriesWithoutRepeatingTheNewest) {
    std::vector<std::string> history;
    add_to_history(history, "A");
    add_to_history(history, "A");
    EXPECT_EQ(history.size(), 1u);
    add_to_history(history, "B");
    add_to_history(history, "A");
    EXPECT_EQ(history, (std::vector<std::string>{"A", "B", "A"}));
    history.clear();
    for (int i = 0; i < 101; ++i) add_to_history(history, std::to_string(i));
    EXPECT_EQ(history.size(), 101u);
    add_to_history(history, "new");
    EXPECT_EQ(history.size(), 101u);
    EXPECT_EQ(history.front(), "1");
    EXPECT_EQ(history.back(), "new");
}

}  // namespace
}  // namespace varuno
