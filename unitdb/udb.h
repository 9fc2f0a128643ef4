// The table of one unit kind, as the unit-table builders fill it.
//
// Texts are NUL-terminated CP932. A row is `columns` texts: name, symbol,
// country, auxiliary symbol, generic rate, the group rates, the group number,
// (体積 only: an extra column), the remark and a reserved cell. A cell with
// nothing to say holds ";". The records are never freed.
#pragma once
#include <cstdint>

struct udb {
    char*** rows;                // `count` rows of `columns` texts, storage order
    std::int32_t* order;         // display position -> row index
    std::int32_t columns;        // N
    std::int32_t count;          // number of rows (units)
    std::int32_t rate_columns;   // R
    std::int32_t remark_column;  // always N - 2
};
