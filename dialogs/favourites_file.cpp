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

// The keys of entries first ... end - 1.
std::vector<std::string> entry_keys(int first, int end) {
    std::vector<std::string> keys;
    for (int i = first; i < end; ++i) keys.push_back(std::to_string(i));
    return keys;
}

// Entries first ... end - 1, each section read once; a missing key reads as 0.
std::vector<Favourite> read_entries(int first, int end, std::string_view file) {
    const std::vector<std::string> keys = entry_keys(first, end);
    std::vector<int> columns[4];
    for (int s = 0; s < 4; ++s)
        for (const auto& value : ini_read_keys(kSections[s], keys, file))
            columns[s].push_back(leading_int(value.value_or("0")));
    std::vector<Favourite> entries;
    for (std::size_t i = 0; i < keys.size(); ++i)
        entries.push_back({columns[0][i], columns[1][i], columns[2][i], columns[3][i]});
    return entries;
}

}  // namespace

// The kinds are read in growing batches, so that a huge claimed count costs
// about as much as the entries that are there.
int favourite_count(std::string_view file) {
    const int claimed = std::clamp(ini_read_int("FV", "c", file), 0, kMaxFavourites);
    int n = 0;
    for (int batch = 16; n < claimed; batch *= 2) {
        for (const auto& kind : ini_read_keys("uk", entry_keys(n, std::min(claimed, n + batch)), file)) {
            if (!kind) return n;
            ++n;
        }
    }
    return n;
}

Favourite read_favourite(int entry, std::string_view file) { return read_entries(entry, entry + 1, file).front(); }

std::vector<Favourite> read_favourites(std::string_view file) { return read_entries(0, favourite_count(file), file); }

AddResult add_favourite(int kind, std::optional<int> before_row, std::optional<int> after_row, std::string_view file) {
    if (kind < 0) return AddResult::kNoKind;
    const int n = favourite_count(file);
    if (n == kMaxFavourites) return AddResult::kFull;
    if (!ini_write_int_at("uk", n, kind, file)) return AddResult::kNotStored;
    if (!before_row) return AddResult::kNoBefore;
    if (!ini_write_int_at("bf", n, *before_row, file)) return AddResult::kNotStored;
    if (!after_row) return AddResult::kNoAfter;
    if (!ini_write_int_at("af", n, *after_row, file)) return AddResult::kNotStored;
    return ini_write_int("FV", "c", n + 1, file) ? AddResult::kAdded : AddResult::kNotStored;
}

std::optional<int> count_favourite_use(int entry, std::string_view file) {
    const int uses = std::min(ini_read_int_at("COU", entry, file) + 1, kMaxUses);
    if (!ini_write_int_at("COU", entry, uses, file)) return std::nullopt;
    return uses;
}

DeleteResult delete_favourite(int entry, std::string_view file) {
    const int n = favourite_count(file);
    if (entry < 0 || entry >= n) return DeleteResult::kNotThere;
    // Values move as texts, exactly as stored; a missing one stays missing.
    std::vector<IniChange> changes;
    for (const char* section : kSections) {
        const auto moved = ini_read_keys(section, entry_keys(entry + 1, n), file);
        for (int j = entry; j < n - 1; ++j)
            changes.push_back({section, std::to_string(j), moved[static_cast<std::size_t>(j - entry)]});
    }
    changes.push_back({"FV", "c", std::to_string(n - 1)});
    for (const char* section : kSections) changes.push_back({section, std::to_string(n - 1), std::nullopt});
    return ini_write_changes(changes, file) ? DeleteResult::kDeleted : DeleteResult::kNotStored;
}

DeleteOutcome delete_favourites(const std::vector<int>& links, const std::vector<bool>& selected,
                                std::string_view file) {
    std::vector<int> remaining = links;
    std::vector<bool> gone(links.size(), false);
    DeleteOutcome outcome;
    for (std::size_t row = links.size(); row-- > 0;) {
        if (row >= selected.size() || !selected[row]) continue;
        const int entry = remaining[row];
        const DeleteResult result = delete_favourite(entry, file);
        if (result == DeleteResult::kNotStored) {
            outcome.stored = false;
            continue;
        }
        gone[row] = true;
        if (result == DeleteResult::kNotThere) continue;
        for (std::size_t other = 0; other < remaining.size(); ++other)
            if (!gone[other] && remaining[other] > entry) --remaining[other];
    }
    for (std::size_t row = 0; row < remaining.size(); ++row)
        if (!gone[row]) outcome.kept.push_back(remaining[row]);
    return outcome;
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

}  // namespace varuno
