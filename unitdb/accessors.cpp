#include "unitdb/accessors.h"

#include <cstring>

#include "platform/cp932.h"
#include "platform/ini.h"

namespace varuno {
namespace {

// Symbol with country and auxiliary symbol in brackets. A part counts when
// it is not the empty mark and is longer than `min_bytes`.
std::string bracketed(const udb& table, int r, std::size_t min_bytes) {
    const char* const* row = table.rows[r];
    auto present = [&](const char* text) { return !is_empty_mark(text) && std::strlen(text) > min_bytes; };
    std::string text = row[1];
    const bool country = present(row[2]), aux = present(row[3]);
    if (country) {
        text += "[";
        text += row[2];
        if (aux) {
            text += ";";
            text += row[3];
        }
        text += "]";
    } else if (aux) {
        text += "[";
        text += row[3];
        text += "]";
    }
    return text;
}

} // namespace

bool is_empty_mark(const char* text) { return std::strcmp(text, ";") == 0; }

const char* unit_name(const udb& table, int p) { return table.rows[table.order[p]][0]; }

const char* unit_remark(const udb& table, int p) { return table.rows[table.order[p]][table.remark_column]; }

std::string unit_label(const udb& table, int p) { return bracketed(table, table.order[p], 0); }

std::string unit_sort_key(const udb& table, int r) { return bracketed(table, r, 1); }

int unit_group(const udb& table, int r) { return leading_int(table.rows[r][table.rate_columns + 4]); }

const char* unit_rate(const udb& table, int r, int g) { return table.rows[r][g + 3]; }

int find_label(const udb& table, std::string_view text) {
    int exact = -1, folded = -1, exact_count = 0, folded_count = 0;
    for (int p = 0; p < table.count; ++p) {
        const std::string label = unit_label(table, p);
        if (label == text) {
            exact = p;
            ++exact_count;
        } else if (cp932::equal_ignoring_ascii_case(label, text)) {
            folded = p;
            ++folded_count;
        }
    }
    if (exact_count > 0) return exact_count == 1 ? exact : -1;
    return folded_count == 1 ? folded : -1;
}

int display_position(const udb& table, int r) {
    for (int p = 0; p < table.count; ++p)
        if (table.order[p] == r) return p;
    return -1;
}

} // namespace varuno
