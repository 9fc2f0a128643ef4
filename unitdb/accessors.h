// Reading a unit table. p is a display position (a list position), r a row
// index (storage order). Texts are CP932.
#pragma once
#include <string>
#include <string_view>

#include "unitdb/udb.h"

namespace varuno {

const char* unit_name(const udb& table, int p);    // column 0 of row order[p]
const char* unit_remark(const udb& table, int p);  // the remark of row order[p]

// Cells of row r, by what they hold: column c as it is, the symbol
// (column 1), the group column's text and the remark.
const char* unit_cell(const udb& table, int r, int c);
const char* unit_symbol(const udb& table, int r);
const char* unit_group_text(const udb& table, int r);
const char* unit_row_remark(const udb& table, int r);
// Whether r is a row of the table.
bool has_row(const udb& table, int r);

// The list label of row order[p]: the symbol, then "[" country ";" aux "]"
// with the parts that are not the empty mark ("nmi[英;旧式]", "league[min]").
std::string unit_label(const udb& table, int p);

// The label of row r for the symbol orders, where a country or auxiliary
// symbol of a single byte is left out: 「合[日;3]」 sorts as 「合[日]」.
std::string unit_sort_key(const udb& table, int r);

// The rate group of row r: the leading digits of its group column, 0 without.
int unit_group(const udb& table, int r);

// Column g+3 of row r: g = 1 is the generic rate, g >= 2 a group rate.
const char* unit_rate(const udb& table, int r, int g);

// The first display position that shows row r, or -1.
int display_position(const udb& table, int r);

// The display position whose label is `text`, as typed into a unit list's
// box: the one label equal to it, else the one equal to it when ASCII letters
// are compared without case. -1 when no label or several match.
int find_label(const udb& table, std::string_view text);

// The empty mark ";": the text of a cell that has nothing to say.
inline constexpr const char* kEmptyMark = ";";
bool is_empty_mark(std::string_view text);

}  // namespace varuno
