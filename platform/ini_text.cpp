#include "platform/ini_text.h"

#include <algorithm>
#include <utility>

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

// A name as it compares: trimmed, as the file's names are, with its ASCII
// letters in lower case. Double-byte characters stay whole, so a trail byte
// that looks like a letter is never folded.
std::string folded(std::string_view name) {
    name = trim(name);
    std::string out(name);
    for (std::size_t i = 0; i < out.size(); i += cp932::char_length(out, i)) out[i] = lower(out[i]);
    return out;
}

// folded(name) compared with `wanted` (a folded name) as std::string compares
// them, without making the folded text: <0, 0 or >0.
int compare_folded(std::string_view name, std::string_view wanted) {
    name = trim(name);
    std::size_t i = 0;
    for (std::size_t len = 0; i < name.size() && i < wanted.size(); i += len) {
        len = cp932::char_length(name, i);
        const char c = len == 1 ? lower(name[i]) : name[i];
        if (c != wanted[i]) return static_cast<unsigned char>(c) < static_cast<unsigned char>(wanted[i]) ? -1 : 1;
        if (len == 2 && i + 1 < wanted.size() && name[i + 1] != wanted[i + 1])
            return static_cast<unsigned char>(name[i + 1]) < static_cast<unsigned char>(wanted[i + 1]) ? -1 : 1;
    }
    if (name.size() == wanted.size()) return 0;
    return name.size() < wanted.size() ? -1 : 1;
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
    const std::string wanted = folded(section);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        auto name = section_name(lines[i]);
        if (name && compare_folded(*name, wanted) == 0) return i;
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
    const std::string wanted = folded(key);
    for (std::size_t i = header + 1; i < lines.size() && !section_name(lines[i]); ++i) {
        auto name = key_name(lines[i]);
        if (name && compare_folded(*name, wanted) == 0) return i;
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

} // namespace

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
    // The keys asked for in the order of their folded names, so that each of
    // the section's lines is looked up once, however many keys are asked for.
    std::vector<std::pair<std::string, std::size_t>> wanted;
    wanted.reserve(keys.size());
    for (std::size_t k = 0; k < keys.size(); ++k) wanted.emplace_back(folded(keys[k]), k);
    std::sort(wanted.begin(), wanted.end());
    for (std::size_t i = *header + 1; i < lines.size() && !section_name(lines[i]); ++i) {
        const auto name = key_name(lines[i]);
        if (!name) continue;
        auto it = std::lower_bound(wanted.begin(), wanted.end(), *name,
                                   [](const auto& w, std::string_view n) { return compare_folded(n, w.first) > 0; });
        for (; it != wanted.end() && compare_folded(*name, it->first) == 0; ++it)
            if (!values[it->second]) values[it->second] = value_of(lines[i]);  // the first such key wins
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

} // namespace varuno::ini_text
