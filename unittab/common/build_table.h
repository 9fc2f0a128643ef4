// Shared by the unit-table builders: fills a `udb` from a flat literal table.
#pragma once
#include <cstddef>

#include "unitdb/udb.h"

#if defined(UNITTAB_STATIC)
#define UNITTAB_BUILDER extern "C"
#elif defined(_WIN32)
#define UNITTAB_BUILDER extern "C" __declspec(dllexport)
#else
#define UNITTAB_BUILDER extern "C" __attribute__((visibility("default")))
#endif

namespace varuno::unittab {

// Fills `table` from `cells`, `columns` texts per row, row after row, in
// storage order: sets the four numbers (the remark column is columns - 2),
// allocates the row array and every row, copies every cell to a heap text of
// its own (the literals are UTF-8; the copies are CP932), and sets the
// display order to the identity. What `table` held before is ignored.
void build_table(udb* table, int columns, int rate_columns, const char* const* cells, std::size_t cell_count);

} // namespace varuno::unittab
