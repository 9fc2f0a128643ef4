#include "strkit/strkit.h"

#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/cp932.h"

namespace strkit {
namespace {

namespace cp932 = varuno::cp932;

// The character view of a text: one 16-bit code per CP932 character. Lead
// and trail bytes are at least 0x81 and 0x40, so a pair code (>= 0x8140)
// never equals a single-byte code and the view converts back losslessly.
using Chars = std::u16string;
constexpr std::size_t npos = Chars::npos;

// A library-owned result: freed when replaced, and at unloading.
using Slot = std::unique_ptr<char[]>;

const char kEmptyResult[] = "";

Slot slot_strrep, slot_strrrep, slot_strrepall, slot_strrepallex, slot_strspl2;
Slot slot_strleft, slot_strright, slot_strmid, slot_strmidlr;

Chars chars_of(const char* text) {
    Chars out;
    if (!text) return out;
    std::string_view s(text);
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size(); i += cp932::char_length(s, i))
        out.push_back(static_cast<char16_t>(cp932::char_code(s, i)));
    return out;
}

std::string bytes_of(std::u16string_view chars) {
    std::string out;
    out.reserve(chars.size() * 2);
    for (char16_t c : chars) {
        if (c > 0xFF) out.push_back(static_cast<char>(c >> 8));
        out.push_back(static_cast<char>(c & 0xFF));
    }
    return out;
}

// A new zero-terminated text, released with delete[] (strfree).
char* new_text(std::u16string_view chars) {
    std::string bytes = bytes_of(chars);
    char* out = new char[bytes.size() + 1];
    std::memcpy(out, bytes.c_str(), bytes.size() + 1);
    return out;
}

// Stores a result in the operation's slot, releasing the one it held. The
// result is complete before the old one goes, so an argument that was the
// slot's previous text has already been read.
char* keep(Slot& slot, std::u16string_view chars) {
    slot.reset(new_text(chars));
    return slot.get();
}

char* empty_result(Slot& slot) {
    slot.reset();
    return const_cast<char*>(kEmptyResult);
}

// The 0-based index where a left-to-right scan begins, or npos when `start`
// lies beyond the text (every start does for the empty text).
std::size_t scan_begin(int start, std::size_t length) {
    std::size_t s = start < 1 ? 1 : static_cast<std::size_t>(start);
    return s > length ? npos : s - 1;
}

// The last occurrence of `pattern` lying wholly inside `text` without its
// last `cut` characters: its 0-based index from the left, or npos.
std::size_t find_from_right(const Chars& text, const Chars& pattern, std::size_t cut) {
    std::size_t room = text.size() - cut;
    if (pattern.size() > room) return npos;
    return text.rfind(pattern, room - pattern.size());
}

// Replaces every occurrence from index `from` on, resuming behind each
// inserted replacement so that it is never searched again. The result is
// built anew: replacing in place would move the rest of the text at every
// occurrence, quadratic in the text's length.
Chars replace_all(const Chars& text, const Chars& search, const Chars& replacement, std::size_t from) {
    Chars out = text.substr(0, from);
    std::size_t done = from;
    for (std::size_t at = text.find(search, from); at != npos; at = text.find(search, done)) {
        out.append(text, done, at - done);
        out += replacement;
        done = at + search.size();
    }
    out.append(text, done);
    return out;
}

bool is_delimiter(char16_t c, const Chars& delimiters) { return delimiters.find(c) != npos; }

// The tokens of `text`: the runs between delimiter characters.
std::vector<std::u16string_view> tokens_of(const Chars& text, const Chars& delimiters) {
    std::vector<std::u16string_view> out;
    std::u16string_view view(text);
    std::size_t i = 0;
    while (i < view.size()) {
        while (i < view.size() && is_delimiter(view[i], delimiters)) ++i;
        std::size_t begin = i;
        while (i < view.size() && !is_delimiter(view[i], delimiters)) ++i;
        if (i > begin) out.push_back(view.substr(begin, i - begin));
    }
    return out;
}

// A segment array: entry 0 the count in decimal, then the segments.
char** segment_array(const std::vector<std::u16string_view>& segments) {
    char** out = new char*[segments.size() + 1];
    std::string count = std::to_string(segments.size());
    out[0] = new char[count.size() + 1];
    std::memcpy(out[0], count.c_str(), count.size() + 1);
    for (std::size_t i = 0; i < segments.size(); ++i) out[i + 1] = new_text(segments[i]);
    return out;
}

// Private state of an iterator: its copy of the text and the index of the
// next character to look at.
struct Iterator {
    bool started = false;
    Chars text;
    std::size_t pos = 0;
};

Iterator tok2_state, spl2_state;

void start_over(Iterator& it, const char* text) {
    it.started = true;
    it.text = chars_of(text);
    it.pos = 0;
}

// Replacement of one occurrence found by `find`, with the rules shared by
// strrep and strrrep.
template <typename Find>
char* replace_one(Slot& slot, int start, const char* text, const char* search, const char* replacement, Find find) {
    Chars t = chars_of(text), s = chars_of(search);
    std::size_t begin = scan_begin(start, t.size());
    if (begin == npos || s.empty()) return empty_result(slot);
    std::size_t at = find(t, s, begin);
    if (at != npos) t.replace(at, s.size(), chars_of(replacement));
    return keep(slot, t);
}

}  // namespace

int strstr(int start, const char* text, const char* pattern) {
    Chars t = chars_of(text);
    std::size_t begin = scan_begin(start, t.size());
    if (begin == npos) return -1;
    std::size_t at = t.find(chars_of(pattern), begin);
    return at == npos ? 0 : static_cast<int>(at + 1);
}

int strrstr(int start, const char* text, const char* pattern, bool fromLeft) {
    Chars t = chars_of(text), p = chars_of(pattern);
    std::size_t cut = scan_begin(start, t.size());
    if (cut == npos) return -1;
    // An empty pattern stands at the last character that the scan covers.
    std::size_t at = p.empty() ? t.size() - cut - 1 : find_from_right(t, p, cut);
    if (at == npos) return 0;
    return static_cast<int>(fromLeft ? at + 1 : t.size() - at);
}

int strstrall(int start, const char* text, const char* pattern) {
    Chars t = chars_of(text), p = chars_of(pattern);
    std::size_t at = scan_begin(start, t.size());
    if (at == npos) return -1;
    int count = 0;
    // Each scan resumes one character after the previous match's start, so
    // overlapping occurrences count too.
    for (at = t.find(p, at); at < t.size(); at = t.find(p, at + 1)) ++count;
    return count;
}

char* strrep(int start, const char* text, const char* search, const char* replacement) {
    return replace_one(slot_strrep, start, text, search, replacement,
                       [](const Chars& t, const Chars& s, std::size_t begin) { return t.find(s, begin); });
}

char* strrrep(int start, const char* text, const char* search, const char* replacement) {
    return replace_one(slot_strrrep, start, text, search, replacement, find_from_right);
}

char* strrepall(int start, const char* text, const char* search, const char* replacement) {
    Chars t = chars_of(text), s = chars_of(search);
    std::size_t begin = scan_begin(start, t.size());
    if (begin == npos || s.empty()) return empty_result(slot_strrepall);
    return keep(slot_strrepall, replace_all(t, s, chars_of(replacement), begin));
}

char* strrepallex(int start, const char* text, const char* search1, const char* replacement1, const char* search2,
                  const char* replacement2, const char* search3, const char* replacement3, const char* search4,
                  const char* replacement4, const char* search5, const char* replacement5) {
    Chars t = chars_of(text);
    std::size_t begin = scan_begin(start, t.size());
    if (begin == npos) return empty_result(slot_strrepallex);
    const char* pairs[5][2] = {{search1, replacement1},
                               {search2, replacement2},
                               {search3, replacement3},
                               {search4, replacement4},
                               {search5, replacement5}};
    for (const auto& pair : pairs) {
        Chars s = chars_of(pair[0]);
        if (s.empty()) break;
        t = replace_all(t, s, chars_of(pair[1]), begin);
        begin = 0;
    }
    return keep(slot_strrepallex, t);
}

int strtok(const char* text, const char* delimiters, char**& tokens) {
    Chars t = chars_of(text);
    auto found = tokens_of(t, chars_of(delimiters));
    tokens = segment_array(found);
    return static_cast<int>(found.size());
}

int strspl(const char* text, const char* separator, char**& segments) {
    Chars t = chars_of(text), s = chars_of(separator);
    std::u16string_view view(t);
    std::vector<std::u16string_view> found;
    std::size_t at = s.empty() ? npos : view.find(s);
    if (at == npos) {
        found.push_back(view);
    } else {
        std::size_t begin = 0;
        for (; at != npos; at = view.find(s, begin)) {
            if (at > begin) found.push_back(view.substr(begin, at - begin));
            begin = at + s.size();
        }
        if (begin < view.size()) found.push_back(view.substr(begin));
    }
    segments = segment_array(found);
    return static_cast<int>(found.size());
}

char* strtok2(const char* text, const char* delimiters) {
    if (text) start_over(tok2_state, text);
    if (!delimiters || !tok2_state.started) return nullptr;
    Chars d = chars_of(delimiters);
    const Chars& t = tok2_state.text;
    std::size_t& i = tok2_state.pos;
    while (i < t.size() && is_delimiter(t[i], d)) ++i;
    if (i == t.size()) return nullptr;
    std::size_t begin = i;
    while (i < t.size() && !is_delimiter(t[i], d)) ++i;
    std::size_t end = i;
    // The delimiter that ended the token is used up with it, as the C
    // library's strtok does, so that a next call with another delimiter set
    // does not see it.
    if (i < t.size()) ++i;
    return new_text(std::u16string_view(t).substr(begin, end - begin));
}

char* strspl2(const char* text, const char* separator) {
    if (text) start_over(spl2_state, text);
    if (!spl2_state.started) return empty_result(slot_strspl2);
    Chars s = chars_of(separator);
    std::u16string_view rest = std::u16string_view(spl2_state.text).substr(spl2_state.pos);
    std::size_t at = s.empty() ? npos : rest.find(s);
    if (at == npos) return keep(slot_strspl2, rest);
    spl2_state.pos += at + s.size();
    return keep(slot_strspl2, rest.substr(0, at));
}

char* strleft(const char* text, int n) {
    Chars t = chars_of(text);
    if (n < 0 || static_cast<std::size_t>(n) > t.size()) return empty_result(slot_strleft);
    std::size_t drop = n == 0 ? 0 : static_cast<std::size_t>(n) - 1;
    return keep(slot_strleft, std::u16string_view(t).substr(drop));
}

char* strright(const char* text, int n) {
    Chars t = chars_of(text);
    if (n < 0 || static_cast<std::size_t>(n) > t.size()) return empty_result(slot_strright);
    std::size_t drop = n == 0 ? 0 : static_cast<std::size_t>(n) - 1;
    return keep(slot_strright, std::u16string_view(t).substr(0, t.size() - drop));
}

char* strmid(const char* text, int pos, int count) {
    Chars t = chars_of(text);
    if (pos == 0) pos = 1;
    if (pos < 0 || static_cast<std::size_t>(pos) > t.size() || count < 1) return empty_result(slot_strmid);
    return keep(slot_strmid,
                std::u16string_view(t).substr(static_cast<std::size_t>(pos) - 1, static_cast<std::size_t>(count)));
}

char* strmidlr(const char* text, int left, int right) {
    Chars t = chars_of(text);
    if (left < 0 || right < 0) return empty_result(slot_strmidlr);
    std::size_t drop_left = left == 0 ? 0 : static_cast<std::size_t>(left) - 1;
    std::size_t drop_right = right == 0 ? 0 : static_cast<std::size_t>(right) - 1;
    if (drop_left + drop_right >= t.size()) return empty_result(slot_strmidlr);
    return keep(slot_strmidlr, std::u16string_view(t).substr(drop_left, t.size() - drop_left - drop_right));
}

void splsort(int* values, int count, bool ascending) {
    // Insertion sort: an element moves forward only past strictly larger
    // (ascending) or smaller (descending) ones, which keeps it stable.
    for (int i = 1; i < count; ++i) {
        int v = values[i];
        int j = i;
        for (; j > 0 && (ascending ? values[j - 1] > v : values[j - 1] < v); --j) values[j] = values[j - 1];
        values[j] = v;
    }
}

void strfree(char* text) { delete[] text; }

void strfreearray(char** segments) {
    if (!segments) return;
    long count = std::strtol(segments[0], nullptr, 10);
    for (long i = 0; i <= count; ++i) delete[] segments[i];
    delete[] segments;
}

}  // namespace strkit
