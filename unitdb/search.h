// Finding units by text across kinds: the matching of the unit search, also
// used by the command-line tool.
#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "unitdb/registry.h"

namespace varuno {

struct search_hit {
    std::int32_t kind;   // kind index
    std::int32_t row;    // row index (storage order)
    std::int32_t field;  // target field 0 ... 4 that matched
    std::int32_t grade;  // 2 full match, 1 partial match
};

struct SearchOptions {
    std::array<bool, 5> fields{true, true, true, true, true};  // 日本語表記, 単位記号, 国名, 補助記号, 備考
    bool case_sensitive = false;                               // for full matches; partial matches always respect case
    bool whole_field = false;                                  // full matches only
};

// Every hit in the given kinds (ascending kind order), rows in storage order,
// fields 0 ... 4. The text ";" (the empty mark) finds nothing. Builds the
// tables of the kinds searched.
std::vector<search_hit> find_units(UnitTables& tables, std::string_view text, const std::vector<int>& kinds,
                                   const SearchOptions& options);

// The text of target field `field` of row `row` (the remark for field 4).
const char* search_field_text(const udb& table, int row, int field);

// Adds a search text to the history: not when it equals the newest entry;
// the oldest goes when more than 100 entries are held (at most 101).
void add_to_history(std::vector<std::string>& history, std::string_view text);

}  // namespace varuno
