#include "dialogs/search_state.h"

#include <algorithm>
#include <numeric>

#include "platform/cp932.h"
#include "platform/ini.h"
#include "unitdb/accessors.h"
#include "unitdb/registry.h"

namespace varuno {
namespace {

constexpr const char* kSection = "FIND";
constexpr int kHistoryKey = 1000;  // entry i is stored under key 1000 + i
// The history never holds more; a larger count can only come from a damaged
// file, and reading it whole would cost one file read per claimed entry.
constexpr int kHistoryLimit = 101;

bool valid_hit(const UnitTables& tables, const search_hit& hit) {
    return hit.kind >= 0 && hit.kind < kind_count && has_row(tables[hit.kind], hit.row) && hit.field >= 0 &&
           hit.field < 5;
}

}  // namespace

bool restore_search_state(SearchForm& form, std::string_view file) {
    if (ini_read_int(kSection, "first", file) == 0) {
        std::fill(form.checks.begin(), form.checks.begin() + 5, 1);
        form.kinds.assign(form.kinds.size(), true);
        form.history.clear();
        return false;
    }
    for (int i = 0; i < kSearchCheckCount; ++i) {
        const int state = ini_read_int_at(kSection, kSearchFirstCheck + i, file);
        if (state >= 0 && state <= 2) form.checks[static_cast<std::size_t>(i)] = state;
    }
    for (std::size_t k = 0; k < form.kinds.size(); ++k)
        form.kinds[k] = ini_read_int_at(kSection, static_cast<int>(k), file) != 0;
    const int count = std::min(ini_read_int(kSection, "CMB_C", file), kHistoryLimit);
    for (int i = 0; i < count; ++i) form.history.push_back(ini_read_text_at(kSection, kHistoryKey + i, file));
    return true;
}

bool save_search_state(const SearchForm& form, std::string_view file) {
    std::vector<IniChange> changes;
    const auto set = [&](int key, std::string value) {
        changes.push_back({kSection, std::to_string(key), std::move(value)});
    };
    changes.push_back({kSection, "first", "1"});
    for (int i = 0; i < kSearchCheckCount; ++i)
        set(kSearchFirstCheck + i, std::to_string(form.checks[static_cast<std::size_t>(i)]));
    for (std::size_t k = 0; k < form.kinds.size(); ++k) set(static_cast<int>(k), form.kinds[k] ? "1" : "0");
    changes.push_back({kSection, "CMB_C", std::to_string(form.history.size())});
    for (std::size_t i = 0; i < form.history.size(); ++i) set(kHistoryKey + static_cast<int>(i), form.history[i]);
    return ini_write_changes(changes, file);
}

bool forget_search_state(std::string_view file) { return ini_write_int(kSection, "first", 0, file); }

SearchOptions search_options(const std::array<int, kSearchCheckCount>& checks) {
    SearchOptions options;
    for (std::size_t t = 0; t < 5; ++t) options.fields[t] = checks[t] != 0;
    options.case_sensitive = checks[5] != 0;
    options.whole_field = checks[6] != 0;
    return options;
}

bool reorder_hits(std::vector<search_hit>& hits, const std::vector<int>& order) {
    if (order.size() != hits.size()) return false;
    std::vector<bool> seen(hits.size(), false);
    for (int p : order) {
        if (p < 0 || static_cast<std::size_t>(p) >= hits.size() || seen[static_cast<std::size_t>(p)]) return false;
        seen[static_cast<std::size_t>(p)] = true;
    }
    std::vector<search_hit> moved;
    moved.reserve(hits.size());
    for (int p : order) moved.push_back(hits[static_cast<std::size_t>(p)]);
    hits = std::move(moved);
    return true;
}

std::string hit_column_text(const UnitTables& tables, const search_hit& hit, int column) {
    if (!valid_hit(tables, hit) || column < 0 || column >= kSearchColumnCount) return {};
    if (column == 0) return kind_names[static_cast<std::size_t>(hit.kind)];
    const udb& table = tables[hit.kind];
    return column == 6 ? unit_row_remark(table, hit.row) : unit_cell(table, hit.row, column - 1);
}

std::string hit_detail_text(const UnitTables& tables, const search_hit& hit) {
    if (!valid_hit(tables, hit)) return {};
    static const char* const kFieldHeads[5] = {"日本語表記\t", "単位記号\t", "国名\t\t", "補助記号\t", "備考　"};
    const std::string mark = cp932::from_utf8(hit.grade == 2 ? "\n◎" : "\n○");
    const std::string other = cp932::from_utf8("\n□");
    std::string text = cp932::from_utf8("◎：完全合致　○：部分合致\n\n\n[単位種：") +
                       kind_names[static_cast<std::size_t>(hit.kind)] + "]\n";
    for (int t = 0; t < 5; ++t)
        text += (t == hit.field ? mark : other) + cp932::from_utf8(kFieldHeads[t]) +
                search_field_text(tables[hit.kind], hit.row, t);
    return text + cp932::from_utf8("\n\nこの単位で換算を実行しますか？");
}

std::string hit_counter_text(std::size_t hits) {
    std::string text = " ";
    text += std::to_string(hits);
    text += " HIT";
    return text;
}

}  // namespace varuno
