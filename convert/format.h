// Result texts of a conversion: the number text of the output field and the
// zoom-view text in the user's exponent style. Texts are CP932.
#pragma once
#include <string>
#include <string_view>

namespace varuno {

// Exponent styles of the zoom view (settings value minus 20202).
enum ExponentStyle : int {
    kStyleE = 0,      // 1.5e+020
    kStylePower = 1,  // 1.5×10^20
    kStyleHtml = 2,   // 1.5×10<sup>20</sup>
    kStylePlain = 3,  // 150000000000000000000
};

// 15 significant digits, correctly rounded from the exact value of `value`;
// the fixed form for decimal exponents -1 ... 14 (decided after rounding),
// otherwise d.ddde±xxx. Trailing zeros after the point are dropped but the
// point stays (「100.」, 「1.e+020」); zero is 「0.」; infinities contain
// "#INF" and NaN is "#NAN".
std::string format_number(double value);

// Rewrites a number text for the zoom view. A final "." is dropped; the
// exponent becomes ×10^n (style 1), ×10<sup>n</sup> (style 2) or plain
// digits (style 3). Styles outside 0-3 show the text as style 0 does.
std::string format_exponent(std::string_view number_text, int style);

}  // namespace varuno
