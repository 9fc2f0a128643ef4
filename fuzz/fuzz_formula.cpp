// Any bytes as an expression: the evaluator must never crash, must leave a
// known code in FormulaError, and must return 0 on error and never a value
// that is not a number on success.
#include "formula/formula.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<char> text(data, data + size);
    text.push_back('\0');
    const double value = FormulaCalculateText(text.data());
    const int error = FormulaError;
    if (error < FORMULA_OK || error > FORMULA_ERROR_TOO_LONG) std::abort();
    if (error != FORMULA_OK && value != 0) std::abort();
    if (error == FORMULA_OK && std::isnan(value)) std::abort();
    // A NUL inside the input ends the expression: the same text up to it
    // must give the same outcome.
    const std::size_t length = std::strlen(text.data());
    if (length < size) {
        std::vector<char> prefix(text.data(), text.data() + length + 1);
        const double again = FormulaCalculateText(prefix.data());
        if (FormulaError != error || std::memcmp(&again, &value, sizeof value) != 0) std::abort();
    }
    return 0;
}
