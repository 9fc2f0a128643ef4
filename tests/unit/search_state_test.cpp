// The unit search dialog's state without its window: the FIND section, the
// sorting of result rows with their hit records, and the texts of a hit.
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "dialogs/search_state.h"
#include "platform/cp932.h"
#include "platform/ini.h"
#include "tests/unit/own_ini_file.h"
#include "unitdb/registry.h"
#include "unitdb/search.h"

namespace varuno {
namespace {

constexpr const char* kFile = "search_state_test.ini";

std::string cp(const char* utf8) { return cp932::from_utf8(utf8); }

UnitTables& load_tables() {
    static UnitTables all;
    all.load_all();
    return all;
}

class FindSection : public OwnIniFile {
protected:
    FindSection() : OwnIniFile(kFile) {}
    static void put(const char* key, const std::string& value) { ini_write_text("FIND", key, value, kFile); }
    static std::string get(const char* key) { return ini_read_text("FIND", key, kFile); }
    static SearchForm blank_form() {
        SearchForm form;
        form.kinds.assign(5, false);
        return form;
    }
};

TEST_F(FindSection, FirstUseChecksTheTargetsSelectsEveryKindAndEmptiesTheHistory) {
    SearchForm form = blank_form();
    form.checks = {0, 0, 0, 0, 0, 1, 0};  // case on, whole field off: both kept
    form.kinds[2] = true;
    form.history = {"old"};
    EXPECT_FALSE(restore_search_state(form, kFile));
    EXPECT_EQ(form.checks, (std::array<int, 7>{1, 1, 1, 1, 1, 1, 0}));
    EXPECT_EQ(form.kinds, std::vector<bool>(5, true));
    EXPECT_TRUE(form.history.empty());
    EXPECT_FALSE(std::filesystem::exists(path_beside_program(kFile)));  // restoring writes nothing
}

TEST_F(FindSection, SavedStateComesBackAsItWasSaved) {
    SearchForm saved = blank_form();
    saved.checks = {1, 0, 1, 0, 1, 1, 0};
    saved.kinds = {true, false, false, true, true};
    saved.history = {"m", cp("尺"), "KM"};
    save_search_state(saved, kFile);
    EXPECT_EQ(get("first"), "1");
    EXPECT_EQ(get("4011"), "0");
    EXPECT_EQ(get("4015"), "1");
    EXPECT_EQ(get("3"), "1");
    EXPECT_EQ(get("CMB_C"), "3");
    EXPECT_EQ(get("1001"), cp("尺"));

    SearchForm restored = blank_form();
    restored.checks = {2, 2, 2, 2, 2, 2, 2};
    EXPECT_TRUE(restore_search_state(restored, kFile));
    EXPECT_EQ(restored.checks, saved.checks);
    EXPECT_EQ(restored.kinds, saved.kinds);
    EXPECT_EQ(restored.history, saved.history);
}

TEST_F(FindSection, CheckValuesOtherThanZeroToTwoLeaveTheBoxAndMissingKeysUncheck) {
    put("first", "1");
    put("4010", "2");
    put("4011", "7");
    put("4012", "-1");
    put("4013", "0");
    put("4014", "1");
    // 4015 and 4016 are missing: they read as 0.
    SearchForm form = blank_form();
    form.checks = {1, 1, 1, 1, 0, 1, 1};
    EXPECT_TRUE(restore_search_state(form, kFile));
    EXPECT_EQ(form.checks, (std::array<int, 7>{2, 1, 1, 0, 1, 0, 0}));
}

TEST_F(FindSection, AnyNonZeroKindValueSelectsAndAMissingOneDeselects) {
    put("first", "1");
    put("0", "1");
    put("1", "3");
    put("2", "0");
    put("4", "-2");
    SearchForm form = blank_form();
    form.kinds.assign(5, true);
    restore_search_state(form, kFile);
    EXPECT_EQ(form.kinds, (std::vector<bool>{true, true, false, false, true}));
}

TEST_F(FindSection, HistoryIsAppendedUpToItsCountAndMissingEntriesReadAsZero) {
    put("first", "1");
    put("CMB_C", "2");
    put("1000", "a");
    put("1001", "b");
    put("1002", "left from a longer history");
    SearchForm form = blank_form();
    form.history = {"x"};
    restore_search_state(form, kFile);
    EXPECT_EQ(form.history, (std::vector<std::string>{"x", "a", "b"}));

    put("CMB_C", "3");
    ini_delete(false, "FIND", "1002", kFile);
    form.history.clear();
    restore_search_state(form, kFile);
    EXPECT_EQ(form.history, (std::vector<std::string>{"a", "b", "0"}));

    put("CMB_C", "-4");
    form.history.clear();
    restore_search_state(form, kFile);
    EXPECT_TRUE(form.history.empty());
}

TEST_F(FindSection, SavingAShorterHistoryLeavesOldKeysThatAreNeverRead) {
    SearchForm form = blank_form();
    form.history = {"1", "2", "3"};
    save_search_state(form, kFile);
    form.history = {"9"};
    save_search_state(form, kFile);
    EXPECT_EQ(get("1002"), "3");
    SearchForm restored = blank_form();
    restore_search_state(restored, kFile);
    EXPECT_EQ(restored.history, std::vector<std::string>{"9"});
}

TEST_F(FindSection, ForgettingGivesTheFirstUseStateUntilTheNextSave) {
    SearchForm form = blank_form();
    form.checks = {0, 0, 0, 0, 0, 0, 1};
    form.history = {"m"};
    save_search_state(form, kFile);
    forget_search_state(kFile);
    EXPECT_EQ(get("first"), "0");
    EXPECT_EQ(get("CMB_C"), "1");  // only the mark changes

    EXPECT_FALSE(restore_search_state(form, kFile));
    EXPECT_EQ(form.checks, (std::array<int, 7>{1, 1, 1, 1, 1, 0, 1}));
    EXPECT_TRUE(form.history.empty());
    save_search_state(form, kFile);
    EXPECT_EQ(get("first"), "1");
    EXPECT_EQ(get("CMB_C"), "0");
}

TEST(SearchOptionsOfTheBoxes, TargetsCaseAndWholeField) {
    const SearchOptions o = search_options({1, 0, 1, 0, 1, 0, 1});
    EXPECT_EQ(o.fields, (std::array<bool, 5>{true, false, true, false, true}));
    EXPECT_FALSE(o.case_sensitive);
    EXPECT_TRUE(o.whole_field);
    EXPECT_TRUE(search_options({0, 0, 0, 0, 0, 1, 0}).case_sensitive);
}

TEST(SortedRowOrder, OnlyTheFirst29BytesCount) {
    const std::string head(29, 'x');
    const std::vector<std::string> texts{head + "b", head + "a", head};
    EXPECT_EQ(sorted_row_order(texts, SortDirection::kAscending), (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(sorted_row_order(texts, SortDirection::kDescending), (std::vector<int>{0, 1, 2}));
}

TEST(ReorderHits, RecordsFollowTheirRowsAndBadOrdersChangeNothing) {
    const std::vector<search_hit> original{{0, 1, 0, 1}, {2, 5, 1, 2}, {3, 7, 4, 1}};
    std::vector<search_hit> hits = original;
    ASSERT_TRUE(reorder_hits(hits, {2, 0, 1}));
    EXPECT_EQ(hits[0].kind, 3);
    EXPECT_EQ(hits[1].kind, 0);
    EXPECT_EQ(hits[2].kind, 2);
    EXPECT_EQ(hits[2].grade, 2);

    hits = original;
    EXPECT_FALSE(reorder_hits(hits, {0, 1}));
    EXPECT_FALSE(reorder_hits(hits, {0, 0, 1}));
    EXPECT_FALSE(reorder_hits(hits, {0, 1, 3}));
    EXPECT_FALSE(reorder_hits(hits, {-1, 1, 2}));
    EXPECT_EQ(hits[0].kind, 0);
    EXPECT_EQ(hits[2].kind, 3);
}

// Sorting twice in a row: each time the record at position p must belong to
// the row shown at p, whose texts are those of the record.
TEST(ReorderHits, RepeatedSortsKeepEveryRowWithItsOwnRecord) {
    load_tables();
    std::vector<int> all;
    for (int k = 0; k < kind_count; ++k) all.push_back(k);
    std::vector<search_hit> hits = find_units(load_tables(), cp("海里"), all, SearchOptions{});
    ASSERT_GT(hits.size(), 10u);
    // The rows as the list shows them: the texts of each row, fixed at insertion.
    std::vector<std::vector<std::string>> rows;
    for (const auto& h : hits) {
        rows.emplace_back();
        for (int c = 0; c < kSearchColumnCount; ++c) rows.back().push_back(hit_column_text(load_tables(), h, c));
        rows.back().push_back(std::to_string(h.kind) + "/" + std::to_string(h.row) + "/" + std::to_string(h.field));
    }
    for (const auto& [column, direction] :
         {std::pair{2, SortDirection::kAscending}, std::pair{6, SortDirection::kDescending},
          std::pair{1, SortDirection::kAscending}}) {
        std::vector<std::string> texts;
        for (const auto& r : rows) texts.push_back(r[static_cast<std::size_t>(column)]);
        const std::vector<int> order = sorted_row_order(texts, direction);
        ASSERT_TRUE(reorder_hits(hits, order));
        std::vector<std::vector<std::string>> moved;
        for (int p : order) moved.push_back(rows[static_cast<std::size_t>(p)]);
        rows = moved;
        for (std::size_t p = 0; p < hits.size(); ++p) {
            EXPECT_EQ(rows[p][7], std::to_string(hits[p].kind) + "/" + std::to_string(hits[p].row) + "/" +
                                      std::to_string(hits[p].field));
            if (p > 0) {
                const int c = compare_list_texts(rows[p - 1][static_cast<std::size_t>(column)],
                                                 rows[p][static_cast<std::size_t>(column)]);
                EXPECT_TRUE(direction == SortDirection::kAscending ? c <= 0 : c >= 0)
                    << "column " << column << " row " << p;
            }
        }
    }
}

class HitTexts : public ::testing::Test {
protected:
    void SetUp() override {
        load_tables();
        const std::vector<search_hit> km = find_units(load_tables(), "KM", {0}, SearchOptions{});
        ASSERT_EQ(km.size(), 1u);
        kilometre = km[0];
    }
    search_hit kilometre{};
};

TEST_F(HitTexts, ColumnsAreKindNameFieldsRateAndRemark) {
    const std::vector<std::string> expected{cp("寸法"), cp("キロメートル"),  "km", ";", ";",
                                            "1000",     cp("1000メートル。")};
    for (int c = 0; c < kSearchColumnCount; ++c)
        EXPECT_EQ(hit_column_text(load_tables(), kilometre, c), expected[static_cast<std::size_t>(c)]);
    EXPECT_EQ(hit_column_text(load_tables(), kilometre, 7), "");
    EXPECT_EQ(hit_column_text(load_tables(), {0, load_tables()[0].count, 0, 1}, 1), "");
    EXPECT_EQ(hit_column_text(load_tables(), {kind_count, 0, 0, 1}, 0), "");
}

TEST_F(HitTexts, DetailMarksTheMatchedFieldFullOrPartial) {
    EXPECT_EQ(hit_detail_text(load_tables(), kilometre), cp("◎：完全合致　○：部分合致\n\n\n[単位種：寸法]\n"
                                                            "\n□日本語表記\tキロメートル"
                                                            "\n◎単位記号\tkm"
                                                            "\n□国名\t\t;"
                                                            "\n□補助記号\t;"
                                                            "\n□備考　1000メートル。"
                                                            "\n\nこの単位で換算を実行しますか？"));
    search_hit remark = kilometre;
    remark.field = 4;
    remark.grade = 1;
    const std::string text = hit_detail_text(load_tables(), remark);
    EXPECT_NE(text.find(cp("\n○備考　1000メートル。")), std::string::npos);
    EXPECT_NE(text.find(cp("\n□単位記号\tkm")), std::string::npos);
    EXPECT_EQ(text.find(cp("\n◎")), std::string::npos);
}

}  // namespace
}  // namespace varuno
