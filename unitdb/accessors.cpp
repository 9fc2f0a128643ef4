#include "unitdb/accessors.h"

#include <cstring>

#include "platform/cp932.h"
#include "platform/ini.h"

namespace varuno {
namespace {

// Symbol with country and auxiliary symbol in brackets. A part counts when
// it is not the empty mark and is longer than `min_bytes`.
std::string bracketed(const udb& table, int r, std::size_t min_bytes) {
    auto present = [&](const char* text) { return !is_empty_mark(text) && std::strlen(text) > min_bytes; };
    const char* country_text = unit_cell(table, r, 2);
    const char* aux_text = unit_cell(table, r, 3);
    std::string text = unit_symbol(table, r);
    const bool country = present(country_text), aux = present(aux_text);
    if (country) {
        text += "[";
        text += country_text;
        if (aux) {
            text += ";";
            text += aux_text;
        }
        text += "]";
    } else if (aux) {
        text += "[";
        text += aux_text;
        text += "]";
    }
    return text;
}

}  // namespace

bool is_empty_mark(std::string_view text) { return text == kEmptyMark; }

const char* unit_cell(const udb& table, int r, int c) { return table.rows[r][c]; }

const char* unit_symbol(const udb& table, int r) { return unit_cell(table, r, 1); }

const char* unit_group_text(const udb& table, int r) { return unit_cell(table, r, table.rate_columns + 4); }

const char* unit_row_remark(const udb& table, int r) { return unit_cell(table, r, table.remark_column); }

bool has_row(const udb& table, int r) { return table.rows && r >= 0 && r < table.count; }

const char* unit_name(const udb& table, int p) { return unit_cell(table, table.order[p], 0); }

const char* unit_remark(const udb& table, int p) { return unit_row_remark(table, table.order[p]); }

std::string unit_label(const udb& table, int p) { return bracketed(table, table.order[p], 0); }

std::string unit_sort_key(const udb& table, int r) { return bracketed(table, r, 1); }

int unit_group(const udb& table, int r) { return leading_int(unit_group_text(table, r)); }

const char* unit_rate(const udb& table, int r, int g) { return unit_cell(table, r, g + 3); }

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

}  // namespace varuno
