#include "unitdb/lists.h"

#include "unitdb/accessors.h"
#include "unitdb/registry.h"
#include "unitdb/sort.h"

namespace varuno {

void fill_unit_lists(udb& table, int option, UnitListView& view) {
    sort_units(table, option);
    for (UnitList list : {kListBeforeA, kListAfterA, kListBeforeB, kListAfterB}) view.clear_list(list);
    for (int p = 0; p < table.count; ++p) {
        const std::string label = unit_label(table, p);
        for (UnitList list : {kListBeforeA, kListAfterA, kListBeforeB, kListAfterB}) view.append_to_list(list, label);
    }
    view.set_result_line("");
}

udb* select_kind(UnitTables& tables, int index, int option, UnitListView& view) {
    if (index < 0 || index >= kind_count) return nullptr;
    udb& table = tables.table(index);
    view.clear_unit_chosen();
    fill_unit_lists(table, option, view);
    view.status_show_kind(kind_names[static_cast<std::size_t>(index)]);
    return &table;
}

}  // namespace varuno
