#include "platform/ini_text.h"

#include <algorithm>

#include "platform/cp932.h"

namespace varuno::ini_text {
namespace {

constexpr std::size_t kMaxRead = 1023;

std::string_view trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
    return s;
}

char lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; }

// Names compare trimmed, as the file's names are, with their ASCII letters
// in lower case; double-byte characters stay whole, so a trail byte that
// looks like a letter is never folded. <0, 0 or >0, in the order of the
// folded names' bytes.
int compare_names(std::string_view a, std::string_view b) {
    a = trim(a);
    b = trim(b);
    std::size_t next_a = 0, next_b = 0;  // where the next character of each starts
    for (std::size_t i = 0; i < a.size() && i < b.size(); ++i) {
        char ca = a[i], cb = b[i];
        if (i == next_a) {
            next_a += cp932::char_length(a, i);
            if (next_a == i + 1) ca = lower(ca);
        }
        if (i == next_b) {
            next_b += cp932::char_length(b, i);
            if (next_b == i + 1) cb = lower(cb);
        }
        if (ca != cb) return static_cast<unsigned char>(ca) < static_cast<unsigned char>(cb) ? -1 : 1;
    }
    if (a.size() == b.size()) return 0;
    return a.size() < b.size() ? -1 : 1;
}

// Whether two names are the same name. Folding keeps every length, so names
// of other trimmed lengths, most of those looked at, differ at once.
bool same_name(std::string_view a, std::string_view b) {
    return trim(a).size() == trim(b).size() && compare_names(a, b) == 0;
}

// The name of a "[section]" line; the closing bracket is searched character
// by character, since ']' can be the trail byte of a double-byte character.
std::optional<std::string_view> section_name(std::string_view line) {
    std::size_t open = 0;
    while (open < line.size() && (line[open] == ' ' || line[open] == '\t')) ++open;
    if (open == line.size() || line[open] != '[') return std::nullopt;
    line = trim(line.substr(open + 1));
    std::size_t close = 0;
    while (close < line.size() && line[close] != ']') close += cp932::char_length(line, close);
    return line.substr(0, close);
}

std::optional<std::string_view> key_name(std::string_view line) {
    const auto eq = line.find('=');
    if (eq == std::string_view::npos) return std::nullopt;
    return line.substr(0, eq);
}

// Index of the first header line of the section.
std::optional<std::size_t> find_section(const Lines& lines, std::string_view section) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
        auto name = section_name(lines[i]);
        if (name && same_name(*name, section)) return i;
    }
    return std::nullopt;
}

// One past the last line of the section whose header is at `header`.
std::size_t section_end(const Lines& lines, std::size_t header) {
    std::size_t end = header + 1;
    while (end < lines.size() && !section_name(lines[end])) ++end;
    return end;
}

// Line index of the key inside the section whose header is at `header`.
std::optional<std::size_t> find_key(const Lines& lines, std::size_t header, std::string_view key) {
    for (std::size_t i = header + 1; i < lines.size() && !section_name(lines[i]); ++i) {
        auto name = key_name(lines[i]);
        if (name && same_name(*name, key)) return i;
    }
    return std::nullopt;
}

// The value of a key line: trimmed, without one pair of enclosing quotes, at
// most 1023 bytes and never half of a double-byte character.
std::string value_of(std::string_view line) {
    std::string_view value = trim(line.substr(line.find('=') + 1));
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    std::size_t n = 0;
    while (n < value.size()) {
        const std::size_t len = cp932::char_length(value, n);
        if (n + len > kMaxRead) break;
        n += len;
    }
    return std::string(value.substr(0, n));
}

}  // namespace

Lines parse(std::string_view bytes) {
    Lines lines;
    lines.reserve(static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), '\n')) + 1);
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find('\n', start);
        if (end == std::string_view::npos) end = bytes.size();
        std::string_view line = bytes.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines.emplace_back(line);
        start = end + 1;
    }
    return lines;
}

std::string serialize(const Lines& lines) {
    std::size_t size = 0;
    for (const auto& line : lines) size += line.size() + 2;
    std::string bytes;
    bytes.reserve(size);
    for (const auto& line : lines) {
        bytes += line;
        bytes += "\r\n";
    }
    return bytes;
}

std::vector<std::optional<std::string>> read(const Lines& lines, std::string_view section,
                                             std::span<const std::string> keys) {
    std::vector<std::optional<std::string>> values(keys.size());
    const auto header = find_section(lines, section);
    if (!header) return values;
    // The keys asked for in name order, so that each of the section's lines
    // is looked up once, however many keys are asked for.
    std::vector<std::size_t> order(keys.size());
    for (std::size_t k = 0; k < keys.size(); ++k) order[k] = k;
    std::sort(order.begin(), order.end(),
              [&](std::size_t x, std::size_t y) { return compare_names(keys[x], keys[y]) < 0; });
    for (std::size_t i = *header + 1; i < lines.size() && !section_name(lines[i]); ++i) {
        const auto name = key_name(lines[i]);
        if (!name) continue;
        auto it = std::lower_bound(order.begin(), order.end(), *name,
                                   [&](std::size_t k, std::string_view n) { return compare_names(keys[k], n) < 0; });
        for (; it != order.end() && same_name(keys[*it], *name); ++it)
            if (!values[*it]) values[*it] = value_of(lines[i]);  // the first such key wins
    }
    return values;
}

void set(Lines& lines, std::string_view section, std::string_view key, std::string_view stored) {
    const auto header = find_section(lines, section);
    const auto at = header ? find_key(lines, *header, key) : std::nullopt;
    std::string entry = std::string(trim(key)) + "=" + std::string(stored);
    if (at) {
        lines[*at] = std::move(entry);
    } else if (header) {
        std::size_t insert = section_end(lines, *header);  // after the section's last non-blank line
        while (insert > *header + 1 && trim(lines[insert - 1]).empty()) --insert;
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(insert), std::move(entry));
    } else {
        if (!lines.empty() && !trim(lines.back()).empty()) lines.emplace_back();
        lines.push_back("[" + std::string(trim(section)) + "]");
        lines.push_back(std::move(entry));
    }
}

bool remove_key(Lines& lines, std::string_view section, std::string_view key) {
    const auto header = find_section(lines, section);
    const auto at = header ? find_key(lines, *header, key) : std::nullopt;
    if (!at) return false;
    lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(*at));
    return true;
}

bool remove_section(Lines& lines, std::string_view section) {
    bool removed = false;
    for (auto header = find_section(lines, section); header; header = find_section(lines, section)) {
        lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(*header),
                    lines.begin() + static_cast<std::ptrdiff_t>(section_end(lines, *header)));
        removed = true;
    }
    return removed;
}

}  // namespace varuno::ini_text
