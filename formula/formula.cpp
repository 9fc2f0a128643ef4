// The expression evaluator behind FormulaCalculateText.
//
// One left-to-right pass with an operator stack and a value stack of fixed
// size (operator-precedence parsing) instead of recursive descent: the depth
// limit bounds both stacks, so no input can exhaust the machine stack, and an
// evaluation allocates nothing.
#include "formula/formula.h"

#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <system_error>

int FormulaError = FORMULA_OK;

namespace {

using real = long double;

constexpr int kMaxDepth = FORMULA_MAX_DEPTH;
constexpr std::size_t kMaxLength = FORMULA_MAX_LENGTH;

// Entries of the operator stack, one line per kind: brackets, functions,
// operators. Everything up to kAbs opens a bracket: a plain "(" or a
// function name with its "(".
// clang-format off
enum Op : unsigned char {
    kOpen,
    kSqrt, kExp, kLn, kLog, kSin, kCos, kTan, kAsin, kAcos, kAtan, kAbs,
    kAdd, kSub, kMul, kDiv, kNeg, kPow,
};
// clang-format on

// How tightly an operator binds; brackets (0) stop every reduction. A minus
// sign binds looser than "^" so that -2^2 is -(2^2).
constexpr int precedence(Op op) {
    switch (op) {
    case kAdd:
    case kSub: return 1;
    case kMul:
    case kDiv: return 2;
    case kNeg: return 3;
    case kPow: return 4;
    default: return 0;
    }
}

constexpr real kPi = 3.141592653589793238462643383279502884L;

// 10^0 ... 10^27: all exact in a 64-bit mantissa (5^27 < 2^64).
constexpr real kPow10[] = {
    1e0L,  1e1L,  1e2L,  1e3L,  1e4L,  1e5L,  1e6L,  1e7L,  1e8L,  1e9L,  1e10L, 1e11L, 1e12L, 1e13L,
    1e14L, 1e15L, 1e16L, 1e17L, 1e18L, 1e19L, 1e20L, 1e21L, 1e22L, 1e23L, 1e24L, 1e25L, 1e26L, 1e27L,
};
constexpr int kMaxExactPow10 = 27;
constexpr int kMaxMantissaDigits = 19;  // every 19-digit integer fits in 64 bits
constexpr std::uint64_t kPow10Int[] = {
    1ull,
    10ull,
    100ull,
    1000ull,
    10000ull,
    100000ull,
    1000000ull,
    10000000ull,
    100000000ull,
    1000000000ull,
    10000000000ull,
    100000000000ull,
    1000000000000ull,
    10000000000000ull,
    100000000000000ull,
    1000000000000000ull,
    10000000000000000ull,
    100000000000000000ull,
    1000000000000000000ull,
};
// Decimal exponents are clamped here while read: far beyond the range of
// long double even after the at most kMaxLength digits shift them.
constexpr int kExponentClamp = 100000;
// Significant digits kept from a number text. Every long double and every
// point halfway between two of them has fewer (the smallest subnormal, 2^-16445,
// has about 11,500), so the digits after these change the rounding only by
// being non-zero, which one more digit 1 stands for. MinGW-w64's strtold
// gives infinity for texts of some 20,000 digits.
constexpr std::size_t kMaxSignificantDigits = 12000;

#if defined(__GNUC__) && (defined(__i386__) || defined(__x86_64__)) && LDBL_MANT_DIG == 64
// The x87 unit does the long double arithmetic, and its control word belongs
// to the caller: a host may run with 53-bit precision (the Windows default
// for new threads), another rounding direction or unmasked exceptions. Each
// evaluation runs with 64-bit precision, rounding to nearest and exceptions
// masked, and hands the caller's control word back.
class X87Settings {
public:
    X87Settings() {
        __asm__ volatile("fnstcw %0" : "=m"(saved_) : : "memory");
        wanted_ = static_cast<unsigned short>((saved_ & ~0x0F3Fu) | 0x033Fu);
        if (wanted_ != saved_) __asm__ volatile("fldcw %0" : : "m"(wanted_) : "memory");
    }
    ~X87Settings() {
        if (wanted_ != saved_) __asm__ volatile("fnclex\n\tfldcw %0" : : "m"(saved_) : "memory");
    }
    X87Settings(const X87Settings&) = delete;
    X87Settings& operator=(const X87Settings&) = delete;

private:
    unsigned short saved_;
    unsigned short wanted_;
};
#else
// Elsewhere long double has no control word of its own to set.
class X87Settings {};
#endif

// Rounds to double through memory: on i686 a double may otherwise stay in an
// x87 register with its extra precision.
double to_double(real value) {
    volatile double rounded = static_cast<double>(value);
    return rounded;
}

constexpr bool is_digit(char c) { return c >= '0' && c <= '9'; }
constexpr bool is_letter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// Writes `value` in decimal at `out`; returns the end.
char* write_decimal(char* out, long value) {
    if (value < 0) {
        *out++ = '-';
        value = -value;
    }
    char digits[24];
    int count = 0;
    do {
        digits[count++] = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (value > 0);
    while (count > 0) *out++ = digits[--count];
    return out;
}

// Rewrites a number text (already checked) as its significant digits and a
// decimal exponent, "0.0125e3" as "125e-1", into `out` (NUL-terminated).
// Without a decimal point the text reads the same in every locale. Digits
// past kMaxSignificantDigits are dropped; a digit 1 stands for them when one
// of them is not 0.
std::size_t canonical_number(const char* begin, const char* end, char* out) {
    std::size_t n = 0;
    long scale = 0;
    bool fraction = false;
    bool dropped_nonzero = false;
    const char* p = begin;
    for (; p < end && *p != 'e' && *p != 'E'; ++p) {
        if (*p == '.') {
            fraction = true;
        } else if (n == kMaxSignificantDigits) {
            dropped_nonzero |= *p != '0';
            if (!fraction) ++scale;
        } else {
            if (n > 0 || *p != '0') out[n++] = *p;
            if (fraction) --scale;
        }
    }
    if (dropped_nonzero) {
        out[n++] = '1';
        --scale;
    }
    if (n == 0) out[n++] = '0';
    if (p < end) {
        ++p;
        bool negative = *p == '-';
        if (*p == '-' || *p == '+') ++p;
        long exponent = 0;
        for (; p < end; ++p)
            if (exponent < kExponentClamp) exponent = exponent * 10 + (*p - '0');
        scale += negative ? -exponent : exponent;
    }
    out[n++] = 'e';
    char* const last = write_decimal(out + n, scale);
    *last = '\0';
    return static_cast<std::size_t>(last - out);
}

// Number texts beyond the fast path: more than 19 significant digits or a
// power of ten that is not exact. strtold rounds correctly (glibc, and the
// gdtoa-based one of MinGW-w64).
[[gnu::noinline]] real parse_number_slow(const char* begin, const char* end) {
    char text[kMaxSignificantDigits + 32];
    canonical_number(begin, end, text);
    return std::strtold(text, nullptr);
}

// The number text read as a double, correctly rounded, with the sign of
// `value` (its long double). Apart from literal_to_double, so that only this
// rare path sets up the text's buffer.
[[gnu::noinline]] double read_as_double(real value, const char* begin, const char* end) {
    char text[kMaxSignificantDigits + 32];
    const std::size_t length = canonical_number(begin, end, text);
    double magnitude = 0;
    if (std::from_chars(text, text + length, magnitude).ec == std::errc::result_out_of_range)
        magnitude = std::fabs(value) > 1 ? HUGE_VAL : 0.0;
    return value < 0 ? -magnitude : magnitude;
}

// The double nearest to a number text whose correctly rounded long double is
// `value` (or its negation). Rounding `value` once more gives that double,
// except when `value` lies exactly halfway between two doubles while the
// text itself may not: only then is the text read again, as a double.
double literal_to_double(real value, const char* begin, const char* end) {
    const double rounded = to_double(value);
    if (rounded == value) return rounded;
    const double other = std::nextafter(rounded, value > rounded ? HUGE_VAL : -HUGE_VAL);
    // Past DBL_MAX the next step of the double grid is 2^1024.
    auto widen = [](double d) { return std::isinf(d) ? std::copysign(0x1p1024L, d) : real(d); };
    if ((widen(rounded) + widen(other)) / 2 != value) return rounded;
    return read_as_double(value, begin, end);
}

// The state of one evaluation. The arrays stay uninitialised: only the
// entries below the counts are ever read.
struct Evaluation {
    const char* p;
    int error = FORMULA_OK;
    int op_count = 0;
    int value_count = 0;
    // A value is pushed only where an operand starts, when the value stack
    // holds one value per pending binary operator: at most kMaxDepth + 1.
    Op ops[kMaxDepth];
    real values[kMaxDepth + 1];
    // What decides whether the expression is one number standing alone.
    int literal_count = 0;
    bool operated = false;
    const char* literal_begin = nullptr;
    const char* literal_end = nullptr;
};

bool fail(Evaluation& ev, int code) {
    ev.error = code;
    return false;
}

bool push_op(Evaluation& ev, Op op) {
    if (ev.op_count == kMaxDepth) return fail(ev, FORMULA_ERROR_TOO_DEEP);
    ev.ops[ev.op_count++] = op;
    return true;
}

// 10^n correctly rounded, so that 10^-30 equals the number 1e-30.
real power_of_ten(int n) {
    if (n >= 0 && n <= kMaxExactPow10) return kPow10[n];
    if (n < 0 && n >= -kMaxExactPow10) return 1 / kPow10[-n];
    char text[24] = "1e";
    return parse_number_slow(text, write_decimal(text + 2, n));
}

// base^exponent. Whole powers of ten are correctly rounded. Other whole
// exponents up to 64 go by repeated squaring: exact whenever the powers are
// representable, and the same on every platform, unlike powl.
real power(real base, real exponent) {
    if (base == 10 && std::fabs(exponent) <= kExponentClamp && exponent == static_cast<int>(exponent))
        return power_of_ten(static_cast<int>(exponent));
    if (std::fabs(exponent) <= 64 && exponent == static_cast<int>(exponent)) {
        const int n = static_cast<int>(exponent);
        unsigned k = n < 0 ? -n : n;
        real result = 1;
        real factor = base;
        while (k != 0) {
            if (k & 1u) result *= factor;
            k >>= 1;
            if (k != 0) factor *= factor;
        }
        return n < 0 ? 1 / result : result;
    }
    return std::pow(base, exponent);
}

real call(Op function, real x) {
    switch (function) {
    case kSqrt: return std::sqrt(x);
    case kExp: return std::exp(x);
    case kLn: return std::log(x);
    case kLog: return std::log10(x);
    case kSin: return std::sin(x);
    case kCos: return std::cos(x);
    case kTan: return std::tan(x);
    case kAsin: return std::asin(x);
    case kAcos: return std::acos(x);
    case kAtan: return std::atan(x);
    case kAbs: return std::fabs(x);
    default: return x;
    }
}

// Applies an operator or a function to the top of the value stack. A value
// that is not a number stops the evaluation at once, since later steps could
// hide it ((0/0)^0 would give 1).
bool apply(Evaluation& ev, Op op) {
    real& top = ev.values[ev.value_count - 1];
    if (op == kNeg) {
        top = -top;
        return true;
    }
    if (op <= kAbs) {
        top = call(op, top);
    } else {
        const real right = top;
        --ev.value_count;
        real& left = ev.values[ev.value_count - 1];
        switch (op) {
        case kAdd: left += right; break;
        case kSub: left -= right; break;
        case kMul: left *= right; break;
        case kDiv: left /= right; break;
        default: left = power(left, right); break;
        }
    }
    if (std::isnan(ev.values[ev.value_count - 1])) return fail(ev, FORMULA_ERROR_DOMAIN);
    return true;
}

// Applies the pending operators that bind at least as tightly as
// `min_precedence`, down to the innermost open bracket.
bool reduce(Evaluation& ev, int min_precedence) {
    while (ev.op_count > 0) {
        const Op top = ev.ops[ev.op_count - 1];
        if (precedence(top) < min_precedence || precedence(top) == 0) return true;
        --ev.op_count;
        if (!apply(ev, top)) return false;
    }
    return true;
}

// Reads the number at ev.p and pushes its value, correctly rounded to long
// double. Fast path: up to 19 significant digits as an integer and a power of
// ten small enough to be exact, so one multiplication or division rounds once.
bool read_number(Evaluation& ev) {
    const char* const begin = ev.p;
    const char* p = begin;
    std::uint64_t mantissa = 0;
    int digits = 0;
    int scale = 0;
    bool truncated = false;
    bool any_digit = false;
    // The digits before and after the decimal point; past 19 significant
    // ones an integer digit still scales the number, a fraction digit not.
    for (bool fraction = false;; ++p) {
        if (*p == '.' && !fraction) {
            fraction = true;
            continue;
        }
        if (!is_digit(*p)) break;
        any_digit = true;
        const unsigned d = static_cast<unsigned>(*p - '0');
        if (digits < kMaxMantissaDigits) {
            if (mantissa != 0 || d != 0) {
                mantissa = mantissa * 10 + d;
                ++digits;
            }
            if (fraction) --scale;
        } else {
            if (!fraction) ++scale;
            truncated |= d != 0;
        }
    }
    if (!any_digit) return fail(ev, FORMULA_ERROR_SYNTAX);
    if (*p == 'e' || *p == 'E') {
        ++p;
        const bool negative = *p == '-';
        if (*p == '-' || *p == '+') ++p;
        if (!is_digit(*p)) return fail(ev, FORMULA_ERROR_SYNTAX);
        int exponent = 0;
        for (; is_digit(*p); ++p)
            if (exponent < kExponentClamp) exponent = exponent * 10 + (*p - '0');
        scale += negative ? -exponent : exponent;
    }

    real value;
    if (mantissa == 0) {
        value = 0;
    } else if (truncated) {
        value = parse_number_slow(begin, p);
    } else if (scale >= 0 && scale <= kMaxExactPow10) {
        value = static_cast<real>(mantissa) * kPow10[scale];
    } else if (scale < 0 && scale >= -kMaxExactPow10) {
        value = static_cast<real>(mantissa) / kPow10[-scale];
    } else if (scale > kMaxExactPow10 && digits + scale - kMaxExactPow10 <= kMaxMantissaDigits) {
        // 12e30 = 12000 * 10^27: the integer part still fits exactly.
        value = static_cast<real>(mantissa * kPow10Int[scale - kMaxExactPow10]) * kPow10[kMaxExactPow10];
    } else {
        value = parse_number_slow(begin, p);
    }
    ev.values[ev.value_count++] = value;
    ++ev.literal_count;
    ev.literal_begin = begin;
    ev.literal_end = p;
    ev.p = p;
    return true;
}

// Reads the name at ev.p: "pi" pushes its value, a function name must be
// followed by "(" and opens a bracket. `operand_done` tells which it was.
bool read_name(Evaluation& ev, bool& operand_done) {
    static constexpr struct {
        std::string_view name;
        Op op;
    } kFunctions[] = {
        {"sqrt", kSqrt}, {"exp", kExp},   {"ln", kLn},     {"log", kLog},   {"sin", kSin}, {"cos", kCos},
        {"tan", kTan},   {"asin", kAsin}, {"acos", kAcos}, {"atan", kAtan}, {"abs", kAbs},
    };
    const char* const begin = ev.p;
    const char* p = begin;
    while (is_letter(*p)) ++p;
    const std::string_view name(begin, static_cast<std::size_t>(p - begin));
    ev.operated = true;
    if (name == "pi") {
        ev.values[ev.value_count++] = kPi;
        ev.p = p;
        operand_done = true;
        return true;
    }
    for (const auto& function : kFunctions) {
        if (function.name == name) {
            if (*p != '(') return fail(ev, FORMULA_ERROR_SYNTAX);
            ev.p = p + 1;
            operand_done = false;
            return push_op(ev, function.op);
        }
    }
    return fail(ev, FORMULA_ERROR_UNKNOWN_NAME);
}

// Evaluates the NUL-terminated text at ev.p into ev.values[0].
bool evaluate(Evaluation& ev) {
    for (;;) {
        // Where an operand is expected: signs and open brackets, then a
        // number, pi, or a function name with its bracket.
        for (;;) {
            const char c = *ev.p;
            if (c == '-') {
                // Two adjacent minus signs cancel, so chains of them never
                // deepen the stack.
                if (ev.op_count > 0 && ev.ops[ev.op_count - 1] == kNeg)
                    --ev.op_count;
                else if (!push_op(ev, kNeg))
                    return false;
            } else if (c == '(') {
                if (!push_op(ev, kOpen)) return false;
            } else if (c != '+') {
                break;
            }
            ++ev.p;
        }
        const char c = *ev.p;
        if (is_digit(c) || c == '.') {
            if (!read_number(ev)) return false;
        } else if (is_letter(c)) {
            bool operand_done = false;
            if (!read_name(ev, operand_done)) return false;
            if (!operand_done) continue;
        } else {
            // The end, ")" or any other byte where an operand must stand.
            return fail(ev, FORMULA_ERROR_SYNTAX);
        }

        // Where an operator is expected: closing brackets, then a binary
        // operator or the end.
        while (*ev.p == ')') {
            if (!reduce(ev, 1)) return false;
            if (ev.op_count == 0) return fail(ev, FORMULA_ERROR_BRACKET);
            const Op bracket = ev.ops[--ev.op_count];
            if (bracket != kOpen) {
                ev.operated = true;
                if (!apply(ev, bracket)) return false;
            }
            ++ev.p;
        }
        Op op;
        switch (*ev.p) {
        case '\0':
            if (!reduce(ev, 1)) return false;
            if (ev.op_count != 0) return fail(ev, FORMULA_ERROR_BRACKET);
            return true;
        case '+': op = kAdd; break;
        case '-': op = kSub; break;
        case '*': op = kMul; break;
        case '/': op = kDiv; break;
        case '^': op = kPow; break;
        default: return fail(ev, FORMULA_ERROR_SYNTAX);
        }
        // "^" groups from the right, so it reduces nothing before it.
        if (op != kPow && !reduce(ev, precedence(op))) return false;
        if (!push_op(ev, op)) return false;
        ev.operated = true;
        ++ev.p;
    }
}

double report(int code) {
    FormulaError = code;
    return 0;
}

}  // namespace

double FormulaCalculateText(const char* expression) {
    if (expression == nullptr) return report(FORMULA_ERROR_SYNTAX);
    std::size_t length = 0;
    while (length <= kMaxLength && expression[length] != '\0') ++length;
    if (length > kMaxLength) return report(FORMULA_ERROR_TOO_LONG);

    const X87Settings settings;
    Evaluation ev;
    ev.p = expression;
    if (!evaluate(ev)) return report(ev.error);
    const real value = ev.values[0];
    double result = ev.literal_count == 1 && !ev.operated ? literal_to_double(value, ev.literal_begin, ev.literal_end)
                                                          : to_double(value);
    if (result == 0) result = 0;  // no negative zero: -0 and 0*-1 read as 0
    FormulaError = FORMULA_OK;
    return result;
}
