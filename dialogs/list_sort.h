// Sorting the rows of the dialogs' report lists (search results,
// favourites) by the text of a clicked column.
#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace varuno {

// The sort direction of one column; all start as none and are kept for the
// program's run.
enum class SortDirection { kNone, kAscending, kDescending };

// A click on a column head: none or descending becomes ascending, ascending
// becomes descending.
SortDirection flipped(SortDirection direction);

// Order of two cell texts: the first 29 bytes compared as unsigned bytes, a
// text that ends first being the smaller ("10" before "9"). -1, 0 or 1.
int compare_list_texts(std::string_view a, std::string_view b);

// The new order of rows sorted by their texts: element p is the current
// position of the row that goes to position p. Equal texts keep their
// current order in both directions; direction none keeps the order.
std::vector<int> sorted_row_order(const std::vector<std::string>& texts, SortDirection direction);

}  // namespace varuno
