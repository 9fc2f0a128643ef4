// Tests of the expression evaluator: grammar, precedence, error codes,
// precision and rounding of numbers, functions, and the size limits.
#include "formula/formula.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <numbers>
#include <random>
#include <string>
#include <utility>
#include <system_error>

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double pi = std::numbers::pi;
constexpr double e = std::numbers::e;

struct Outcome {
    double value;
    int error;
};

Outcome calc(const std::string& text) {
    FormulaError = -1;  // proves that every call sets it
    const double value = FormulaCalculateText(text.c_str());
    return {value, FormulaError};
}

// Bitwise equality: tells 0.1 from its neighbours and +0 from -0.
bool same_bits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

// The correctly rounded double of a number text. from_chars leaves the
// value alone when it overflows or underflows to zero; strtod tells which.
double reference(const std::string& text) {
    double value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    EXPECT_EQ(result.ptr, text.data() + text.size()) << text;
    if (result.ec == std::errc::result_out_of_range) return std::strtod(text.c_str(), nullptr) > 1 ? kInf : 0.0;
    return value;
}

// `count` copies of `piece` after `prefix`. (Built by appending: GCC 12
// warns falsely on "literal" + std::string.)
std::string repeat(const std::string& piece, int count, std::string prefix = {}) {
    std::string out = std::move(prefix);
    for (int i = 0; i < count; ++i) out += piece;
    return out;
}

struct Accepted {
    const char* text;
    double expected;
};

void expect_values(const Accepted* cases, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) {
        const Outcome r = calc(cases[i].text);
        EXPECT_EQ(r.error, FORMULA_OK) << cases[i].text;
        EXPECT_DOUBLE_EQ(r.value, cases[i].expected) << cases[i].text;
    }
}

TEST(FormulaGrammar, AcceptsTheRateTextStyles) {
    const Accepted cases[] = {
        {"0.000000001", 1e-9},
        {"1/36000", 1.0 / 36000},
        {"0.9144/36000", 0.9144 / 36000},
        {"10^3", 1000},
        {"4.18605*10^3", 4186.05},
        {"1.00202*10^-13", 1.00202e-13},
        {"(1609.344*3)^3", 112540909286.895648768},
        {"3600*360/(2*pi)", 206264.806247096355156473357330778613},
        {"0.000000001^3", 1e-27},
        {"554.548/36^3", 0.0118858882030178326474622770919067},
        {"1/36", 1.0 / 36},
        {"(12)*(0.9144/36000)/(1609.344*3)", 6.31313131313131313131313131313e-8},
        {"(((5/9)*(100-32)+273.15))-273.15", 37.7777777777777777777777777778},
        {"(((0)+273.15)-273.15)*(9/5)+32", 32},
        {"(0)*(9/5)", 0},
    };
    expect_values(cases, std::size(cases));
}

TEST(FormulaGrammar, AcceptsNumberForms) {
    const Accepted cases[] = {
        {"12", 12},          {"5.", 5},      {".5", 0.5},   {"0.5", 0.5}, {"007", 7},  {"1.2e-002", 0.012},
        {"1.2E-2", 0.012},   {"1e+3", 1000}, {"1e3", 1000}, {"5.e1", 50}, {".5e1", 5}, {"0e999999999999", 0},
        {"1e-999999999", 0}, {"100.", 100},
    };
    expect_values(cases, std::size(cases));
}

TEST(FormulaGrammar, AcceptsSignsAndBrackets) {
    const Accepted cases[] = {
        {"-3", -3},       {"+3", 3},      {"--3", 3},       {"-+-3", 3},      {"2*-3", -6},
        {"2--3", 5},      {"2+-3", -1},   {"2/-4", -0.5},   {"((((7))))", 7}, {"-(2+3)", -5},
        {"(-(-(2)))", 2}, {"10^-1", 0.1}, {"10^+2", 100},   {"10^--2", 100},  {"(1+2)/4", 0.75},
        {"2^10", 1024},   {"pi", pi},     {"2*pi", 2 * pi}, {"-pi", -pi},
    };
    expect_values(cases, std::size(cases));
}

TEST(FormulaPrecedence, PowerBindsTighterThanSignsAndProducts) {
    const Accepted cases[] = {
        {"-2^2", -4},   {"(-2)^2", 4},  {"2^-2", 0.25},   {"-2^-2", -0.25},  {"2*3^2", 18},   {"3^2*2", 18},
        {"12/2^2", 3},  {"2^3^2", 512}, {"(2^3)^2", 64},  {"2^-1^2", 0.5},   {"2^-3*4", 0.5}, {"-2*3", -6},
        {"-2^2+1", -3}, {"1-2^2", -3},  {"(-8)^3", -512}, {"(-2)^-1", -0.5},
    };
    expect_values(cases, std::size(cases));
}

TEST(FormulaPrecedence, ProductsBeforeSumsAndLeftToRight) {
    const Accepted cases[] = {
        {"1+2*3", 7},  {"1-2-3", -4}, {"24/4/2", 3},   {"2*3+4*5", 26},
        {"8/2*4", 16}, {"1-2+3", 2},  {"2*(3+4)", 14}, {"10-4/2", 8},
    };
    expect_values(cases, std::size(cases));
}

TEST(FormulaFunctions, EvaluateTheirBracketedArgument) {
    const Accepted cases[] = {
        {"sqrt(16)", 4},    {"sqrt(2)", std::sqrt(2.0)},
        {"exp(0)", 1},      {"exp(1)", e},
        {"ln(1)", 0},       {"ln(exp(2))", 2},
        {"log(1000)", 3},   {"log(0.01)", -2},
        {"sin(pi/2)", 1},   {"cos(0)", 1},
        {"tan(pi/4)", 1},   {"asin(1)", pi / 2},
        {"acos(-1)", pi},   {"atan(1)*4", pi},
        {"abs(-2.5)", 2.5}, {"abs(3)", 3},
        {"-sqrt(4)^2", -4}, {"sqrt(sqrt(16))", 2},
        {"2*sqrt(9)+1", 7}, {"sqrt((3*3)+(4*4))", 5},
    };
    expect_values(cases, std::size(cases));
}

struct Rejected {
    const char* text;
    int error;
};

TEST(FormulaErrors, RejectsTextOutsideTheGrammar) {
    const Rejected cases[] = {
        {"", FORMULA_ERROR_SYNTAX},
        {"12*", FORMULA_ERROR_SYNTAX},
        {"1+", FORMULA_ERROR_SYNTAX},
        {"-", FORMULA_ERROR_SYNTAX},
        {"2^", FORMULA_ERROR_SYNTAX},
        {"2^-", FORMULA_ERROR_SYNTAX},
        {"1 + 2", FORMULA_ERROR_SYNTAX},
        {" 1", FORMULA_ERROR_SYNTAX},
        {"1 ", FORMULA_ERROR_SYNTAX},
        {"1\t", FORMULA_ERROR_SYNTAX},
        {"1**2", FORMULA_ERROR_SYNTAX},
        {"1*/2", FORMULA_ERROR_SYNTAX},
        {"2^*3", FORMULA_ERROR_SYNTAX},
        {"1.2.3", FORMULA_ERROR_SYNTAX},
        {".", FORMULA_ERROR_SYNTAX},
        {"-.", FORMULA_ERROR_SYNTAX},
        {"1e", FORMULA_ERROR_SYNTAX},
        {"1e+", FORMULA_ERROR_SYNTAX},
        {"1e-x", FORMULA_ERROR_SYNTAX},
        {"e5", FORMULA_ERROR_UNKNOWN_NAME},
        {"1,5", FORMULA_ERROR_SYNTAX},
        {"()", FORMULA_ERROR_SYNTAX},
        {"(1+)", FORMULA_ERROR_SYNTAX},
        {")1", FORMULA_ERROR_SYNTAX},
        {"2(3)", FORMULA_ERROR_SYNTAX},
        {"(2)(3)", FORMULA_ERROR_SYNTAX},
        {"2pi", FORMULA_ERROR_SYNTAX},
        {"pi2", FORMULA_ERROR_SYNTAX},
        {"pi(2)", FORMULA_ERROR_SYNTAX},
        {"sqrt", FORMULA_ERROR_SYNTAX},
        {"sqrt4", FORMULA_ERROR_SYNTAX},
        {"sqrt 4", FORMULA_ERROR_SYNTAX},
        {"sqrt()", FORMULA_ERROR_SYNTAX},
        {"log10(100)", FORMULA_ERROR_SYNTAX},
        {"0x10", FORMULA_ERROR_SYNTAX},
        {"1=1", FORMULA_ERROR_SYNTAX},
        {"2%", FORMULA_ERROR_SYNTAX},
        {"err", FORMULA_ERROR_UNKNOWN_NAME},
        {"a", FORMULA_ERROR_UNKNOWN_NAME},
        {"PI", FORMULA_ERROR_UNKNOWN_NAME},
        {"Sqrt(4)", FORMULA_ERROR_UNKNOWN_NAME},
        {"nan", FORMULA_ERROR_UNKNOWN_NAME},
        {"inf", FORMULA_ERROR_UNKNOWN_NAME},
        {"2*e", FORMULA_ERROR_UNKNOWN_NAME},
        {"(1+2", FORMULA_ERROR_BRACKET},
        {"((1)", FORMULA_ERROR_BRACKET},
        {"sqrt(4", FORMULA_ERROR_BRACKET},
        {"1+2)", FORMULA_ERROR_BRACKET},
        {"(1))", FORMULA_ERROR_BRACKET},
        {"1)+(2", FORMULA_ERROR_BRACKET},
    };
    for (const Rejected& c : cases) {
        const Outcome r = calc(c.text);
        EXPECT_EQ(r.error, c.error) << c.text;
        EXPECT_TRUE(same_bits(r.value, 0.0)) << c.text;
    }
}

TEST(FormulaErrors, RejectsBytesOutsideAscii) {
    const char* const cases[] = {
        "\x82\x4f",  // full-width ０ in CP932
        "1\x81\x7b"
        "2",             // full-width ＋ between two digits
        "\xef\xbc\x91",  // full-width １ in UTF-8
        "1\x81\x40",     // full-width space after a digit
        "1\x81",         // a lone lead byte at the end
        "\xff",          // no CP932 character
        "\xb1",          // half-width katakana
        "1+\x80",
        "(\xe0)",
    };
    for (const char* text : cases) {
        const Outcome r = calc(text);
        EXPECT_EQ(r.error, FORMULA_ERROR_SYNTAX) << text;
        EXPECT_TRUE(same_bits(r.value, 0.0)) << text;
    }
}

TEST(FormulaErrors, NullPointerIsASyntaxError) {
    FormulaError = 0;
    EXPECT_TRUE(same_bits(FormulaCalculateText(nullptr), 0.0));
    EXPECT_EQ(FormulaError, FORMULA_ERROR_SYNTAX);
}

TEST(FormulaErrors, NotANumberIsADomainError) {
    const char* const cases[] = {
        "0/0",        "sqrt(-1)",   "ln(-1)",  "log(-2)", "1e5000-1e5000", "0*1e5000", "(1/0)/(1/0)", "asin(2)",
        "acos(-1.5)", "(-8)^(1/3)", "(0/0)^0", "1^(0/0)", "sin(1/0)",      "-(0/0)",   "abs(0/0)",    "2+(1/0-1/0)*0",
    };
    for (const char* text : cases) {
        const Outcome r = calc(text);
        EXPECT_EQ(r.error, FORMULA_ERROR_DOMAIN) << text;
        EXPECT_TRUE(same_bits(r.value, 0.0)) << text;
    }
}

TEST(FormulaErrors, CodeIsResetByTheNextSuccess) {
    EXPECT_EQ(calc("(1+2").error, FORMULA_ERROR_BRACKET);
    EXPECT_EQ(calc("1+2").error, FORMULA_OK);
    EXPECT_EQ(calc("0/0").error, FORMULA_ERROR_DOMAIN);
    const Outcome r = calc("7");
    EXPECT_EQ(r.error, FORMULA_OK);
    EXPECT_EQ(r.value, 7);
    EXPECT_EQ(calc("x").error, FORMULA_ERROR_UNKNOWN_NAME);
    EXPECT_EQ(calc("1/0").error, FORMULA_OK);
}

TEST(FormulaInfinity, InfiniteResultsAreNoError) {
    const Accepted cases[] = {
        {"1e309", kInf},    {"-1e309", -kInf},  {"1/0", kInf},           {"-1/0", -kInf},
        {"1/-0", -kInf},    {"1e308*10", kInf}, {"ln(0)", -kInf},        {"0^-1", kInf},
        {"exp(1e5)", kInf}, {"10^400", kInf},   {"1e4000*1e4000", kInf}, {"(1e308)*(1)/(0.001)", kInf},
    };
    for (const Accepted& c : cases) {
        const Outcome r = calc(c.text);
        EXPECT_EQ(r.error, FORMULA_OK) << c.text;
        EXPECT_EQ(r.value, c.expected) << c.text;
    }
    // Intermediate results beyond double but within long double come back.
    EXPECT_EQ(calc("1e308*10/100").value, 1e307);
    EXPECT_EQ(calc("1/(1/0)").value, 0);
}

TEST(FormulaPrecision, IntermediateLongDoubleRoundsOnceToDouble) {
    EXPECT_TRUE(same_bits(calc("(((0.1)+273.15)-273.15)").value, 0.1));
    EXPECT_TRUE(same_bits(calc("1-0.9").value, 0.1));
    EXPECT_TRUE(same_bits(calc("(12)*(0.001)/(1)").value, 0.012));
    EXPECT_TRUE(same_bits(calc("(((5/4)*(10+5)+273.15))").value, 291.9));
    EXPECT_TRUE(same_bits(calc("(((5/9)*(100-32)+273.15))-273.15").value, 37.77777777777778));
    EXPECT_TRUE(same_bits(calc("0.1+0.2").value, 0.3));
    EXPECT_TRUE(same_bits(calc("(1.2e-002)*(10^3)/(1)").value, 12.0));
    EXPECT_TRUE(same_bits(calc("10^-13").value, 1e-13));
    EXPECT_TRUE(same_bits(calc("3*(1/3)").value, 1.0));
}

// 10^n is the correctly rounded long double of 1en, as a number inside
// arithmetic is; both round once more to double the same way.
TEST(FormulaPrecision, PowersOfTenEqualTheirNumbers) {
    for (int n = -345; n <= 310; ++n) {
        const std::string exponent = std::to_string(n);
        const Outcome power = calc(repeat(exponent, 1, "10^"));
        EXPECT_TRUE(same_bits(power.value, calc(repeat(exponent, 1, "1e") + "*1").value)) << exponent;
    }
    EXPECT_TRUE(same_bits(calc("10^-30").value, 1e-30));
    EXPECT_TRUE(same_bits(calc("10^-13").value, 1e-13));
    EXPECT_TRUE(same_bits(calc("10^22").value, 1e22));
    EXPECT_TRUE(same_bits(calc("1.00202*10^-13").value, 1.00202e-13));
}

TEST(FormulaPrecision, ZeroResultsArePositive) {
    EXPECT_TRUE(same_bits(calc("-0").value, 0.0));
    EXPECT_TRUE(same_bits(calc("0*-1").value, 0.0));
    EXPECT_TRUE(same_bits(calc("-(0)").value, 0.0));
}

TEST(FormulaNumbers, LiteralAloneIsTheCorrectlyRoundedDouble) {
    const char* const cases[] = {
        "0.1",
        "1.2e-002",
        "2.2250738585072011e-308",
        "2.2250738585072012e-308",
        "1.7976931348623157e308",
        "4.9406564584124654e-324",
        "2.4703282292062328e-324",
        "0.30000000000000004",
        "9007199254740993",
        "12345678901234567",
        "1.2345678901234567",
        "123456789012345678901234567890",
        "0.000000000000000000000000000001",
        "1e23",
        "8.98846567431158e307",
        "6.02214076e23",
        "1.00000000000000011102230246251565404236316680908203125",
        "1.7976931348623158079e308",
    };
    for (const char* text : cases) {
        const Outcome r = calc(text);
        EXPECT_EQ(r.error, FORMULA_OK) << text;
        EXPECT_TRUE(same_bits(r.value, reference(text))) << text << " gave " << r.value;
        // Signs and brackets keep a number standing alone.
        const Outcome negated = calc(repeat(text, 1, "-((") + "))");
        EXPECT_TRUE(same_bits(negated.value, -reference(text))) << text;
    }
    EXPECT_EQ(calc("1e309").value, kInf);
    EXPECT_EQ(calc("1.7976931348623159e308").value, kInf);
}

// A text just above the midpoint 1 + 2^-53 whose nearest long double is that
// midpoint: alone it must round up, while inside arithmetic the long double
// value rounds half to even, down to 1.
TEST(FormulaNumbers, MidpointTextsAloneAvoidDoubleRounding) {
    const std::string above = "1.0000000000000001110231494954629083427022351315827108919620513916015625";
    const std::string below = "1.0000000000000001110214554295683997420240984865813516080379486083984375";
    EXPECT_TRUE(same_bits(calc(above).value, std::nextafter(1.0, 2.0)));
    EXPECT_TRUE(same_bits(calc(repeat(above, 1, "(") + ")").value, std::nextafter(1.0, 2.0)));
    EXPECT_TRUE(same_bits(calc(below).value, 1.0));
    EXPECT_TRUE(same_bits(calc(above + "*1").value, 1.0));
}

TEST(FormulaNumbers, RandomLiteralsMatchCorrectRounding) {
    std::mt19937_64 rng(20240611);
    for (int i = 0; i < 20000; ++i) {
        std::string text;
        const int digits = 1 + static_cast<int>(rng() % 24);
        const int point = static_cast<int>(rng() % (digits + 2));
        for (int k = 0; k < digits; ++k) {
            if (k == point) text += '.';
            text += static_cast<char>('0' + rng() % 10);
        }
        if (rng() % 2 != 0) {
            const int exponent =
                rng() % 3 == 0 ? static_cast<int>(rng() % 61) - 30 : static_cast<int>(rng() % 700) - 350;
            text += 'e';
            text += std::to_string(exponent);
        }
        const Outcome alone = calc(text);
        ASSERT_EQ(alone.error, FORMULA_OK) << text;
        ASSERT_TRUE(same_bits(alone.value, reference(text)) || (alone.value == 0 && reference(text) == 0)) << text;
        // Inside arithmetic the literal is the correctly rounded long double.
        const long double wide = std::strtold(text.c_str(), nullptr);
        const Outcome product = calc(text + "*1");
        ASSERT_EQ(product.value, static_cast<double>(wide)) << text;
    }
}

// The locale's decimal point must not matter. Runs where a locale with a
// decimal comma exists (under Wine "German" does).
TEST(FormulaNumbers, IgnoresTheLocaleDecimalPoint) {
    const char* const names[] = {"de_DE.UTF-8", "de_DE", "German_Germany.1252", "German"};
    std::string saved = std::setlocale(LC_NUMERIC, nullptr);
    bool comma = false;
    for (const char* name : names) {
        if (std::setlocale(LC_NUMERIC, name) != nullptr && std::strtod("0,5", nullptr) == 0.5) {
            comma = true;
            break;
        }
    }
    if (!comma) {
        std::setlocale(LC_NUMERIC, saved.c_str());
        GTEST_SKIP() << "no locale with a decimal comma";
    }
    const Outcome fast = calc("1.5");
    const Outcome slow = calc("0.1234567890123456789012345e-40");
    std::setlocale(LC_NUMERIC, saved.c_str());
    EXPECT_EQ(fast.value, 1.5);
    EXPECT_TRUE(same_bits(slow.value, reference("0.1234567890123456789012345e-40")));
}

#if (defined(__i386__) || defined(__x86_64__)) && defined(__GNUC__) && LDBL_MANT_DIG == 64
unsigned short x87_control_word() {
    unsigned short word;
    __asm__ volatile("fnstcw %0" : "=m"(word));
    return word;
}
void set_x87_control_word(unsigned short word) { __asm__ volatile("fldcw %0" : : "m"(word)); }

// A host running the x87 unit at 53-bit precision (or rounding upward) still
// gets long double results, and its control word back.
TEST(FormulaPrecision, IndependentOfTheCallersX87Settings) {
    const unsigned short saved = x87_control_word();
    const unsigned short settings[] = {
        static_cast<unsigned short>((saved & ~0x0300u) | 0x0200u),  // 53-bit precision
        static_cast<unsigned short>((saved & ~0x0C00u) | 0x0800u),  // rounding upward
    };
    for (const unsigned short word : settings) {
        set_x87_control_word(word);
        const double difference = FormulaCalculateText("1-0.9");
        const double sum = FormulaCalculateText("(((0.1)+273.15)-273.15)");
        const unsigned short after = x87_control_word();
        set_x87_control_word(saved);
        EXPECT_TRUE(same_bits(difference, 0.1)) << std::hex << word;
        EXPECT_TRUE(same_bits(sum, 0.1)) << std::hex << word;
        EXPECT_EQ(after, word);
    }
}
#endif

TEST(FormulaLimits, NestingDepth) {
    const int limit = FORMULA_MAX_DEPTH;
    EXPECT_EQ(calc(repeat("(", limit) + "1" + repeat(")", limit)).value, 1);
    EXPECT_EQ(calc(repeat("(", limit + 1) + "1" + repeat(")", limit + 1)).error, FORMULA_ERROR_TOO_DEEP);
    EXPECT_EQ(calc(repeat("(", 4000)).error, FORMULA_ERROR_TOO_DEEP);
    // Function brackets and a pending minus sign count like brackets.
    const int half = limit / 2;
    EXPECT_EQ(calc(repeat("abs(", half) + repeat("(", limit - half - 1) + "-2" + repeat(")", limit - 1)).value, 2);
    EXPECT_EQ(calc(repeat("abs(", half) + repeat("(", limit - half) + "-2" + repeat(")", limit)).error,
              FORMULA_ERROR_TOO_DEEP);
    // "^" groups from the right, so each one waits for its right side.
    EXPECT_EQ(calc(repeat("1^", limit) + "2").value, 1);
    EXPECT_EQ(calc(repeat("1^", limit + 1) + "2").error, FORMULA_ERROR_TOO_DEEP);
    EXPECT_EQ(calc(repeat("1^-", 600) + "2").error, FORMULA_ERROR_TOO_DEEP);
    // Each bracket holds a pending "+" and a pending "*".
    EXPECT_EQ(calc(repeat("1+2*(", 333) + "1" + repeat(")", 333)).error, FORMULA_OK);
    EXPECT_EQ(calc(repeat("1+2*(", 334) + "1" + repeat(")", 334)).error, FORMULA_ERROR_TOO_DEEP);
}

TEST(FormulaLimits, SignChainsNeverDeepen) {
    EXPECT_EQ(calc(repeat("-", 4000) + "1").value, 1);
    EXPECT_EQ(calc(repeat("-", 4001) + "2").value, -2);
    EXPECT_EQ(calc(repeat("+", 4000) + "3").value, 3);
    EXPECT_EQ(calc(repeat("-+", 2000) + "4").value, 4);
    EXPECT_EQ(calc(repeat("-(", 1000) + "5" + repeat(")", 1000)).error, FORMULA_ERROR_TOO_DEEP);
}

TEST(FormulaLimits, LongChainsWithoutNesting) {
    // Left-associative operators are applied as they come.
    EXPECT_EQ(calc(repeat("+1", 2000, "1")).value, 2001);
    EXPECT_EQ(calc(repeat("*1-1", 1000, "1")).value, -999);
}

// The window's input field holds up to 32,767 characters, and a conversion
// splices the input between brackets and two rates: every valid input of
// that length evaluates with them. Deep nesting stays an error, however
// long the text.
TEST(FormulaLimits, TheLongestInputOfTheWindowWithTwoRates) {
    const std::string rates = ")*(0.9144/36000)/(1609.344*3)";
    const std::string sum = repeat("+0", 16383, "1");
    ASSERT_EQ(sum.size(), 32767u);
    EXPECT_TRUE(same_bits(calc("(" + sum + rates).value, calc("(1" + rates).value));
    const std::string almost_one = "1." + std::string(32764, '0') + "1";
    EXPECT_TRUE(same_bits(calc("(" + almost_one + rates).value, calc("(1" + rates).value));
    const std::string thirds = "0." + std::string(32765, '3');  // every digit significant
    EXPECT_TRUE(same_bits(calc(thirds).value, reference(thirds)));
    EXPECT_TRUE(same_bits(calc("(" + thirds + rates).value, calc("(0.33333333333333333333333" + rates).value));
    const Outcome tiny = calc("(0." + std::string(32764, '0') + "1" + rates);
    EXPECT_EQ(tiny.error, FORMULA_OK);
    EXPECT_EQ(tiny.value, 0);
    EXPECT_EQ(calc(repeat("(", 16383) + "1" + repeat(")", 16383) + rates).error, FORMULA_ERROR_TOO_DEEP);
    EXPECT_EQ(calc(repeat("2^", 16383) + "1").error, FORMULA_ERROR_TOO_DEEP);
}

// Far beyond the digits that can matter, a digit that is not 0 still tips a
// number that is otherwise exactly halfway between two doubles.
TEST(FormulaLimits, DigitsPastTwelveThousandStillRound) {
    const std::string halfway = "1.00000000000000011102230246251565404236316680908203125";  // 1 + 2^-53
    EXPECT_EQ(calc(halfway).value, 1.0);
    EXPECT_EQ(calc(halfway + std::string(20000, '0')).value, 1.0);
    EXPECT_EQ(calc(halfway + std::string(20000, '0') + "1").value, std::nextafter(1.0, 2.0));
    EXPECT_EQ(calc(std::string(20000, '9') + ".5e-20000").value, 1.0);
}

TEST(FormulaLimits, Length) {
    const int limit = FORMULA_MAX_LENGTH;
    EXPECT_EQ(calc(repeat("+1", (limit - 1) / 2, "1")).value, 1 + (limit - 1) / 2);
    EXPECT_EQ(calc(repeat("0", limit - 1) + "7").value, 7);
    EXPECT_EQ(calc(repeat("0", limit) + "7").error, FORMULA_ERROR_TOO_LONG);
    EXPECT_EQ(calc(repeat("(", limit + 1)).error, FORMULA_ERROR_TOO_LONG);
    EXPECT_EQ(calc(std::string(100000, ' ')).error, FORMULA_ERROR_TOO_LONG);
    // The longest numbers take the slow path with every digit.
    EXPECT_EQ(calc(repeat("0", limit - 1, "1")).value, kInf);
    EXPECT_TRUE(same_bits(calc(repeat("0", 300, "0.") + repeat("1", limit - 302)).value,
                          reference(repeat("0", 300, "0.") + repeat("1", limit - 302))));
}

}  // namespace
