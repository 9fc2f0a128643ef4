// Checks over every row of every unit table: the shapes of the tables, the
// cells, the rate groups and the rates themselves. These catch data-entry
// slips that no conversion test would find.
#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "formula/formula.h"
#include "platform/cp932.h"
#include "unitdb/accessors.h"
#include "unitdb/registry.h"

namespace varuno {
namespace {

struct Expected {
    int count, columns, rate_columns;
    std::vector<int> groups;  // units in group 1, 2, ...
};

// Per kind: units, N, R and the units of each rate group.
const Expected kExpected[kind_count] = {
    {88, 10, 3, {28, 37, 23}},                      // 0
    {48, 10, 3, {19, 16, 13}},                      // 1
    {174, 16, 8, {33, 37, 23, 28, 14, 3, 25, 11}},  // 2
    {122, 11, 4, {60, 34, 7, 21}},                  // 3
    {33, 10, 3, {17, 4, 12}},                       // 4
    {72, 10, 3, {33, 15, 24}},                      // 5
    {43, 10, 3, {21, 4, 18}},                       // 6
    {30, 10, 3, {8, 4, 18}},                        // 7
    {5, 8, 1, {5}},                                 // 8
    {32, 9, 2, {22, 10}},                           // 9
    {16, 9, 2, {8, 8}},                             // 10
    {17, 10, 3, {2, 12, 3}},                        // 11
    {27, 9, 2, {27, 0}},                            // 12
    {32, 9, 2, {21, 11}},                           // 13
    {8, 9, 2, {6, 2}},                              // 14
    {16, 10, 3, {7, 5, 4}},                         // 15
    {1, 8, 1, {1}},                                 // 16
    {12, 10, 3, {9, 3, 0}},                         // 17
    {4, 8, 1, {4}},                                 // 18
    {5, 8, 1, {5}},                                 // 19
    {5, 8, 1, {5}},                                 // 20
    {5, 8, 1, {5}},                                 // 21
    {9, 8, 1, {9}},                                 // 22
    {4, 8, 1, {4}},                                 // 23
    {8, 8, 1, {8}},                                 // 24
    {5, 8, 1, {5}},                                 // 25
    {4, 8, 1, {4}},                                 // 26
    {12, 8, 1, {12}},                               // 27
    {2, 8, 1, {2}},                                 // 28
    {3, 8, 1, {3}},                                 // 29
    {9, 8, 1, {9}},                                 // 30
    {12, 8, 1, {12}},                               // 31
    {3, 8, 1, {3}},                                 // 32
    {3, 8, 1, {3}},                                 // 33
    {3, 8, 1, {3}},                                 // 34
    {3, 8, 1, {3}},                                 // 35
    {3, 8, 1, {3}},                                 // 36
    {13, 8, 1, {13}},                               // 37
    {3, 8, 1, {3}},                                 // 38
    {5, 8, 1, {5}},                                 // 39
    {14, 8, 1, {14}},                               // 40
    {2, 8, 1, {2}},                                 // 41
    {11, 8, 1, {11}},                               // 42
    {11, 8, 1, {11}},                               // 43
    {10, 8, 1, {10}},                               // 44
    {6, 8, 1, {6}},                                 // 45
    {11, 8, 1, {11}},                               // 46
    {6, 8, 1, {6}},                                 // 47
    {3, 8, 1, {3}},                                 // 48
    {9, 9, 2, {7, 2}},                              // 49
    {11, 8, 1, {11}},                               // 50
    {10, 8, 1, {10}},                               // 51
    {6, 8, 1, {6}},                                 // 52
    {9, 8, 1, {9}},                                 // 53
    {8, 8, 1, {8}},                                 // 54
    {12, 8, 1, {12}},                               // 55
    {3, 8, 1, {3}},                                 // 56
    {18, 8, 1, {18}},                               // 57
    {7, 8, 1, {7}},                                 // 58
    {17, 8, 1, {17}},                               // 59
    {8, 8, 1, {8}},                                 // 60
    {6, 8, 1, {6}},                                 // 61
    {5, 8, 1, {5}},                                 // 62
    {8, 8, 1, {8}},                                 // 63
    {11, 8, 1, {11}},                               // 64
    {2, 8, 1, {2}},                                 // 65
    {4, 8, 1, {4}},                                 // 66
    {28, 8, 1, {28}},                               // 67
    {2, 8, 1, {2}},                                 // 68
};

// Every table, built once for the program.
varuno::UnitTables& tables() {
    static varuno::UnitTables all;
    all.load_all();
    return all;
}

double evaluate(const char* text) {
    const double v = FormulaCalculateText(text);
    return FormulaError == 0 ? v : std::nan("");
}

TEST(TableData, ShapesAndCounts) {
    int total = 0;
    for (int k = 0; k < kind_count; ++k) {
        const udb& t = tables()[k];
        const Expected& e = kExpected[k];
        SCOPED_TRACE(k);
        EXPECT_EQ(t.count, e.count);
        EXPECT_EQ(t.columns, e.columns);
        EXPECT_EQ(t.rate_columns, e.rate_columns);
        EXPECT_EQ(t.remark_column, t.columns - 2);
        EXPECT_EQ(t.columns, t.rate_columns + (k == 2 ? 8 : 7));
        std::vector<int> groups(static_cast<std::size_t>(t.rate_columns), 0);
        for (int r = 0; r < t.count; ++r) {
            const int g = unit_group(t, r);
            ASSERT_TRUE(g >= 1 && g <= t.rate_columns) << "row " << r << " group " << g;
            ++groups[static_cast<std::size_t>(g - 1)];
            EXPECT_EQ(t.order[r], r);
        }
        EXPECT_EQ(groups, e.groups);
        total += t.count;
    }
    EXPECT_EQ(total, 1157);
    EXPECT_EQ(tables()[69].count, 0);  // 通貨 is never built
    EXPECT_EQ(tables()[69].rows, nullptr);
}

TEST(TableData, EveryCellIsAWholeCp932Text) {
    for (int k = 0; k < kind_count; ++k) {
        const udb& t = tables()[k];
        for (int r = 0; r < t.count; ++r) {
            for (int c = 0; c < t.columns; ++c) {
                const char* cell = t.rows[r][c];
                SCOPED_TRACE(::testing::Message() << "kind " << k << " row " << r << " column " << c);
                ASSERT_NE(cell, nullptr);
                EXPECT_GT(std::strlen(cell), 0u);
                EXPECT_EQ(std::strchr(cell, '?'), nullptr) << "a character code page 932 cannot hold";
            }
            const char* reserved = t.rows[r][t.columns - 1];
            EXPECT_TRUE(std::strlen(reserved) == 1 && reserved[0] >= '0' && reserved[0] <= '9') << k << "/" << r;
        }
    }
}

TEST(TableData, OwnGroupColumnIsFilledAndEveryRateEvaluates) {
    for (int k = 0; k < kind_count; ++k) {
        if (k == 8) continue;  // 温度 holds formulas, converted by composition
        const udb& t = tables()[k];
        for (int r = 0; r < t.count; ++r) {
            SCOPED_TRACE(::testing::Message() << "kind " << k << " row " << r);
            const int g = unit_group(t, r);
            EXPECT_FALSE(is_empty_mark(unit_rate(t, r, 1)));
            EXPECT_FALSE(is_empty_mark(unit_rate(t, r, g)));
            for (int col = 1; col <= t.rate_columns; ++col) {
                const char* rate = unit_rate(t, r, col);
                if (is_empty_mark(rate)) continue;
                const double v = evaluate(rate);
                EXPECT_TRUE(std::isfinite(v) && v > 0) << "rate G" << col << " \"" << rate << "\"";
            }
        }
    }
}

// Within a group column g, generic rate / group rate is the generic rate of
// the group's reference unit: the same for every row that carries column g.
TEST(TableData, GroupRatesAgreeWithGenericRates) {
    for (int k = 0; k < kind_count; ++k) {
        if (k == 8) continue;
        const udb& t = tables()[k];
        for (int g = 2; g <= t.rate_columns; ++g) {
            double reference = 0;
            int reference_row = -1;
            for (int r = 0; r < t.count; ++r) {
                if (is_empty_mark(unit_rate(t, r, g))) continue;
                const double ratio = evaluate(unit_rate(t, r, 1)) / evaluate(unit_rate(t, r, g));
                if (reference_row < 0) {
                    reference = ratio;
                    reference_row = r;
                    continue;
                }
                EXPECT_NEAR(ratio / reference, 1.0, 1e-9)
                    << "kind " << k << " group " << g << ": row " << r << " against row " << reference_row;
            }
        }
    }
}

// Every knot of 速度 is its nautical mile of 寸法 per hour: 速度's rates are
// metres (and yards, group 2) per hour, 寸法's metres (and yards). The pairs
// go by name: 「…ノット」 with 「…海里」, and 海里毎時 with 海里.
TEST(TableData, KnotsAreTheirNauticalMilesPerHour) {
    const std::string knot = cp932::from_utf8("ノット"), mile = cp932::from_utf8("海里");
    const udb& length = tables()[find_kind(cp932::from_utf8("寸法"))];
    const udb& speed = tables()[find_kind(cp932::from_utf8("速度"))];
    auto length_row = [&](const std::string& name) {
        for (int r = 0; r < length.count; ++r)
            if (name == unit_cell(length, r, 0)) return r;
        return -1;
    };
    int pairs = 0;
    for (int r = 0; r < speed.count; ++r) {
        const std::string name = unit_cell(speed, r, 0);
        std::string mile_name;
        if (name.size() >= knot.size() && name.compare(name.size() - knot.size(), knot.size(), knot) == 0)
            mile_name = name.substr(0, name.size() - knot.size()) + mile;
        else if (name == mile + cp932::from_utf8("毎時"))
            mile_name = mile;
        else
            continue;
        const int l = length_row(mile_name);
        SCOPED_TRACE(cp932::to_utf8(name));
        ASSERT_GE(l, 0);
        EXPECT_STREQ(unit_symbol(length, l), "nmi");
        const int group = unit_group(speed, r);
        ASSERT_EQ(group, unit_group(length, l));
        for (const int g : {1, group}) {  // the generic rates, and the group rates of a group-2 pair
            const char *per_hour = unit_rate(speed, r, g), *distance = unit_rate(length, l, g);
            EXPECT_NEAR(evaluate(per_hour) / evaluate(distance), 1.0, 1e-12)
                << "G" << g << ": " << per_hour << " against " << distance;
        }
        ++pairs;
    }
    EXPECT_EQ(pairs, 8);
}

TEST(TableData, VolumeExtraColumnMarksGroupsFiveSevenAndEight) {
    const udb& t = tables()[2];
    for (int r = 0; r < t.count; ++r) {
        const int g = unit_group(t, r);
        EXPECT_STREQ(t.rows[r][13], (g == 5 || g == 7 || g == 8) ? "2" : ";") << r;
    }
}

TEST(TableData, TemperatureKeepsItsFormulas) {
    const udb& t = tables()[8];
    ASSERT_EQ(t.count, 5);
    EXPECT_STREQ(unit_rate(t, 0, 1), "K=K");
    EXPECT_STREQ(unit_rate(t, 1, 1), "K=C+273.15");
    EXPECT_STREQ(unit_rate(t, 2, 1), "K=(5/9)(F-32)+273.15");
    EXPECT_STREQ(unit_rate(t, 3, 1), "K=(5/4)R+273.15");
    EXPECT_STREQ(unit_rate(t, 4, 1), "K=(5/9)r");
}

}  // namespace
}  // namespace varuno
