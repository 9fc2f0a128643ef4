// Choosing the current unit kind and filling the main window's unit lists.
// Written against a small interface so that the window, the command-line
// tool and the tests share it.
#pragma once
#include <string_view>

#include "unitdb/registry.h"
#include "unitdb/udb.h"

namespace varuno {

// The four unit lists, in the order they are always visited.
enum UnitList : int { kListBeforeA = 0, kListAfterA = 1, kListBeforeB = 2, kListAfterB = 3 };

// What select_kind and fill_unit_lists need of the main window.
class UnitListView {
public:
    virtual ~UnitListView() = default;
    // Empties list `list` and the value field beside it.
    virtual void clear_list(UnitList list) = 0;
    virtual void append_to_list(UnitList list, std::string_view label) = 0;
    virtual void set_result_line(std::string_view text) = 0;   // the zoom view
    virtual void clear_unit_chosen() = 0;                      // no unit chosen in any list yet
    virtual void status_show_kind(std::string_view name) = 0;  // status bar cleared, kind name shown
};

// Lists nothing: for callers without a window (the command-line tool, tests).
class NoUnitLists : public UnitListView {
public:
    void clear_list(UnitList) override {}
    void append_to_list(UnitList, std::string_view) override {}
    void set_result_line(std::string_view) override {}
    void clear_unit_chosen() override {}
    void status_show_kind(std::string_view) override {}
};

// Sorts `table` by `option` and fills the four lists with its unit labels in
// display order; empties the value fields and the result line.
void fill_unit_lists(udb& table, int option, UnitListView& view);

// Makes kind `index` current: sorts its table in the order `option` (the
// settings' list order), refills the lists and shows the kind in the status
// bar. Answers the table, which the caller keeps as the current one; null
// for -1 (nothing happens) or an index that is no selectable kind.
udb* select_kind(UnitTables& tables, int index, int option, UnitListView& view);

}  // namespace varuno
