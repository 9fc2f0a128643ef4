// The registry of unit kinds: display names, tables and icons by kind index,
// and the kind that is current in the main window.
#pragma once
#include <array>
#include <string>

#include "unitdb/udb.h"

namespace varuno {

inline constexpr int kind_total = 70;  // kind 69 (通貨) has a name and an icon but no table
inline constexpr int kind_count = 69;  // the kinds that are listed, searched and selectable
inline constexpr int kTemperatureKind = 8;  // 温度: converts through kelvin, not by rates

extern const std::array<std::string, kind_total> kind_names;  // CP932
extern std::array<udb, kind_total> kind_tables;
extern const std::array<int, kind_total> kind_icons;          // bitmap numbers of the 16x16 pictures

extern int current_kind;     // -1 until a kind is first selected
extern udb* current_table;   // the record of current_kind, or null

// Calls the builders of kinds 0 ... 68, in kind-index order, each into its
// record. Start-up calls it once.
void load_unit_tables();

// The kind whose display name is `name` (CP932), or -1.
int find_kind(std::string_view name);

} // namespace varuno
