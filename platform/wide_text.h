// CP932 texts for the wide (W) Windows functions and back, with our own
// code-page table: the Japanese user interface is right on any system locale.
#pragma once
#include <string>
#include <string_view>

#include "platform/cp932.h"

namespace varuno {

inline std::wstring wide(std::string_view cp932_text) {
    const std::u16string w = cp932::to_utf16(cp932_text);
    return std::wstring(w.begin(), w.end());
}

inline std::wstring wide_utf8(std::string_view utf8) { return wide(cp932::from_utf8(utf8)); }

inline std::string narrow(std::wstring_view text) {
    return cp932::from_utf16(std::u16string(text.begin(), text.end()));
}

}  // namespace varuno
