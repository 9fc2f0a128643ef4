// Any bytes: conversions never read past the end, never fail, and valid
// CP932 keeps its characters on the way through UTF-16 and UTF-8.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "platform/cp932.h"

using namespace varuno;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::size_t chars = 0;
    for (std::size_t i = 0; i < text.size(); i += cp932::char_length(text, i)) ++chars;
    if (chars != cp932::char_count(text)) std::abort();

    bool lossless16 = false, lossless8 = false;
    const std::string back16 = cp932::from_utf16(cp932::to_utf16(text), &lossless16);
    const std::string back8 = cp932::from_utf8(cp932::to_utf8(text), &lossless8);
    if (lossless16 != lossless8) std::abort();
    // Codes that Windows writes differently (NEC and IBM duplicates) come back
    // as the code Windows prefers: the same characters, and stable after that.
    if (lossless16 && (back16 != back8 || cp932::to_utf16(back16) != cp932::to_utf16(text) ||
                       cp932::from_utf16(cp932::to_utf16(back16)) != back16))
        std::abort();
    if (cp932::compare(text, text) != 0) std::abort();

    // The input read as UTF-8 always yields CP932 text of whole characters.
    const std::string from8 = cp932::from_utf8(text);
    if (cp932::to_utf16(from8).size() != cp932::char_count(from8)) std::abort();
    return 0;
}
