#include "convert/format.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace varuno {
namespace {

constexpr std::string_view kTimes = "\x81\x7E";  // "×" in CP932

std::string drop_final_point(std::string_view text) {
    if (!text.empty() && text.back() == '.') text.remove_suffix(1);
    return std::string(text);
}

std::string strip_trailing_zeros(std::string digits) {
    while (!digits.empty() && digits.back() == '0') digits.pop_back();
    return digits;
}

// Style 3: the exponent spelled out as digits (n is never 0 for texts that
// format_number writes in the scientific form).
std::string plain_digits(std::string_view mantissa, int n) {
    std::string sign;
    if (!mantissa.empty() && mantissa.front() == '-') {
        sign = "-";
        mantissa.remove_prefix(1);
    }
    std::string digits;
    for (char c : mantissa)
        if (c != '.') digits.push_back(c);
    if (n >= 0) {
        const std::size_t whole = static_cast<std::size_t>(n) + 1;
        if (digits.size() <= whole) return sign + digits + std::string(whole - digits.size(), '0');
        return sign + digits.substr(0, whole) + "." + digits.substr(whole);
    }
    return sign + "0." + std::string(static_cast<std::size_t>(-n - 1), '0') + digits;
}

}  // namespace

std::string format_number(double value) {
    if (std::isnan(value)) return "#NAN";
    if (std::isinf(value)) return value < 0 ? "-1.#INF" : "1.#INF";
    if (value == 0) return "0.";

    // d.dddddddddddddde±X: the 15 significant digits, correctly rounded.
    char buf[40];
    auto res = std::to_chars(buf, buf + sizeof buf, std::fabs(value), std::chars_format::scientific, 14);
    std::string_view sci(buf, static_cast<std::size_t>(res.ptr - buf));
    const std::size_t e = sci.find('e');
    std::string digits = std::string(sci.substr(0, 1)) + std::string(sci.substr(2, e - 2));
    const int exponent = std::atoi(std::string(sci.substr(e + 1)).c_str());

    std::string out = value < 0 ? "-" : "";
    if (exponent < -1 || exponent > 14) {
        char exp_text[16];
        std::snprintf(exp_text, sizeof exp_text, "e%c%03d", exponent < 0 ? '-' : '+', std::abs(exponent));
        out += digits.substr(0, 1) + "." + strip_trailing_zeros(digits.substr(1)) + exp_text;
    } else if (exponent == 14) {
        out += digits;  // no decimal places are left, so no point is written
    } else if (exponent == -1) {
        out += "0." + strip_trailing_zeros(digits);
    } else {
        const auto whole = static_cast<std::size_t>(exponent) + 1;
        out += digits.substr(0, whole) + "." + strip_trailing_zeros(digits.substr(whole));
    }
    return out;
}

std::string format_exponent(std::string_view text, int style) {
    const std::size_t e = text.find('e');
    if (style < kStylePower || style > kStylePlain || e == std::string_view::npos || e + 1 >= text.size())
        return drop_final_point(text);

    const std::string_view mantissa = text.substr(0, e);
    const bool negative = text[e + 1] == '-';
    std::string exp_digits(text.substr(e + 2));
    exp_digits.erase(0, std::min(exp_digits.find_first_not_of('0'), exp_digits.size() - 1));

    switch (style) {
    case kStylePower:
        return drop_final_point(mantissa) + std::string(kTimes) + "10^" + (negative ? "-" : "") + exp_digits;
    case kStyleHtml:
        return drop_final_point(mantissa) + std::string(kTimes) + "10<sup>" + (negative ? "-" : "") + exp_digits +
               "</sup>";
    default: {
        const int n = std::atoi(exp_digits.c_str());
        return plain_digits(mantissa, negative ? -n : n);
    }
    }
}

}  // namespace varuno
