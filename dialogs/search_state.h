// What the unit search dialog keeps and computes apart from its window: the
// FIND section of varuno.ini (options, kind selection, search history), the
// sorting of the result list with its hit records, and the texts of a hit.
#pragma once
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "dialogs/list_sort.h"
#include "resources/window_contract.h"
#include "unitdb/search.h"

namespace varuno {

inline constexpr const char* kSearchStateFile = contract::kMainIniFile;
inline constexpr int kSearchFirstCheck = 4010;  // check boxes 4010 ... 4016
inline constexpr int kSearchCheckCount = 7;     // five target fields, case, whole field
inline constexpr int kSearchColumnCount = 7;    // columns of the result list

// The dialog's persistent state, as its controls show it.
struct SearchForm {
    // Check states of boxes 4010 ... 4016 (0 unchecked, 1 checked, 2 indeterminate).
    std::array<int, kSearchCheckCount> checks{};
    std::vector<bool> kinds;           // selection of each kind in the kind list, by kind index
    std::vector<std::string> history;  // the search-text list, oldest first (CP932)
};

// Applies the FIND section of `file` to `form`. After a save, each check box
// whose key holds 0, 1 or 2 takes that state (other values leave it), each
// kind takes its key's selection and the saved history is appended; answers
// true. On first use or after forget_search_state, the five target boxes are
// checked, every kind is selected and the history is emptied, while the case
// and whole-field boxes keep their state; answers false, and the dialog then
// also empties its search text and result list.
bool restore_search_state(SearchForm& form, std::string_view file = kSearchStateFile);

// Writes the whole form with the "saved" mark, in one rewrite of the file.
// Keys of older, longer histories stay in the file; the entry count tells
// what is read. Answers whether it was stored.
bool save_search_state(const SearchForm& form, std::string_view file = kSearchStateFile);

// Clears the "saved" mark only, so that the next restore applies the
// first-use state. Answers whether it was stored.
bool forget_search_state(std::string_view file = kSearchStateFile);

// The search options of checks 4010 ... 4016.
SearchOptions search_options(const std::array<int, kSearchCheckCount>& checks);

// Moves the hit records along with their rows: `order` as sorted_row_order
// gives it. Answers false and leaves `hits` alone when `order` is not a
// permutation of the hit positions.
bool reorder_hits(std::vector<search_hit>& hits, const std::vector<int>& order);

// Text of result-list column 0 ... 6 for a hit: kind name, Japanese name,
// symbol, country, auxiliary symbol, generic rate, remark (CP932).
std::string hit_column_text(const UnitTables& tables, const search_hit& hit, int column);

// The question shown for a hit: the kind, the five searchable fields with the
// matched one marked ◎ (full) or ○ (partial) and the others □, then whether
// to convert with this unit (CP932).
std::string hit_detail_text(const UnitTables& tables, const search_hit& hit);

// The hit counter: " 12 HIT".
std::string hit_counter_text(std::size_t hits);

}  // namespace varuno
