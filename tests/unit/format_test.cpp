// Number texts of the output field and the zoom view.
#include <cmath>
#include <limits>
#include <string>

#include <gtest/gtest.h>

#include "convert/format.h"

namespace varuno {
namespace {

const std::string kTimes = "\x81\x7E";  // "×" in CP932

TEST(FormatNumber, FixedFormKeepsThePointAndDropsTrailingZeros) {
    EXPECT_EQ(format_number(100), "100.");
    EXPECT_EQ(format_number(0.5), "0.5");
    EXPECT_EQ(format_number(0.1), "0.1");
    EXPECT_EQ(format_number(32), "32.");
    EXPECT_EQ(format_number(-2.25), "-2.25");
    EXPECT_EQ(format_number(0.123456789012345), "0.123456789012345");
    EXPECT_EQ(format_number(123.456789012345), "123.456789012345");
    EXPECT_EQ(format_number(100.0 / 9 * 3.4), "37.7777777777778");
}

TEST(FormatNumber, ZeroAndInfinities) {
    EXPECT_EQ(format_number(0.0), "0.");
    EXPECT_EQ(format_number(-0.0), "0.");
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_NE(format_number(inf).find("#INF"), std::string::npos);
    EXPECT_EQ(format_number(-inf).rfind("-", 0), 0u);
    EXPECT_NE(format_number(-inf).find("#INF"), std::string::npos);
    EXPECT_EQ(format_number(std::nan("")).find("#INF"), std::string::npos);
}

TEST(FormatNumber, ScientificFormHasThreeExponentDigits) {
    EXPECT_EQ(format_number(0.012), "1.2e-002");
    EXPECT_EQ(format_number(0.09), "9.e-002");
    EXPECT_EQ(format_number(1e20), "1.e+020");
    EXPECT_EQ(format_number(1.5e20), "1.5e+020");
    EXPECT_EQ(format_number(-1.5e20), "-1.5e+020");
    EXPECT_EQ(format_number(123456789012345678.0), "1.23456789012346e+017");
    EXPECT_EQ(format_number(1e308), "1.e+308");
    EXPECT_EQ(format_number(1e-300), "1.e-300");
    EXPECT_EQ(format_number(5e-324), "4.94065645841247e-324");
    EXPECT_EQ(format_number(std::numeric_limits<double>::max()), "1.79769313486232e+308");
}

TEST(FormatNumber, FormIsChosenAfterRoundingToFifteenDigits) {
    EXPECT_EQ(format_number(999999999999999.0), "999999999999999");
    EXPECT_EQ(format_number(1e15), "1.e+015");
    EXPECT_EQ(format_number(123456789012345.0), "123456789012345");
    // Just below 0.1 but rounding to 0.100000000000000: written in the fixed form.
    EXPECT_EQ(format_number(std::nextafter(0.1, 0.0)), "0.1");
    EXPECT_EQ(format_number(0.09999999999999999), "0.1");
    // Just below 10^15 but rounding to 1.00000000000000e15: the scientific form.
    EXPECT_EQ(format_number(999999999999999.9), "1.e+015");
    EXPECT_EQ(format_number(0.0999999999999994), "9.99999999999994e-002");
    EXPECT_EQ(format_number(99999999999999.99), "100000000000000");
}

TEST(FormatNumber, RoundsTheExactValueOfTheDouble) {
    // 0.1 + 0.2 is 0.30000000000000004...: fifteen digits give 0.3.
    EXPECT_EQ(format_number(0.1 + 0.2), "0.3");
    // 1.0000000000000049 rounds down at the fifteenth digit, ...51 up.
    EXPECT_EQ(format_number(1.0000000000000049), "1.");
    EXPECT_EQ(format_number(1.0000000000000051), "1.00000000000001");
    EXPECT_EQ(format_number(2.5e-5), "2.5e-005");
}

TEST(FormatExponent, DropsTheFinalPointInEveryStyle) {
    for (int style = 0; style <= 3; ++style) {
        EXPECT_EQ(format_exponent("100.", style), "100") << style;
        EXPECT_EQ(format_exponent("0.1", style), "0.1") << style;
        EXPECT_EQ(format_exponent("0.", style), "0") << style;
        EXPECT_EQ(format_exponent("-2.25", style), "-2.25") << style;
    }
}

TEST(FormatExponent, TheFourStyles) {
    EXPECT_EQ(format_exponent("1.5e+020", 0), "1.5e+020");
    EXPECT_EQ(format_exponent("1.e+020", 0), "1.e+020");
    EXPECT_EQ(format_exponent("1.5e+020", 1), "1.5" + kTimes + "10^20");
    EXPECT_EQ(format_exponent("1.e+020", 1), "1" + kTimes + "10^20");
    EXPECT_EQ(format_exponent("1.2e-002", 1), "1.2" + kTimes + "10^-2");
    EXPECT_EQ(format_exponent("1.e+308", 1), "1" + kTimes + "10^308");
    EXPECT_EQ(format_exponent("-1.5e+020", 1), "-1.5" + kTimes + "10^20");
    EXPECT_EQ(format_exponent("1.5e+020", 2), "1.5" + kTimes + "10<sup>20</sup>");
    EXPECT_EQ(format_exponent("1.2e-002", 2), "1.2" + kTimes + "10<sup>-2</sup>");
    EXPECT_EQ(format_exponent("1.5e+020", 3), "150000000000000000000");
    EXPECT_EQ(format_exponent("-1.5e+020", 3), "-150000000000000000000");
    EXPECT_EQ(format_exponent("1.2e-002", 3), "0.012");
    EXPECT_EQ(format_exponent("1.e-007", 3), "0.0000001");
    EXPECT_EQ(format_exponent("-3.5e-003", 3), "-0.0035");
    EXPECT_EQ(format_exponent("1.23456789012346e+017", 3), "123456789012346000");
}

TEST(FormatExponent, NinetyHundredthsInAllStyles) {
    const std::string text = format_number(0.09);
    EXPECT_EQ(format_exponent(text, 0), "9.e-002");
    EXPECT_EQ(format_exponent(text, 1), "9" + kTimes + "10^-2");
    EXPECT_EQ(format_exponent(text, 2), "9" + kTimes + "10<sup>-2</sup>");
    EXPECT_EQ(format_exponent(text, 3), "0.09");
}

TEST(FormatExponent, TinyValueSpelledOut) {
    const std::string plain = format_exponent(format_number(1e-300), 3);
    EXPECT_EQ(plain, "0." + std::string(299, '0') + "1");
}

TEST(FormatExponent, StylesOutsideTheRangeShowStyleZero) {
    for (int style : {-1, 4, 20202, -20202}) {
        EXPECT_EQ(format_exponent("1.5e+020", style), "1.5e+020") << style;
        EXPECT_EQ(format_exponent("100.", style), "100") << style;
    }
}

}  // namespace
}  // namespace varuno
