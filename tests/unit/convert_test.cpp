// Conversions of one court: rate selection, the temperature compositions,
// validation, the error mark, the zoom view, and the conversions of the
// mended rates.
#include <cmath>
#include <string>

#include <gtest/gtest.h>

#include "convert/engine.h"
#include "formula/formula.h"
#include "test_units.h"
#include "unitdb/accessors.h"
#include "unitdb/registry.h"

namespace varuno {
namespace {

using test::cp;
using test::row_labelled;
using test::row_named;

class Convert : public ::testing::Test {
protected:
    void SetUp() override { test::tables(); }

    // Converts `input` in `kind` from row to row (the tables keep their
    // storage order here).
    const Conversion& run(int kind, int from_row, int to_row, const std::string& input) {
        const udb& table = test::tables()[static_cast<std::size_t>(kind)];
        const ConversionRequest request{&table,
                                        kind == kTemperatureKind,
                                        input,
                                        display_position(table, from_row),
                                        display_position(table, to_row),
                                        settings};
        last = varuno::convert(request);
        if (last.result == ConversionResult::kConverted) value = FormulaCalculateText(last.output.c_str());
        return last;
    }
    bool converted(int kind, int from_row, int to_row, const std::string& input) {
        return run(kind, from_row, to_row, input).result == ConversionResult::kConverted;
    }
    double convert(int kind, int from_row, int to_row, const std::string& input) {
        EXPECT_GE(from_row, 0);
        EXPECT_GE(to_row, 0);
        EXPECT_TRUE(converted(kind, from_row, to_row, input));
        return value;
    }
    std::pair<std::string, std::string> rates(int kind, int from_row, int to_row) {
        const RatePair r = select_rates(test::tables()[kind], from_row, to_row);
        return {r.from, r.to};
    }

    ConversionSettings settings;
    Conversion last;
    double value = 0;
};

using Rates = std::pair<std::string, std::string>;

TEST_F(Convert, RatesOfOneGroupOrGenericRates) {
    const int yd = row_labelled(0, "yd"), in = row_labelled(0, "in"), m = row_labelled(0, "m");
    EXPECT_EQ(rates(0, yd, in), Rates("1", "1/36"));
    EXPECT_EQ(rates(0, yd, m), Rates("0.9144", "1"));
    EXPECT_EQ(rates(0, row_named(0, "しゃく"), row_named(0, "すん")), Rates("10", "1"));
    EXPECT_EQ(rates(0, row_labelled(0, "ft"), yd), Rates("1/3", "1"));
    EXPECT_EQ(rates(1, row_labelled(1, "ac[英]"), row_labelled(1, "ac[米]")), Rates("4046.849", "4046.8564224"));
    const int uk_peck = row_named(2, "英ペック"), us_peck = row_named(2, "米ペック");
    EXPECT_EQ(rates(2, uk_peck, us_peck).first, "554.548*0.0254^3");
    EXPECT_EQ(rates(2, uk_peck, us_peck).second, "537.605*0.0254^3*1");
    EXPECT_EQ(rates(3, row_labelled(3, "kg"), row_labelled(3, "g")), Rates("10^3", "1"));
    // One unit of group 2 and one of group 3: generic rates of both.
    EXPECT_EQ(rates(0, yd, row_named(0, "すん")), Rates("0.9144", "1/33"));
    EXPECT_DOUBLE_EQ(convert(0, yd, m, "1"), 0.9144);
    EXPECT_DOUBLE_EQ(convert(0, yd, in, "1"), 36);
}

TEST_F(Convert, TwelveMillimetresInMetres) {
    ASSERT_TRUE(converted(0, row_labelled(0, "mm"), row_labelled(0, "m"), "12"));
    EXPECT_EQ(last.output, "1.2e-002");
    EXPECT_EQ(last.zoom, cp("12 mm = 1.2×10^-2 m"));
    settings.exponent_style = 0;
    ASSERT_TRUE(converted(0, row_labelled(0, "mm"), row_labelled(0, "m"), "12"));
    EXPECT_EQ(last.zoom, "12 mm = 1.2e-002 m");
    settings.zoom_content = 20201;
    ASSERT_TRUE(converted(0, row_labelled(0, "in"), row_labelled(0, "ft"), "12"));
    EXPECT_EQ(last.output, "1.");
    EXPECT_EQ(last.zoom, "1 ft");
}

TEST_F(Convert, ExpressionsAndTheLetterA) {
    const int mm = row_labelled(0, "mm");
    ASSERT_TRUE(converted(0, mm, mm, "1+2"));
    EXPECT_EQ(last.output, "3.");
    ASSERT_TRUE(converted(0, mm, mm, "a"));
    EXPECT_EQ(last.output, "0.");
    EXPECT_EQ(last.zoom, "0 mm = 0 mm");
    ASSERT_TRUE(converted(0, mm, mm, "(1+2)/4"));
    EXPECT_EQ(last.output, "0.75");
}

TEST_F(Convert, TemperatureCompositions) {
    EXPECT_EQ(compose_temperature(1, 0, "x"), "(((x)+273.15))");
    EXPECT_EQ(compose_temperature(1, 2, "x"), "(((x)+273.15)-273.15)*(9/5)+32");
    EXPECT_EQ(compose_temperature(2, 1, "x"), "(((5/9)*(x-32)+273.15))-273.15");
    EXPECT_EQ(compose_temperature(0, 4, "x"), "(x)*(9/5)");
    EXPECT_EQ(compose_temperature(5, 0, "x"), "err");
    EXPECT_EQ(compose_temperature(0, -1, "x"), "err");
    ASSERT_TRUE(converted(8, 1, 2, "0"));
    EXPECT_EQ(last.output, "32.");
    ASSERT_TRUE(converted(8, 2, 1, "100"));
    EXPECT_EQ(last.output, "37.7777777777778");
    ASSERT_TRUE(converted(8, 0, 4, "0"));
    EXPECT_EQ(last.output, "0.");
    ASSERT_TRUE(converted(8, 3, 0, "10+5"));
    EXPECT_EQ(last.output, "291.9");
    // Every pair converts through kelvin and back to its own value.
    for (int from = 0; from < 5; ++from)
        for (int to = 0; to < 5; ++to) {
            ASSERT_TRUE(converted(8, from, to, "25"));
            ASSERT_TRUE(converted(8, to, from, last.output));
            EXPECT_NEAR(value, 25, 1e-9) << from << "->" << to;
        }
}

TEST_F(Convert, ValidationNamesWhatIsMissing) {
    const udb& length = test::tables()[0];
    const int mm = display_position(length, row_labelled(0, "mm"));
    auto result = [&](const udb* table, int from, int to, std::string_view input) {
        return varuno::convert({table, false, input, from, to, settings}).result;
    };
    EXPECT_EQ(result(&length, -1, mm, "12"), ConversionResult::kNoBeforeUnit);
    EXPECT_EQ(result(&length, mm, -1, "12"), ConversionResult::kNoAfterUnit);
    EXPECT_EQ(result(&length, mm, length.count, "12"), ConversionResult::kNoAfterUnit);
    EXPECT_EQ(result(&length, mm, mm, ""), ConversionResult::kNoInput);
    // No kind chosen: a guidance line may stay selected, but no table is read.
    EXPECT_EQ(result(nullptr, 0, 0, "1"), ConversionResult::kNoBeforeUnit);
    EXPECT_EQ(validation_message(kCourtA, ConversionResult::kNoBeforeUnit),
              cp("Aコートの換算『前』単位記号が選択されていません。"));
    EXPECT_EQ(validation_message(kCourtB, ConversionResult::kNoAfterUnit),
              cp("Bコートの換算『後』単位記号が選択されていません。"));
    EXPECT_EQ(validation_message(kCourtB, ConversionResult::kNoInput),
              cp("Bコートの換算前数値入力欄に数式が入力されていません。"));
    EXPECT_EQ(validation_message(kCourtA, ConversionResult::kConverted), "");
    EXPECT_EQ(kConversionErrorCaption, cp("Varuno：換算エラー"));
}

TEST_F(Convert, ErrorMarkForRejectedExpressions) {
    const int mm = row_labelled(0, "mm"), km = row_labelled(0, "km");
    for (const char* input : {"12*", "1 2", "\x82\x50", "2)+(3", "(2", "2)", "1e308*1000"}) {
        SCOPED_TRACE(input);
        EXPECT_EQ(run(0, km, mm, input).result, ConversionResult::kErrorMark);
        EXPECT_EQ(last.output, cp("ERR!ヘルプ参照"));
        EXPECT_EQ(last.zoom, cp("ERR!ここをクリックしてください。"));
    }
    // 1e308 km into mm overflows to infinity: the mark, not a number.
    EXPECT_EQ(run(0, km, mm, "1e308").result, ConversionResult::kErrorMark);
    EXPECT_TRUE(converted(0, km, mm, "1"));
    EXPECT_EQ(last.output, "1000000.");
}

// The window's input field holds up to 32,767 characters: a valid input of
// that length converts like its short form, temperatures too.
TEST_F(Convert, TheLongestInputsOfTheWindowConvert) {
    const int mm = row_labelled(0, "mm"), m = row_labelled(0, "m");
    std::string sum = "12";
    for (int i = 0; i < 16382; ++i) sum += "+0";
    sum += "0";  // "12+0+0...+00"
    ASSERT_EQ(sum.size(), 32767u);
    ASSERT_TRUE(converted(0, mm, m, sum));
    EXPECT_EQ(last.output, "1.2e-002");
    EXPECT_EQ(last.zoom, sum + cp(" mm = 1.2×10^-2 m"));
    const std::string yards = "2." + std::string(32765, '0');
    ASSERT_TRUE(converted(0, row_labelled(0, "yd"), row_labelled(0, "in"), yards));
    EXPECT_EQ(last.output, "72.");
    const std::string hundred = "100." + std::string(32763, '0');
    ASSERT_TRUE(converted(8, 1, 2, hundred));
    EXPECT_EQ(last.output, "212.");
}

TEST_F(Convert, MechanicalAndThermalTables) {
    EXPECT_EQ(rates(4, row_named(4, "重量ポンド"), row_named(4, "ポンドフォース")), Rates("1", "1"));
    EXPECT_EQ(rates(5, row_labelled(5, "Pa"), row_labelled(5, "hPa")), Rates("1", "100"));
    EXPECT_DOUBLE_EQ(convert(5, row_labelled(5, "hPa"), row_labelled(5, "Pa"), "1013.25"), 101325);
    const Rates heat = rates(10, row_named(10, "カロリー毎重量キログラム毎セ氏度"), 9);
    EXPECT_EQ(heat, Rates(test::tables()[10].rows[8][5], test::tables()[10].rows[9][5]));
    EXPECT_DOUBLE_EQ(convert(10, 8, 9, "1000"), 1);
}

TEST_F(Convert, TimeAnglesAndOtherTables) {
    EXPECT_DOUBLE_EQ(convert(12, row_named(12, "年（平均）"), row_named(12, "秒"), "1"), 31556952);
    EXPECT_DOUBLE_EQ(convert(12, row_named(12, "世紀（＝400年÷4）"), row_named(12, "年（平均）"), "1"), 100);
    EXPECT_NEAR(convert(15, row_named(15, "ラジアン"), row_named(15, "度"), "pi"), 180, 1e-12);
    EXPECT_EQ(convert(16, 0, 0, "7"), 7);
    EXPECT_EQ(convert(20, row_named(20, "ボルト"), row_named(20, "ジュール毎クーロン"), "230"), 230);
    const int inch = row_named(49, "論理インチ"), foot = row_named(49, "論理フート（フィート）");
    EXPECT_EQ(rates(49, inch, foot), Rates("1/36", "1/3"));
    EXPECT_DOUBLE_EQ(convert(49, inch, foot, "24"), 2);
    EXPECT_DOUBLE_EQ(convert(67, row_named(67, "パーセント"), row_named(67, "わり"), "30"), 3);
}

// Rates that were physically wrong in the tables handed down to us.
TEST_F(Convert, MendedRates) {
    EXPECT_DOUBLE_EQ(convert(4, row_labelled(4, "J/cm"), row_labelled(4, "N"), "1"), 100);
    EXPECT_NEAR(convert(5, row_labelled(5, "mmHg"), row_labelled(5, "Pa"), "760"), 101325, 1e-6);
    EXPECT_NEAR(convert(5, row_labelled(5, "mmHg"), row_labelled(5, "kgw/m2"), "1"), 13.595, 1e-3);
    // BTU per foot: 1 BTU/(s·ft·°F) = 1055.06 * 1.8 / 0.3048 W/(m·K) ≈ 6230.6
    const double per_second = convert(11, row_labelled(11, "BTU/(s･ft･ﾟF)"), 0, "1");
    EXPECT_NEAR(per_second, 4.18605 * 252.9958 / 0.3048 * 9 / 5, 1e-9);
    EXPECT_NEAR(convert(11, row_labelled(11, "BTU/(min･ft･ﾟF)"), row_labelled(11, "BTU/(s･ft･ﾟF)"), "60"), 1, 1e-12);
    EXPECT_DOUBLE_EQ(convert(14, row_labelled(14, "mm/s2"), row_labelled(14, "m/s2"), "1000"), 1);
    EXPECT_NEAR(convert(19, row_named(19, "静電アンペア"), row_named(19, "アンペア"), "1"), 3.33564095198152e-10,
                1e-24);
    EXPECT_NEAR(convert(24, row_named(24, "静電クーロン"), row_named(24, "クーロン"), "1"), 3.33564095198152e-10,
                1e-24);
    EXPECT_DOUBLE_EQ(convert(20, row_labelled(20, "V[CGS　emu]"), row_labelled(20, "V"), "1"), 1e-8);
    EXPECT_DOUBLE_EQ(convert(27, row_labelled(27, "eV"), row_labelled(27, "J"), "1"), 1.602176634e-19);
    EXPECT_NEAR(convert(40, row_named(40, "ミリニト"), row_labelled(40, "cd/m2"), "1"), 1e-3, 1e-15);
    const double milli = convert(46, 9, 10, "1");
    EXPECT_NEAR(milli, 1e-6, 1e-18);  // 1 mC/(kg·s) = 10^-6 kC/(kg·s)
    EXPECT_DOUBLE_EQ(convert(50, row_named(50, "オクテット"), row_labelled(50, "B"), "1"), 1);
    EXPECT_DOUBLE_EQ(convert(59, row_labelled(59, "kg/(m･s)"), row_labelled(59, "P"), "1"), 10);
    EXPECT_DOUBLE_EQ(convert(59, row_labelled(59, "kg/(cm･s)"), row_labelled(59, "P"), "1"), 1000);
    EXPECT_DOUBLE_EQ(convert(59, row_labelled(59, "kg/(mm･s)"), row_labelled(59, "P"), "1"), 10000);
    EXPECT_DOUBLE_EQ(convert(59, row_labelled(59, "g/(m･s)"), row_labelled(59, "P"), "1"), 0.01);
    EXPECT_DOUBLE_EQ(convert(59, row_labelled(59, "g/(mm･s)"), row_labelled(59, "P"), "1"), 10);
    EXPECT_DOUBLE_EQ(convert(60, row_labelled(60, "P/kg･m3"), row_labelled(60, "St"), "1"), 1000);
    EXPECT_DOUBLE_EQ(convert(60, row_labelled(60, "P/g･m3"), row_labelled(60, "St"), "1"), 1e6);
    EXPECT_DOUBLE_EQ(convert(61, row_labelled(61, "mol"), row_labelled(61, "個"), "1"), 6.0221419947e23);
    EXPECT_DOUBLE_EQ(convert(61, row_labelled(61, "kmol"), row_labelled(61, "mol"), "1"), 1000);
    EXPECT_DOUBLE_EQ(convert(61, row_labelled(61, "mmol"), row_labelled(61, "mol"), "1000"), 1);
}

}  // namespace
}  // namespace varuno
