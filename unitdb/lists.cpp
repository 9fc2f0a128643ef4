#include "unitdb/lists.h"

#include "platform/ini.h"
#include "unitdb/accessors.h"
#include "unitdb/registry.h"
#include "unitdb/sort.h"

namespace varuno {

int sort_option_setting() { return ini_read_int("2_0:RDO", "1", "varuno_set.ini") - 20206; }

void fill_unit_lists(udb& table, int option, UnitListView& view) {
    sort_units(table, option);
    for (UnitList list : {kListBeforeA, kListAfterA, kListBeforeB, kListAfterB}) view.clear_list(list);
    for (int p = 0; p < table.count; ++p) {
        const std::string label = unit_label(table, p);
        for (UnitList list : {kListBeforeA, kListAfterA, kListBeforeB, kListAfterB}) view.append_to_list(list, label);
    }
    view.set_result_line("");
}

void select_kind(int index, UnitListView& view) {
    if (index < 0 || index >= kind_count) return;
    current_table = &kind_tables[static_cast<std::size_t>(index)];
    current_kind = index;
    view.clear_unit_chosen();
    fill_unit_lists(*current_table, sort_option_setting(), view);
    view.status_show_kind(kind_names[static_cast<std::size_t>(index)]);
}

} // namespace varuno
