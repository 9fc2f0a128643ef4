// Code page 932 (Shift_JIS with the Windows extensions): character iteration
// and conversion to and from UTF-16 and UTF-8.
//
// Text inside the program is CP932 bytes. A character is one byte (ASCII,
// half-width katakana 0xA1-0xDF, and the other single bytes) or a lead byte
// (0x81-0x9F, 0xE0-0xFC) followed by a trail byte (0x40-0x7E, 0x80-0xFC).
//
// Invalid input never reads past the end and never fails:
//  - a lead byte that is last, or whose next byte is no trail byte, is one
//    character of its own and decodes to U+FFFD;
//  - a lead/trail pair that the code page leaves undefined is one character
//    and decodes to U+FFFD;
//  - characters that CP932 cannot hold (and invalid UTF-8 or UTF-16) encode
//    as '?', and the optional `lossless` flag is cleared.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>

namespace varuno::cp932 {

constexpr bool is_lead_byte(unsigned char b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }
constexpr bool is_trail_byte(unsigned char b) { return b >= 0x40 && b <= 0xFC && b != 0x7F; }

// Bytes (1 or 2) of the character starting at byte `pos` of `text`.
constexpr std::size_t char_length(std::string_view text, std::size_t pos) {
    if (pos + 1 < text.size() && is_lead_byte(static_cast<unsigned char>(text[pos])) &&
        is_trail_byte(static_cast<unsigned char>(text[pos + 1])))
        return 2;
    return 1;
}

// The character's code: its byte, or lead * 256 + trail. Codes order texts
// as Windows' code page 932 does.
constexpr unsigned char_code(std::string_view text, std::size_t pos) {
    auto b = static_cast<unsigned char>(text[pos]);
    if (char_length(text, pos) == 2) return b * 256u + static_cast<unsigned char>(text[pos + 1]);
    return b;
}

// Number of characters in `text`.
std::size_t char_count(std::string_view text);

// Compares two texts character by character by their codes: -1, 0 or 1.
int compare(std::string_view a, std::string_view b);

// Whether two texts are equal when ASCII letters are compared without case.
// Double-byte characters compare whole, so a trail byte that looks like a
// letter is never folded.
bool equal_ignoring_ascii_case(std::string_view a, std::string_view b);

// UTF-16 value of one character code (U+FFFD where undefined).
char16_t decode_char(unsigned code);

std::u16string to_utf16(std::string_view cp932);
std::string from_utf16(std::u16string_view utf16, bool* lossless = nullptr);
std::string to_utf8(std::string_view cp932);
// to_utf8 appended to `utf8`, for callers that reuse one buffer.
void append_utf8(std::string& utf8, std::string_view cp932);
std::string from_utf8(std::string_view utf8, bool* lossless = nullptr);

}  // namespace varuno::cp932
