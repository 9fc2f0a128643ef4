// The favourites file: adding with its step-by-step writes, use counts,
// deleting with renumbering and row links, entries that do not fit the
// tables, and the list's sort comparison.
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <string>

#include <gtest/gtest.h>

#include "dialogs/favourites_file.h"
#include "platform/cp932.h"
#include "platform/ini.h"
#include "tests/unit/own_ini_file.h"
#include "unitdb/registry.h"

namespace varuno {

void PrintTo(const Favourite& f, std::ostream* os) {
    *os << "{kind " << f.kind << ", bf " << f.before_row << ", af " << f.after_row << ", uses " << f.uses << "}";
}

namespace {

constexpr const char* kFile = "favourites_file_test_fv.ini";

std::string cp(const char* utf8) { return cp932::from_utf8(utf8); }

// The keys present in each section of the file, read from the file itself:
// the ini routines read a missing key as "0", which hides whether it exists.
std::map<std::string, std::set<std::string>> keys_in_file() {
    std::map<std::string, std::set<std::string>> keys;
    std::string section;
    for (const std::string& line : file_lines(kFile)) {
        if (!line.empty() && line.front() == '[' && line.back() == ']')
            section = line.substr(1, line.size() - 2);
        else if (const auto eq = line.find('='); eq != std::string::npos)
            keys[section].insert(line.substr(0, eq));
    }
    return keys;
}

bool has_key(const char* section, const char* key) { return keys_in_file()[section].count(key) > 0; }

UnitTables& tables() {
    static UnitTables all;
    all.load_all();
    return all;
}

class FavouritesFile : public OwnIniFile {
protected:
    FavouritesFile() : OwnIniFile(kFile) {}
    // Writes entries as the program would have stored them, with their counts.
    static void store(std::initializer_list<Favourite> entries) {
        int i = 0;
        for (const Favourite& f : entries) {
            ini_write_int_at("uk", i, f.kind, kFile);
            ini_write_int_at("bf", i, f.before_row, kFile);
            ini_write_int_at("af", i, f.after_row, kFile);
            ini_write_int_at("COU", i, f.uses, kFile);
            ++i;
        }
        ini_write_int("FV", "c", i, kFile);
    }
};

TEST_F(FavouritesFile, MissingFileIsAnEmptyListAndKeysBeyondTheCountAreIgnored) {
    EXPECT_EQ(favourite_count(kFile), 0);
    EXPECT_TRUE(read_favourites(kFile).empty());
    store({{0, 4, 7, 2}, {5, 1, 2, 0}});
    ini_write_int("FV", "c", 1, kFile);
    ASSERT_EQ(read_favourites(kFile).size(), 1u);
    EXPECT_EQ(read_favourites(kFile)[0], (Favourite{0, 4, 7, 2}));
}

TEST_F(FavouritesFile, AddingStoresThePairWithNoUsesAndAllowsTheSamePairTwice) {
    EXPECT_EQ(add_favourite(0, 4, 7, kFile), AddResult::kAdded);
    EXPECT_EQ(add_favourite(0, 4, 7, kFile), AddResult::kAdded);
    EXPECT_EQ(add_favourite(5, 0, 3, kFile), AddResult::kAdded);
    ASSERT_EQ(favourite_count(kFile), 3);
    EXPECT_EQ(read_favourite(0, kFile), (Favourite{0, 4, 7, 0}));
    EXPECT_EQ(read_favourite(1, kFile), (Favourite{0, 4, 7, 0}));
    EXPECT_EQ(read_favourite(2, kFile), (Favourite{5, 0, 3, 0}));
    EXPECT_EQ(keys_in_file().count("COU"), 0u);  // the use count is not written by adding
}

TEST_F(FavouritesFile, FailedAdditionsLeaveTheirKeysBeyondTheCountForTheNextOne) {
    EXPECT_EQ(add_favourite(-1, 4, 7, kFile), AddResult::kNoKind);
    EXPECT_FALSE(std::filesystem::exists(path_beside_program(kFile)));  // nothing written at all

    store({{0, 4, 7, 0}});
    EXPECT_EQ(add_favourite(5, 3, std::nullopt, kFile), AddResult::kNoAfter);
    EXPECT_EQ(favourite_count(kFile), 1);
    EXPECT_EQ(ini_read_int_at("uk", 1, kFile), 5);
    EXPECT_EQ(ini_read_int_at("bf", 1, kFile), 3);
    EXPECT_FALSE(has_key("af", "1"));

    EXPECT_EQ(add_favourite(2, std::nullopt, 9, kFile), AddResult::kNoBefore);
    EXPECT_EQ(favourite_count(kFile), 1);
    EXPECT_EQ(ini_read_int_at("uk", 1, kFile), 2);  // the kind is written before the units are looked at
    EXPECT_EQ(ini_read_int_at("bf", 1, kFile), 3);  // left from the attempt before
    EXPECT_FALSE(has_key("af", "1"));

    EXPECT_EQ(add_favourite(7, 10, 11, kFile), AddResult::kAdded);
    ASSERT_EQ(favourite_count(kFile), 2);
    EXPECT_EQ(read_favourite(1, kFile), (Favourite{7, 10, 11, 0}));
    EXPECT_EQ(read_favourite(0, kFile), (Favourite{0, 4, 7, 0}));
}

TEST_F(FavouritesFile, UseCountRisesByOneAndStopsAt999) {
    store({{0, 4, 7, 997}, {0, 7, 4, 0}});
    EXPECT_EQ(count_favourite_use(0, kFile), 998);
    EXPECT_EQ(count_favourite_use(0, kFile), 999);
    EXPECT_EQ(count_favourite_use(0, kFile), 999);
    EXPECT_EQ(read_favourite(0, kFile).uses, 999);
    EXPECT_EQ(read_favourite(1, kFile).uses, 0);

    ini_write_int_at("COU", 1, 5000, kFile);  // edited by hand: brought back to the limit
    EXPECT_EQ(count_favourite_use(1, kFile), 999);

    EXPECT_EQ(add_favourite(3, 1, 2, kFile), AddResult::kAdded);  // no "COU" key: counts from 0
    EXPECT_EQ(count_favourite_use(2, kFile), 1);
}

TEST_F(FavouritesFile, DeletingTheMiddleOfThreeRenumbersAndDropsTheLastKeys) {
    store({{0, 4, 7, 3}, {5, 1, 2, 8}, {9, 6, 0, 12}});
    EXPECT_EQ(delete_favourite(1, kFile), DeleteResult::kDeleted);
    ASSERT_EQ(favourite_count(kFile), 2);
    EXPECT_EQ(read_favourite(0, kFile), (Favourite{0, 4, 7, 3}));
    EXPECT_EQ(read_favourite(1, kFile), (Favourite{9, 6, 0, 12}));
    for (const char* section : {"uk", "bf", "af", "COU"}) {
        EXPECT_TRUE(has_key(section, "1")) << section;
        EXPECT_FALSE(has_key(section, "2")) << section;
    }

    EXPECT_EQ(delete_favourite(2, kFile), DeleteResult::kNotThere);  // beyond the count: nothing changes
    EXPECT_EQ(delete_favourite(-1, kFile), DeleteResult::kNotThere);
    EXPECT_EQ(favourite_count(kFile), 2);

    EXPECT_EQ(delete_favourite(1, kFile), DeleteResult::kDeleted);
    EXPECT_EQ(delete_favourite(0, kFile), DeleteResult::kDeleted);
    EXPECT_EQ(favourite_count(kFile), 0);
    for (const auto& [section, keys] : keys_in_file()) {
        if (section == "FV") continue;
        EXPECT_TRUE(keys.empty()) << section;
    }
}

TEST_F(FavouritesFile, DeletingSelectedRowsActsOnTheirLinkedEntries) {
    const Favourite e[4] = {{0, 4, 7, 1}, {5, 1, 2, 2}, {9, 6, 0, 3}, {2, 3, 4, 4}};
    store({e[0], e[1], e[2], e[3]});
    // Rows as a sort left them: row r shows entry links[r].
    const std::vector<int> links = {2, 0, 3, 1};

    EXPECT_EQ(delete_favourites(links, {false, false, false, false}, kFile).kept, links);
    EXPECT_EQ(favourite_count(kFile), 4);

    // Rows 0 and 3: entries 2 and 1 go, entries 0 and 3 stay as 0 and 1.
    const std::vector<int> kept = delete_favourites(links, {true, false, false, true}, kFile).kept;
    ASSERT_EQ(kept, (std::vector<int>{0, 1}));
    ASSERT_EQ(favourite_count(kFile), 2);
    EXPECT_EQ(read_favourite(kept[0], kFile), e[0]);  // row 1 before
    EXPECT_EQ(read_favourite(kept[1], kFile), e[3]);  // row 2 before
}

// A file edited by hand or cut short: the count in use is the number of
// entries there, up to the first entry without its kind, whatever "FV"/"c"
// claims; adding and deleting work on that count.
TEST_F(FavouritesFile, AHugeCountMeansTheEntriesThatAreThere) {
    store({{0, 4, 7, 3}, {5, 1, 2, 8}, {9, 6, 0, 12}});
    ini_write_int("FV", "c", 99999999, kFile);
    ASSERT_EQ(favourite_count(kFile), 3);
    EXPECT_EQ(read_favourites(kFile).size(), 3u);
    EXPECT_EQ(add_favourite(2, 3, 4, kFile), AddResult::kAdded);
    EXPECT_EQ(ini_read_int("FV", "c", kFile), 4);
    EXPECT_EQ(read_favourite(3, kFile), (Favourite{2, 3, 4, 0}));

    ini_write_int("FV", "c", 2147483647, kFile);
    ASSERT_EQ(favourite_count(kFile), 4);
    EXPECT_EQ(add_favourite(1, 1, 1, kFile), AddResult::kAdded);  // no n + 1 past INT_MAX
    EXPECT_EQ(ini_read_int("FV", "c", kFile), 5);

    ini_write_int("FV", "c", 99999999, kFile);
    EXPECT_EQ(delete_favourite(0, kFile), DeleteResult::kDeleted);
    EXPECT_EQ(ini_read_int("FV", "c", kFile), 4);
    EXPECT_EQ(read_favourites(kFile),
              (std::vector<Favourite>{{5, 1, 2, 8}, {9, 6, 0, 12}, {2, 3, 4, 0}, {1, 1, 1, 0}}));
    EXPECT_FALSE(has_key("uk", "4"));
}

TEST_F(FavouritesFile, NegativeOrNonNumericCountsAreAnEmptyList) {
    store({{0, 4, 7, 3}});
    ini_write_int("FV", "c", -5, kFile);
    ASSERT_EQ(favourite_count(kFile), 0);
    EXPECT_EQ(delete_favourite(0, kFile), DeleteResult::kNotThere);
    EXPECT_EQ(add_favourite(5, 1, 2, kFile), AddResult::kAdded);
    EXPECT_EQ(read_favourites(kFile), (std::vector<Favourite>{{5, 1, 2, 3}}));  // entry 0's old use count stays

    ini_write_text("FV", "c", "many", kFile);
    EXPECT_EQ(favourite_count(kFile), 0);
    EXPECT_EQ(add_favourite(6, 0, 1, kFile), AddResult::kAdded);
    EXPECT_EQ(favourite_count(kFile), 1);
}

TEST_F(FavouritesFile, AMissingEntryEndsTheList) {
    store({{0, 4, 7, 1}, {5, 1, 2, 2}, {9, 6, 0, 3}, {2, 3, 4, 4}, {1, 1, 1, 5}});
    ini_delete_at(false, "uk", 2, kFile);
    ASSERT_EQ(favourite_count(kFile), 2);
    EXPECT_EQ(delete_favourite(3, kFile), DeleteResult::kNotThere);
    // Other pieces of an entry may be missing: they read as 0.
    ini_delete_at(false, "bf", 1, kFile);
    ini_write_text_at("uk", 1, "x", kFile);
    EXPECT_EQ(read_favourites(kFile), (std::vector<Favourite>{{0, 4, 7, 1}, {0, 0, 2, 2}}));

    EXPECT_EQ(add_favourite(7, 8, 9, kFile), AddResult::kAdded);  // takes the gap
    EXPECT_EQ(favourite_count(kFile), 3);
    EXPECT_EQ(read_favourite(2, kFile), (Favourite{7, 8, 9, 3}));
    EXPECT_EQ(delete_favourite(0, kFile), DeleteResult::kDeleted);
    EXPECT_EQ(read_favourites(kFile), (std::vector<Favourite>{{0, 0, 2, 2}, {7, 8, 9, 3}}));
    // A piece that was missing stays missing when its entry moves down.
    EXPECT_FALSE(has_key("bf", "0"));
    EXPECT_EQ(ini_read_text_at("uk", 0, kFile), "x");  // moved as stored
}

// The list holds at most kMaxFavourites entries, however many the file has.
TEST_F(FavouritesFile, AtMostTenThousandEntries) {
    {
        std::ofstream out(path_beside_program(kFile), std::ios::binary);
        out << "[FV]\r\nc=10005\r\n[uk]\r\n";
        for (int i = 0; i < 10005; ++i) out << i << "=0\r\n";
    }
    ASSERT_EQ(kMaxFavourites, 10000);
    ASSERT_EQ(favourite_count(kFile), kMaxFavourites);
    const auto before = keys_in_file();
    EXPECT_EQ(add_favourite(1, 2, 3, kFile), AddResult::kFull);
    EXPECT_EQ(keys_in_file(), before);  // nothing written
    EXPECT_EQ(delete_favourite(9999, kFile), DeleteResult::kDeleted);
    EXPECT_EQ(favourite_count(kFile), 9999);
    EXPECT_EQ(add_favourite(1, 2, 3, kFile), AddResult::kAdded);
    EXPECT_EQ(read_favourite(9999, kFile), (Favourite{1, 2, 3, 0}));
    EXPECT_EQ(add_favourite(1, 2, 3, kFile), AddResult::kFull);
}

// A file that cannot be written (here: a folder in the way of the copy that
// replaces it; the tests may run with rights that ignore a read-only mark):
// nothing is reported as done, and the file keeps what it had.
TEST_F(FavouritesFile, WritesThatFailAreNotReportedAsDone) {
    store({{0, 4, 7, 3}, {5, 1, 2, 8}});
    const auto before = keys_in_file();
    const std::filesystem::path blocker = path_beside_program(std::string(kFile) + ".tmp~");
    std::filesystem::create_directory(blocker);

    EXPECT_EQ(add_favourite(2, 3, 4, kFile), AddResult::kNotStored);
    EXPECT_EQ(count_favourite_use(0, kFile), std::nullopt);
    EXPECT_EQ(delete_favourite(0, kFile), DeleteResult::kNotStored);
    const DeleteOutcome outcome = delete_favourites({0, 1}, {true, false}, kFile);
    EXPECT_FALSE(outcome.stored);
    EXPECT_EQ(outcome.kept, (std::vector<int>{0, 1}));  // the row whose entry could not go stays

    std::filesystem::remove(blocker);
    EXPECT_EQ(keys_in_file(), before);
    EXPECT_EQ(read_favourite(0, kFile), (Favourite{0, 4, 7, 3}));
}

TEST_F(FavouritesFile, EntriesThatDoNotFitTheTablesAreMarkedNotUsed) {
    const int lengths = tables()[0].count;
    EXPECT_TRUE(favourite_fits(tables(), {0, 4, 7, 0}));
    EXPECT_TRUE(favourite_fits(tables(), {kind_count - 1, 0, tables()[kind_count - 1].count - 1, 0}));
    EXPECT_FALSE(favourite_fits(tables(), {-1, 4, 7, 0}));
    EXPECT_FALSE(favourite_fits(tables(), {kind_count, 0, 0, 0}));  // 通貨: a name but no table
    EXPECT_FALSE(favourite_fits(tables(), {1000, 0, 0, 0}));
    EXPECT_FALSE(favourite_fits(tables(), {0, lengths, 7, 0}));
    EXPECT_FALSE(favourite_fits(tables(), {0, 4, -1, 0}));

    EXPECT_EQ(favourite_row_texts(tables(), {0, 4, 7, 5}), (std::array<std::string, 4>{cp("寸法"), "mm", "m", "5"}));
    // The bare symbol, without country or auxiliary symbol (the list shows 「nmi[英]」).
    EXPECT_EQ(favourite_row_texts(tables(), {0, 48, 4, 0})[1], "nmi");
    const std::string mark = cp("（無効）");
    EXPECT_EQ(favourite_row_texts(tables(), {75, 4, 7, 2}), (std::array<std::string, 4>{mark, mark, mark, "2"}));
    EXPECT_EQ(favourite_row_texts(tables(), {0, 4, lengths, 0}),
              (std::array<std::string, 4>{cp("寸法"), "mm", mark, "0"}));
}

}  // namespace
}  // namespace varuno
