#include "test_units.h"

#include "platform/cp932.h"
#include "unitdb/accessors.h"

namespace varuno::test {

std::string cp(const char* utf8) { return cp932::from_utf8(utf8); }

UnitTables& tables() {
    static UnitTables all;
    all.load_all();
    return all;
}

int row_named(int kind, const char* utf8_name) {
    const udb& t = tables()[kind];
    for (int r = 0; r < t.count; ++r)
        if (unit_cell(t, r, 0) == cp(utf8_name)) return r;
    return -1;
}

int row_labelled(int kind, const char* utf8_label) {
    const udb& t = tables()[kind];
    for (int r = 0; r < t.count; ++r)
        if (unit_label(t, display_position(t, r)) == cp(utf8_label)) return r;
    return -1;
}

}  // namespace varuno::test
