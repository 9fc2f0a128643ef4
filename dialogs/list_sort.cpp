#include "dialogs/list_sort.h"

#include <algorithm>
#include <cstring>
#include <numeric>

namespace varuno {

SortDirection flipped(SortDirection direction) {
    return direction == SortDirection::kAscending ? SortDirection::kDescending : SortDirection::kAscending;
}

int compare_list_texts(std::string_view a, std::string_view b) {
    constexpr std::size_t kCompared = 29;
    a = a.substr(0, std::min(a.size(), kCompared));
    b = b.substr(0, std::min(b.size(), kCompared));
    const int c = std::memcmp(a.data(), b.data(), std::min(a.size(), b.size()));
    if (c != 0) return c < 0 ? -1 : 1;
    return a.size() < b.size() ? -1 : (a.size() > b.size() ? 1 : 0);
}

std::vector<int> sorted_row_order(const std::vector<std::string>& texts, SortDirection direction) {
    std::vector<int> order(texts.size());
    std::iota(order.begin(), order.end(), 0);
    if (direction == SortDirection::kNone) return order;
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        const int c = compare_list_texts(texts[static_cast<std::size_t>(a)], texts[static_cast<std::size_t>(b)]);
        return direction == SortDirection::kAscending ? c < 0 : c > 0;
    });
    return order;
}

}  // namespace varuno
