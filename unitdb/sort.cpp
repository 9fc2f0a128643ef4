#include "unitdb/sort.h"

#include <string>
#include <vector>

#include "formula/formula.h"
#include "platform/cp932.h"
#include "unitdb/accessors.h"

namespace varuno {
namespace {

int compare_keys(const std::string& a, const std::string& b) { return cp932::compare(a, b); }
int compare_keys(double a, double b) { return a < b ? -1 : (a > b ? 1 : 0); }

// Quicksort on positions lo ... hi with the pivot's value copied once per
// pass; swaps the keys and the display order together.
template <typename Key>
void quicksort(std::vector<Key>& key, std::int32_t* order, int lo, int hi, bool ascending) {
    const Key pivot = key[static_cast<std::size_t>((lo + hi) / 2)];
    const int dir = ascending ? 1 : -1;
    int i = lo, j = hi;
    for (;;) {
        while (dir * compare_keys(key[i], pivot) < 0) ++i;
        while (dir * compare_keys(key[j], pivot) > 0) --j;
        if (i >= j) break;
        std::swap(key[i], key[j]);
        std::swap(order[i], order[j]);
        ++i;
        --j;
    }
    if (lo < i - 1) quicksort(key, order, lo, i - 1, ascending);
    if (j + 1 < hi) quicksort(key, order, j + 1, hi, ascending);
}

}  // namespace

void sort_units(udb& table, int option) {
    const bool by_symbol = option == kSortSymbolUp || option == kSortSymbolDown;
    const bool by_rate = option == kSortRateUp || option == kSortRateDown;
    std::vector<std::string> symbols;
    std::vector<double> rates;
    for (int r = 0; by_symbol && r < table.count; ++r) symbols.push_back(unit_sort_key(table, r));
    // A rate the evaluator rejects sorts by whatever value it returns.
    for (int r = 0; by_rate && r < table.count; ++r) rates.push_back(FormulaCalculateText(unit_rate(table, r, 1)));

    for (int p = 0; p < table.count; ++p) table.order[p] = p;
    if (table.count == 0) return;
    const bool ascending = option == kSortSymbolUp || option == kSortRateUp;
    if (by_symbol) quicksort(symbols, table.order, 0, table.count - 1, ascending);
    if (by_rate) quicksort(rates, table.order, 0, table.count - 1, ascending);
}

}  // namespace varuno
