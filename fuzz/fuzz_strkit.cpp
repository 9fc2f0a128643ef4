// Fuzz target for the strkit string library. The input is split at zero
// bytes into up to twelve texts (any bytes, valid CP932 or not); the first
// two bytes give small start, count and position values, the third the sort
// direction and which group of operations the input exercises (searches and
// single replacements, the five pairs, tokens, segments, cuts, sorting). Every
// operation is checked against a plain model that works on the texts'
// characters, so a result that splits a double-byte character, misses an
// occurrence or miscounts a position aborts. The sanitizers check that the
// library never reads past a text and that the release operations free what
// was handed over.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "platform/cp932.h"
#include "strkit/strkit.h"

namespace {

// A text as its characters: views of the bytes of each CP932 character, into
// texts that outlive the check.
using Chars = std::vector<std::string_view>;

void check(bool ok) {
    if (!ok) std::abort();
}

Chars chars_of(std::string_view text) {
    Chars out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); i += varuno::cp932::char_length(text, i))
        out.push_back(text.substr(i, varuno::cp932::char_length(text, i)));
    return out;
}

std::string join(const Chars& chars, std::size_t begin = 0, std::size_t end = SIZE_MAX) {
    std::string out;
    for (std::size_t i = begin; i < std::min(end, chars.size()); ++i) out += chars[i];
    return out;
}

// Characters begin ... end - 1 of a text's own characters (made by chars_of,
// so they lie one after the other in the text) as one view of its bytes.
std::string_view slice(const Chars& chars, std::size_t begin, std::size_t end = SIZE_MAX) {
    end = std::min(end, chars.size());
    if (begin >= end) return {};
    return {chars[begin].data(),
            static_cast<std::size_t>(chars[end - 1].data() + chars[end - 1].size() - chars[begin].data())};
}

bool matches_at(const Chars& text, const Chars& pattern, std::size_t at) {
    if (at + pattern.size() > text.size()) return false;
    return std::equal(pattern.begin(), pattern.end(), text.begin() + static_cast<std::ptrdiff_t>(at));
}

// 0-based index where a scan from `start` begins, or -1 past the end.
long begin_of(int start, std::size_t length) {
    long s = std::max(start, 1);
    return static_cast<std::size_t>(s) > length ? -1 : s - 1;
}

Chars replace_all(const Chars& text, const Chars& search, const Chars& replacement, std::size_t from) {
    Chars out(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(std::min(from, text.size())));
    std::size_t i = from;
    while (i < text.size()) {
        if (matches_at(text, search, i)) {
            out.insert(out.end(), replacement.begin(), replacement.end());
            i += search.size();
        } else {
            out.push_back(text[i++]);
        }
    }
    return out;
}

std::vector<std::string> take_array(int n, char** array) {
    check(n >= 0 && array && std::string(array[0]) == std::to_string(n));
    std::vector<std::string> out(array + 1, array + 1 + n);
    strkit::strfreearray(array);
    return out;
}

void check_searches(int start, const std::string& text, const std::string& pattern) {
    Chars t = chars_of(text), p = chars_of(pattern);
    long begin = begin_of(start, t.size());

    long first = 0;
    int count = 0;
    if (begin >= 0) {
        for (std::size_t i = static_cast<std::size_t>(begin); i < t.size(); ++i) {
            if (!matches_at(t, p, i)) continue;
            if (!first) first = static_cast<long>(i) + 1;
            ++count;
        }
    }
    check(strkit::strstr(start, text.c_str(), pattern.c_str()) == (begin < 0 ? -1 : first));
    check(strkit::strstrall(start, text.c_str(), pattern.c_str()) == (begin < 0 ? -1 : count));

    // From the right: the last occurrence inside the text without its last
    // begin characters; an empty pattern stands at the scan's first character.
    long last = 0;
    if (begin >= 0) {
        std::size_t room = t.size() - static_cast<std::size_t>(begin);
        if (p.empty()) last = static_cast<long>(room);
        for (std::size_t i = 0; !p.empty() && i + p.size() <= room; ++i)
            if (matches_at(t, p, i)) last = static_cast<long>(i) + 1;
    }
    long from_right = last ? static_cast<long>(t.size()) - last + 1 : 0;
    check(strkit::strrstr(start, text.c_str(), pattern.c_str(), true) == (begin < 0 ? -1 : last));
    check(strkit::strrstr(start, text.c_str(), pattern.c_str(), false) == (begin < 0 ? -1 : from_right));

    const char* empty = strkit::strleft("", -1);
    const std::string replacement = "\x83\x41"
                                    "a";  // ア and an ASCII letter
    Chars r = chars_of(replacement);
    char* rep = strkit::strrep(start, text.c_str(), pattern.c_str(), replacement.c_str());
    char* rrep = strkit::strrrep(start, text.c_str(), pattern.c_str(), replacement.c_str());
    char* repall = strkit::strrepall(start, text.c_str(), pattern.c_str(), replacement.c_str());
    if (begin < 0 || p.empty()) {
        check(rep == empty && rrep == empty && repall == empty);
        return;
    }
    auto replaced_at = [&](long at) {
        if (!at) return text;
        std::size_t i = static_cast<std::size_t>(at - 1);
        return std::string(slice(t, 0, i)) + replacement + std::string(slice(t, i + p.size()));
    };
    check(rep == replaced_at(first));
    check(rrep == replaced_at(last));
    check(repall == join(replace_all(t, p, r, static_cast<std::size_t>(begin))));
}

// Each pair can multiply the text's length, so five of them can grow a short
// text to millions of characters. Results beyond this length are not asked
// for: they take much time and reach nothing that shorter ones do not.
constexpr std::size_t kMaxPairsResult = 4096;

void check_several_pairs(int start, const std::vector<std::string>& texts) {
    const std::string& text = texts[0];
    const std::string* s = &texts[1];  // search1, replacement1, ... replacement5
    Chars t = chars_of(text);
    const long begin = begin_of(start, t.size());
    std::size_t from = begin < 0 ? 0 : static_cast<std::size_t>(begin);
    for (int pair = 0; begin >= 0 && pair < 5 && !s[2 * pair].empty(); ++pair) {
        t = replace_all(t, chars_of(s[2 * pair]), chars_of(s[2 * pair + 1]), from);
        if (t.size() > kMaxPairsResult) return;
        from = 0;
    }
    char* result =
        strkit::strrepallex(start, text.c_str(), s[0].c_str(), s[1].c_str(), s[2].c_str(), s[3].c_str(), s[4].c_str(),
                            s[5].c_str(), s[6].c_str(), s[7].c_str(), s[8].c_str(), s[9].c_str());
    check(begin < 0 ? result == strkit::strleft("", -1) : result == join(t));
}

void check_tokens(const std::string& text, const std::string& separator) {
    const Chars t = chars_of(text), s = chars_of(separator);
    std::vector<std::string> tokens;
    std::string token;
    for (std::string_view c : t) {
        bool delimiter = std::find(s.begin(), s.end(), c) != s.end();
        if (!delimiter) token += c;
        if (delimiter && !token.empty()) tokens.push_back(token);
        if (delimiter) token.clear();
    }
    if (!token.empty()) tokens.push_back(token);
    char** array = nullptr;
    const int n = strkit::strtok(text.c_str(), separator.c_str(), array);
    check(take_array(n, array) == tokens);

    // strtok2 gives the same tokens one by one, then null.
    std::vector<std::string> one_by_one;
    for (char* next = strkit::strtok2(text.c_str(), separator.c_str()); next;
         next = strkit::strtok2(nullptr, separator.c_str())) {
        one_by_one.push_back(next);
        strkit::strfree(next);
    }
    check(one_by_one == tokens);
    // A new text with null delimiters gives null but starts over on it.
    check(!strkit::strtok2(text.c_str(), nullptr));
    char* first = strkit::strtok2(nullptr, separator.c_str());
    check(tokens.empty() ? !first : first == tokens[0]);
    strkit::strfree(first);
}

void check_segments(const std::string& text, const std::string& separator) {
    const Chars t = chars_of(text), s = chars_of(separator);
    // Segments between non-overlapping occurrences, empty ones included.
    std::vector<std::string> segments;
    std::size_t seg_begin = 0;
    if (!s.empty()) {
        for (std::size_t i = 0; i + s.size() <= t.size();) {
            if (!matches_at(t, s, i)) {
                ++i;
                continue;
            }
            segments.emplace_back(slice(t, seg_begin, i));
            i += s.size();
            seg_begin = i;
        }
    }
    const std::string rest(slice(t, seg_begin));
    std::vector<std::string> non_empty;
    for (const std::string& seg : segments)
        if (!seg.empty()) non_empty.push_back(seg);
    if (!rest.empty()) non_empty.push_back(rest);
    if (segments.empty()) non_empty = {text};
    char** array = nullptr;
    const int n = strkit::strspl(text.c_str(), separator.c_str(), array);
    check(take_array(n, array) == non_empty);

    check(strkit::strspl2(text.c_str(), separator.c_str()) == (segments.empty() ? rest : segments[0]));
    for (std::size_t i = 1; i < segments.size(); ++i) check(strkit::strspl2(nullptr, separator.c_str()) == segments[i]);
    for (int again = 0; again < 2; ++again) check(strkit::strspl2(nullptr, separator.c_str()) == rest);
}

void check_cuts(const std::string& text, int a, int b) {
    Chars t = chars_of(text);
    const long length = static_cast<long>(t.size());
    const char* empty = strkit::strleft("", -1);
    auto drop = [](int n) { return n == 0 ? 0L : n - 1L; };

    char* left = strkit::strleft(text.c_str(), a);
    check(a < 0 || a > length ? left == empty : left == slice(t, static_cast<std::size_t>(drop(a))));
    char* right = strkit::strright(text.c_str(), a);
    check(a < 0 || a > length ? right == empty : right == slice(t, 0, static_cast<std::size_t>(length - drop(a))));
    int pos = a == 0 ? 1 : a;
    char* mid = strkit::strmid(text.c_str(), a, b);
    check(pos < 0 || pos > length || b < 1
              ? mid == empty
              : mid == slice(t, static_cast<std::size_t>(pos - 1), static_cast<std::size_t>(pos - 1 + b)));
    char* midlr = strkit::strmidlr(text.c_str(), a, b);
    check(a < 0 || b < 0 || drop(a) + drop(b) >= length
              ? midlr == empty
              : midlr == slice(t, static_cast<std::size_t>(drop(a)), static_cast<std::size_t>(length - drop(b))));

    // strleft followed by strmid rotates the text; both results stay valid
    // together (the strleft result is checked after strmid ran), and every
    // piece is made of whole characters. Cut in the middle and near the end
    // (a and b cut near the start above).
    for (long k : {length / 2, length - std::abs(b)}) {
        if (k < 1 || k > length) continue;
        char* l = strkit::strleft(text.c_str(), static_cast<int>(k));
        char* m = strkit::strmid(text.c_str(), 1, static_cast<int>(k - 1));
        check(l == slice(t, static_cast<std::size_t>(k - 1)));
        check(m == slice(t, 0, static_cast<std::size_t>(k - 1)));
    }
}

void check_sort(const std::string& bytes, bool ascending) {
    std::vector<int> values;
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2)
        values.push_back(static_cast<int>(static_cast<std::int8_t>(bytes[i])) * 0x1000000 +
                         static_cast<unsigned char>(bytes[i + 1]));
    std::vector<int> expected = values;
    if (ascending)
        std::stable_sort(expected.begin(), expected.end());
    else
        std::stable_sort(expected.begin(), expected.end(), [](int x, int y) { return x > y; });
    strkit::splsort(values.data(), static_cast<int>(values.size()), ascending);
    check(values == expected);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 3) return 0;
    // Small values, negative ones included, so that every boundary of a
    // short text is reached.
    int a = static_cast<std::int8_t>(data[0]) % 8;
    int b = static_cast<std::int8_t>(data[1]) % 8;
    const bool ascending = data[2] & 1;
    const int group = (data[2] >> 1) % 6;
    std::vector<std::string> texts(1);
    for (std::size_t i = 3; i < size; ++i) {
        if (data[i] == 0 && texts.size() < 12)
            texts.emplace_back();
        else if (data[i] != 0)
            texts.back().push_back(static_cast<char>(data[i]));
    }
    texts.resize(12);

    switch (group) {
    case 0: check_searches(a, texts[0], texts[1]); break;
    case 1: check_several_pairs(a, texts); break;
    case 2: check_tokens(texts[0], texts[1]); break;
    case 3: check_segments(texts[0], texts[1]); break;
    case 4: check_cuts(texts[0], a, b); break;
    default: check_sort(texts[0], ascending); break;
    }
    return 0;
}
