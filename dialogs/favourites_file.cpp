#include "dialogs/favourites_file.h"

#include <algorithm>

#include "platform/cp932.h"
#include "platform/ini.h"
#include "unitdb/accessors.h"
#include "unitdb/registry.h"
#include "unitdb/udb.h"

namespace varuno {
namespace {

constexpr const char* kSections[4] = {"uk", "bf", "af", "COU"};

} // namespace

int favourite_count(std::string_view file) { return std::max(0, ini_read_int("FV", "c", file)); }

Favourite read_favourite(int entry, std::string_view file) {
    return {ini_read_int_at("uk", entry, file), ini_read_int_at("bf", entry, file), ini_read_int_at("af", entry, file),
            ini_read_int_at("COU", entry, file)};
}

std::vector<Favourite> read_favourites(std::string_view file) {
    std::vector<Favourite> entries;
    const int n = favourite_count(file);
    for (int i = 0; i < n; ++i) entries.push_back(read_favourite(i, file));
    return entries;
}

AddResult add_favourite(int kind, std::optional<int> before_row, std::optional<int> after_row, std::string_view file) {
    if (kind < 0) return AddResult::kNoKind;
    const int n = favourite_count(file);
    ini_write_int_at("uk", n, kind, file);
    if (!before_row) return AddResult::kNoBefore;
    ini_write_int_at("bf", n, *before_row, file);
    if (!after_row) return AddResult::kNoAfter;
    ini_write_int_at("af", n, *after_row, file);
    ini_write_int("FV", "c", n + 1, file);
    return AddResult::kAdded;
}

int count_favourite_use(int entry, std::string_view file) {
    const int uses = std::min(ini_read_int_at("COU", entry, file) + 1, kMaxUses);
    ini_write_int_at("COU", entry, uses, file);
    return uses;
}

bool delete_favourite(int entry, std::string_view file) {
    const int n = favourite_count(file);
    if (entry < 0 || entry >= n) return false;
    // Values move as texts, exactly as stored.
    for (int j = entry; j < n - 1; ++j)
        for (const char* section : kSections) ini_write_text_at(section, j, ini_read_text_at(section, j + 1, file), file);
    ini_write_int("FV", "c", n - 1, file);
    for (const char* section : kSections) ini_delete_at(false, section, n - 1, file);
    return true;
}

std::vector<int> delete_favourites(const std::vector<int>& links, const std::vector<bool>& selected,
                                   std::string_view file) {
    std::vector<int> remaining = links;
    std::vector<bool> gone(links.size(), false);
    for (std::size_t row = links.size(); row-- > 0;) {
        if (row >= selected.size() || !selected[row]) continue;
        const int entry = remaining[row];
        gone[row] = true;
        if (!delete_favourite(entry, file)) continue;
        for (std::size_t other = 0; other < remaining.size(); ++other)
            if (!gone[other] && remaining[other] > entry) --remaining[other];
    }
    std::vector<int> kept;
    for (std::size_t row = 0; row < remaining.size(); ++row)
        if (!gone[row]) kept.push_back(remaining[row]);
    return kept;
}

bool favourite_fits(const UnitTables& tables, const Favourite& f) {
    if (f.kind < 0 || f.kind >= kind_count) return false;
    const udb& table = tables[f.kind];
    return has_row(table, f.before_row) && has_row(table, f.after_row);
}

std::array<std::string, 4> favourite_row_texts(const UnitTables& tables, const Favourite& f) {
    const std::string invalid = cp932::from_utf8("（無効）");
    std::array<std::string, 4> texts{invalid, invalid, invalid, std::to_string(f.uses)};
    if (f.kind < 0 || f.kind >= kind_count) return texts;
    texts[0] = kind_names[static_cast<std::size_t>(f.kind)];
    const udb& table = tables[f.kind];
    if (has_row(table, f.before_row)) texts[1] = unit_symbol(table, f.before_row);
    if (has_row(table, f.after_row)) texts[2] = unit_symbol(table, f.after_row);
    return texts;
}

} // namespace varuno
