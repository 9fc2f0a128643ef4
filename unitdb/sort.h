// Display orders of a unit table.
#pragma once
#include "unitdb/udb.h"

namespace varuno {

// Sort options of the settings (stored value minus 20206).
enum SortOption : int {
    kSortStorage = 0,     // 分類順: storage order
    kSortSymbolUp = 1,    // 単位記号の昇順
    kSortSymbolDown = 2,  // 単位記号の降順
    kSortRateUp = 3,      // 換算率の昇順
    kSortRateDown = 4,    // 換算率の降順
};

// Rewrites table.order: the identity for option 0 and any value outside 1-4;
// otherwise sorted by the sort keys (options 1, 2) or the evaluated generic
// rates (options 3, 4). Units with equal keys end in the order the quicksort
// leaves them: there is no secondary key, so favourites and users see the
// same lists as always.
void sort_units(udb& table, int option);

}  // namespace varuno
