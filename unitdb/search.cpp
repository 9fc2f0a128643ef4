#include "unitdb/search.h"

#include <algorithm>
#include <cstring>

#include "platform/cp932.h"
#include "unitdb/accessors.h"

namespace varuno {
namespace {

// Whether `needle` occurs in `hay` starting on a character boundary.
bool contains_on_boundary(std::string_view hay, std::string_view needle) {
    for (std::size_t i = 0; i + needle.size() <= hay.size(); i += cp932::char_length(hay, i))
        if (hay.compare(i, needle.size(), needle) == 0) return true;
    return false;
}

}  // namespace

const char* search_field_text(const udb& table, int row, int field) {
    return unit_cell(table, row, field == 4 ? table.remark_column : field);
}

std::vector<search_hit> find_units(UnitTables& tables, std::string_view text, const std::vector<int>& kinds,
                                   const SearchOptions& options) {
    std::vector<search_hit> hits;
    if (text.empty() || is_empty_mark(text)) return hits;
    std::vector<int> sorted = kinds;
    std::sort(sorted.begin(), sorted.end());
    sorted.erase(std::unique(sorted.begin(), sorted.end()), sorted.end());
    for (int kind : sorted) {
        if (kind < 0 || kind >= kind_count) continue;
        const udb& table = tables.table(kind);
        for (int row = 0; row < table.count; ++row) {
            for (int field = 0; field < 5; ++field) {
                if (!options.fields[static_cast<std::size_t>(field)]) continue;
                const std::string_view cell = search_field_text(table, row, field);
                const bool full = options.case_sensitive ? cell == text : cp932::equal_ignoring_ascii_case(cell, text);
                if (full)
                    hits.push_back({kind, row, field, 2});
                else if (!options.whole_field && contains_on_boundary(cell, text))
                    hits.push_back({kind, row, field, 1});
            }
        }
    }
    return hits;
}

void add_to_history(std::vector<std::string>& history, std::string_view text) {
    if (!history.empty() && history.back() == text) return;
    if (history.size() > 100) history.erase(history.begin());
    history.emplace_back(text);
}

}  // namespace varuno
