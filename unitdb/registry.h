// The registry of unit kinds: display names, builders and icons by kind
// index, and the unit tables that the builders fill.
#pragma once
#include <array>
#include <string>
#include <string_view>

#include "unitdb/udb.h"

namespace varuno {

inline constexpr int kind_total = 70;       // kind 69 (通貨) has a name and an icon but no table
inline constexpr int kind_count = 69;       // the kinds that are listed, searched and selectable
inline constexpr int kTemperatureKind = 8;  // 温度: converts through kelvin, not by rates

extern const std::array<std::string, kind_total> kind_names;  // CP932
extern const std::array<int, kind_total> kind_icons;          // bitmap numbers of the 16x16 pictures

// The kind whose display name is `name` (CP932), or -1.
int find_kind(std::string_view name);

// The unit tables of the kinds, one record each, owned by this object and
// released with it. A table is built by its builder when it is first asked
// for, through either accessor (or all at once by load_all), so that a
// program builds, and loads the unit-table library of, only the kinds it
// uses; kind 69 is never built and stays empty. Building does not change
// what a table holds, only when: the const accessor builds too. Only the
// tables' display orders change after building (sort_units).
class UnitTables {
public:
    UnitTables() = default;
    ~UnitTables();
    UnitTables(const UnitTables&) = delete;
    UnitTables& operator=(const UnitTables&) = delete;

    // Calls the builders of kinds 0 ... 68 that have not run yet, in
    // kind-index order.
    void load_all();
    // The table of `kind`, built first if need be. `kind` must be 0 ... 69.
    udb& table(int kind);
    // The same, for readers.
    const udb& operator[](int kind) const;

private:
    mutable std::array<udb, kind_total> tables_{};
    mutable std::array<bool, kind_total> built_{};
};

}  // namespace varuno
