// Sorting the report lists by a column's texts: the head-click directions,
// the 29-byte comparison and the stable order of equal texts.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "dialogs/list_sort.h"

namespace varuno {
namespace {

TEST(SortDirections, NoneAndDescendingBecomeAscendingAscendingBecomesDescending) {
    EXPECT_EQ(flipped(SortDirection::kNone), SortDirection::kAscending);
    EXPECT_EQ(flipped(SortDirection::kAscending), SortDirection::kDescending);
    EXPECT_EQ(flipped(SortDirection::kDescending), SortDirection::kAscending);
}

TEST(ListTexts, CompareAsUnsignedBytesOnTheirFirst29) {
    EXPECT_LT(compare_list_texts("10", "9"), 0);  // counts sort as text
    EXPECT_GT(compare_list_texts("9", "10"), 0);
    EXPECT_LT(compare_list_texts("m", "\x90\x6F"), 0);  // a lead byte is above every ASCII byte
    EXPECT_GT(compare_list_texts("\x8A\xBF", "z"), 0);
    EXPECT_LT(compare_list_texts("m", "mm"), 0);
    EXPECT_EQ(compare_list_texts("mm", "mm"), 0);
    const std::string stem(29, 'a');
    EXPECT_EQ(compare_list_texts(stem + "b", stem + "c"), 0);
    EXPECT_EQ(compare_list_texts(stem, stem + "c"), 0);
    EXPECT_LT(compare_list_texts(stem.substr(1) + "a", stem.substr(1) + "b"), 0);
}

TEST(SortedRowOrder, BytesAscendingOrDescendingWithTiesInTheirCurrentOrder) {
    // "\x83\x81" (a katakana) is above every ASCII byte; rows 1 and 3 tie.
    const std::vector<std::string> texts{"b", "a", "\x83\x81", "a", "ab"};
    EXPECT_EQ(sorted_row_order(texts, SortDirection::kAscending), (std::vector<int>{1, 3, 4, 0, 2}));
    EXPECT_EQ(sorted_row_order(texts, SortDirection::kDescending), (std::vector<int>{2, 0, 4, 1, 3}));
    EXPECT_EQ(sorted_row_order(texts, SortDirection::kNone), (std::vector<int>{0, 1, 2, 3, 4}));
    EXPECT_TRUE(sorted_row_order({}, SortDirection::kAscending).empty());
}

}  // namespace
}  // namespace varuno
