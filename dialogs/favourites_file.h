// The favourites file varuno_fv.ini: stored unit pairs with their use counts,
// and the rules the favourites panel applies to them.
//
// Layout: "FV"/"c" holds the number of entries n; entry i (0 ... n-1) keeps
// its kind in "uk", its before row in "bf", its after row in "af" and its use
// count in "COU", each under the key i in decimal. Keys at or beyond n are
// leftovers and are ignored. A file edited by hand or cut short may claim
// more entries than it holds: the list then ends before the first entry
// without its kind, and never holds more than kMaxFavourites entries. Every
// operation reads the file when it runs; nothing is cached. The file name is
// a parameter so that tests can work on a file of their own.
#pragma once
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "unitdb/registry.h"

namespace varuno {

inline constexpr const char* kFavouritesFile = "varuno_fv.ini";
inline constexpr int kMaxUses = 999;
inline constexpr int kMaxFavourites = 10000;

struct Favourite {
    int kind = 0;        // kind index
    int before_row = 0;  // row index (storage order) of the before unit
    int after_row = 0;   // row index of the after unit
    int uses = 0;        // re-conversions, 0 ... 999
    friend bool operator==(const Favourite&, const Favourite&) = default;
};

// The number of entries in use: "FV"/"c" (0 when negative or not a number),
// but no more than the entries before the first one without its "uk" key,
// and at most kMaxFavourites.
int favourite_count(std::string_view file = kFavouritesFile);
Favourite read_favourite(int entry, std::string_view file = kFavouritesFile);
// Entries 0 ... n-1 in their stored order.
std::vector<Favourite> read_favourites(std::string_view file = kFavouritesFile);

// kFull: the list already holds kMaxFavourites entries; nothing is written
// (the window tells the user to delete some first). kNotStored: a write
// failed (a read-only file or folder); the list is as it was.
enum class AddResult { kAdded, kNoKind, kNoBefore, kNoAfter, kFull, kNotStored };

// Stores a pair as entry n, key by key: the kind, then the before row, then
// the after row, and only then the count n + 1. A missing piece stops the
// steps where it is found, so an attempt without an after unit leaves the kind
// and the before row at key n, beyond the count, where the next successful
// addition overwrites them. A negative kind, or a full list, writes nothing.
// The use count is not written: a new entry reads as 0 uses, or as the use
// count a leftover key n still holds.
AddResult add_favourite(int kind, std::optional<int> before_row, std::optional<int> after_row,
                        std::string_view file = kFavouritesFile);

// One more use of `entry`, never above 999; answers the new count, or
// nothing when it could not be stored.
std::optional<int> count_favourite_use(int entry, std::string_view file = kFavouritesFile);

// Removes `entry`: the entries above it move down by one in all four
// sections (as stored; a missing key stays missing), the count drops and the
// last keys go, all in one rewrite of the file. kNotThere (nothing changed)
// when `entry` is not below the count; kNotStored when the rewrite failed.
enum class DeleteResult { kDeleted, kNotThere, kNotStored };
DeleteResult delete_favourite(int entry, std::string_view file = kFavouritesFile);

// The list's rows are linked to entry numbers (`links`, in row order). Deletes
// the entries of the selected rows, visiting the rows from the last to the
// first, and answers the links of the rows that remain, in their order, each
// renumbered as its entry moved down. A row whose entry could not be deleted
// (the file could not be written) remains; `stored` is then false.
struct DeleteOutcome {
    std::vector<int> kept;
    bool stored = true;
};
DeleteOutcome delete_favourites(const std::vector<int>& links, const std::vector<bool>& selected,
                                std::string_view file = kFavouritesFile);

// Whether the entry's kind is a selectable kind and both rows lie in its
// table. Entries the program adds always fit; a file edited by hand may not.
bool favourite_fits(const UnitTables& tables, const Favourite& f);

// The four column texts of a list row (CP932): kind name, before symbol,
// after symbol, uses. A kind or row that does not fit shows 「（無効）」 in
// its place, so the entry is visibly broken but can still be deleted.
std::array<std::string, 4> favourite_row_texts(const UnitTables& tables, const Favourite& f);

}  // namespace varuno
