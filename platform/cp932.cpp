#include "platform/cp932.h"

#include <algorithm>
#include <cstdint>

#include "platform/cp932_table.h"

namespace varuno::cp932 {
namespace {

using cp932_detail::kDecode;
using cp932_detail::kEncode;

int lead_slot(unsigned lead) { return lead <= 0x9F ? int(lead - 0x81) : int(lead - 0xE0 + 0x1F); }

// Single bytes as Windows maps them: ASCII, 0x80, half-width katakana, and
// the private-use values Windows gives 0xA0 and 0xFD-0xFF.
char16_t decode_single(unsigned b) {
    if (b <= 0x80) return char16_t(b);
    if (b == 0xA0) return u'\uF8F0';
    if (b >= 0xA1 && b <= 0xDF) return char16_t(0xFF61 + (b - 0xA1));
    if (b >= 0xFD) return char16_t(0xF8F1 + (b - 0xFD));
    return u'\uFFFD';  // a lead byte without its trail byte
}

// CP932 code of a UTF-16 value from the generated pairs, which are sorted by
// their UTF-16 value: a binary search, with nothing to build at start-up (a
// program that converts one text should not first fill a 128 KiB table).
int find_encoding(char16_t c) {
    const auto* end = kEncode + cp932_detail::kEncodeCount;
    const auto* pair =
        std::lower_bound(kEncode, end, c, [](const cp932_detail::EncodePair& p, char16_t u) { return p.unicode < u; });
    return pair != end && pair->unicode == c ? pair->code : -1;
}

// CP932 code of one UTF-16 value, or -1 when the code page has none.
int encode_char(char16_t c) {
    if (c <= 0x80) return c;
    if (c == 0xF8F0) return 0xA0;
    if (c >= 0xFF61 && c <= 0xFF9F) return 0xA1 + (c - 0xFF61);
    if (c >= 0xF8F1 && c <= 0xF8F3) return 0xFD + (c - 0xF8F1);
    return find_encoding(c);
}

void append_code(std::string& out, int code) {
    if (code > 0xFF) out.push_back(char(code >> 8));
    out.push_back(char(code & 0xFF));
}

void append_code_point(std::string& out, char32_t c) {
    if (c < 0x80) {
        out.push_back(char(c));
    } else if (c < 0x800) {
        out.push_back(char(0xC0 | (c >> 6)));
        out.push_back(char(0x80 | (c & 0x3F)));
    } else {
        out.push_back(char(0xE0 | (c >> 12)));
        out.push_back(char(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(char(0x80 | (c & 0x3F)));
    }
}

// Next code point of UTF-8 text, or U+FFFD for a malformed sequence (which
// then consumes one byte).
char32_t next_utf8(std::string_view s, std::size_t& i) {
    auto b0 = static_cast<unsigned char>(s[i]);
    std::size_t need = b0 < 0x80 ? 0 : (b0 & 0xE0) == 0xC0 ? 1 : (b0 & 0xF0) == 0xE0 ? 2 : (b0 & 0xF8) == 0xF0 ? 3 : 9;
    if (need == 0) {
        ++i;
        return b0;
    }
    if (need == 9 || i + need >= s.size()) {
        ++i;
        return 0xFFFD;
    }
    char32_t c = b0 & (0x3F >> need);
    for (std::size_t k = 1; k <= need; ++k) {
        auto b = static_cast<unsigned char>(s[i + k]);
        if ((b & 0xC0) != 0x80) {
            ++i;
            return 0xFFFD;
        }
        c = (c << 6) | (b & 0x3F);
    }
    static constexpr char32_t kMin[] = {0, 0x80, 0x800, 0x10000};
    if (c < kMin[need] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
        ++i;
        return 0xFFFD;
    }
    i += need + 1;
    return c;
}

}  // namespace

bool equal_ignoring_ascii_case(std::string_view a, std::string_view b) {
    auto fold = [](unsigned c) { return c >= 'A' && c <= 'Z' ? c + 32 : c; };
    std::size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        if (fold(char_code(a, i)) != fold(char_code(b, j))) return false;
        i += char_length(a, i);
        j += char_length(b, j);
    }
    return i == a.size() && j == b.size();
}

char16_t decode_char(unsigned code) {
    if (code <= 0xFF) return decode_single(code);
    unsigned lead = code >> 8, trail = code & 0xFF;
    if (!is_lead_byte(lead) || !is_trail_byte(trail)) return u'\uFFFD';
    char16_t c = kDecode[lead_slot(lead)][trail - 0x40];
    return c ? c : u'\uFFFD';
}

std::size_t char_count(std::string_view text) {
    std::size_t n = 0;
    for (std::size_t i = 0; i < text.size(); i += char_length(text, i)) ++n;
    return n;
}

int compare(std::string_view a, std::string_view b) {
    std::size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        unsigned ca = char_code(a, i), cb = char_code(b, j);
        if (ca != cb) return ca < cb ? -1 : 1;
        i += char_length(a, i);
        j += char_length(b, j);
    }
    if (i < a.size()) return 1;
    if (j < b.size()) return -1;
    return 0;
}

std::u16string to_utf16(std::string_view text) {
    std::u16string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); i += char_length(text, i)) out.push_back(decode_char(char_code(text, i)));
    return out;
}

std::string from_utf16(std::u16string_view text, bool* lossless) {
    std::string out;
    out.reserve(text.size() * 2);
    bool ok = true;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char16_t c = text[i];
        int code = (c >= 0xD800 && c <= 0xDFFF) ? -1 : encode_char(c);
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF)
            ++i;  // a surrogate pair is one character that CP932 cannot hold
        if (code < 0 || c == 0xFFFD) {
            ok = false;
            code = '?';
        }
        append_code(out, code);
    }
    if (lossless) *lossless = ok;
    return out;
}

void append_utf8(std::string& out, std::string_view text) {
    for (std::size_t i = 0; i < text.size(); i += char_length(text, i))
        append_code_point(out, decode_char(char_code(text, i)));
}

std::string to_utf8(std::string_view text) {
    std::string out;
    out.reserve(text.size() * 3 / 2);
    append_utf8(out, text);
    return out;
}

std::string from_utf8(std::string_view text, bool* lossless) {
    std::string out;
    out.reserve(text.size());
    bool ok = true;
    for (std::size_t i = 0; i < text.size();) {
        // ASCII, most of what the unit tables hold, is the same in both:
        // its runs are copied whole.
        const std::size_t run = i;
        while (i < text.size() && static_cast<unsigned char>(text[i]) < 0x80) ++i;
        out.append(text.substr(run, i - run));
        if (i == text.size()) break;
        char32_t c = next_utf8(text, i);
        int code = (c > 0xFFFF || c == 0xFFFD) ? -1 : encode_char(char16_t(c));
        if (code < 0) {
            ok = false;
            code = '?';
        }
        append_code(out, code);
    }
    if (lossless) *lossless = ok;
    return out;
}

}  // namespace varuno::cp932
