// Reader and writer of the private-profile format for systems without the
// Windows profile API. Same line format and rules: "[section]" lines,
// "key=value" lines, names trimmed and compared without ASCII case, values
// trimmed and stripped of one pair of enclosing quotes, the first of several
// equal keys wins, a missing value reads as "0". Files are written with CRLF
// line ends, as Windows writes them.
#include <cstdio>
#include <fstream>
#include <iterator>
#include <optional>
#include <vector>

#include "platform/cp932.h"
#include "platform/ini.h"

#if !defined(_WIN32)
#include <unistd.h>
#endif

namespace varuno::ini_backend {
namespace {

constexpr std::size_t kMaxRead = 1023;

std::string_view trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
    return s;
}

// ASCII letters compare without case; double-byte characters compare whole,
// so a trail byte that looks like a letter is never folded.
bool same_name(std::string_view a, std::string_view b) {
    std::size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        unsigned ca = cp932::char_code(a, i), cb = cp932::char_code(b, j);
        if (ca >= 'A' && ca <= 'Z') ca += 32;
        if (cb >= 'A' && cb <= 'Z') cb += 32;
        if (ca != cb) return false;
        i += cp932::char_length(a, i);
        j += cp932::char_length(b, j);
    }
    return i == a.size() && j == b.size();
}

// The name of a "[section]" line; the closing bracket is searched character
// by character, since ']' can be the trail byte of a double-byte character.
std::optional<std::string_view> section_name(std::string_view line) {
    line = trim(line);
    if (line.empty() || line.front() != '[') return std::nullopt;
    line.remove_prefix(1);
    std::size_t close = 0;
    while (close < line.size() && line[close] != ']') close += cp932::char_length(line, close);
    return trim(line.substr(0, close));
}

std::optional<std::string_view> key_name(std::string_view line) {
    const auto eq = line.find('=');
    if (eq == std::string_view::npos) return std::nullopt;
    return trim(line.substr(0, eq));
}

std::vector<std::string> read_lines(const std::filesystem::path& file) {
    std::vector<std::string> lines;
    std::ifstream in(file, std::ios::binary);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

// Index of the section's header line and one past its last line.
struct Span {
    std::size_t header, end;
};

std::optional<Span> find_section(const std::vector<std::string>& lines, std::string_view section) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
        auto name = section_name(lines[i]);
        if (!name || !same_name(*name, section)) continue;
        std::size_t end = i + 1;
        while (end < lines.size() && !section_name(lines[end])) ++end;
        return Span{i, end};
    }
    return std::nullopt;
}

constexpr std::size_t kNone = static_cast<std::size_t>(-1);

// Line index of the key inside the section, or kNone.
std::size_t find_key(const std::vector<std::string>& lines, Span span, std::string_view key) {
    for (std::size_t i = span.header + 1; i < span.end; ++i) {
        auto name = key_name(lines[i]);
        if (name && same_name(*name, key)) return i;
    }
    return kNone;
}

std::string cut_to_limit(std::string_view value) {
    std::size_t n = 0;
    while (n < value.size()) {
        const std::size_t len = cp932::char_length(value, n);
        if (n + len > kMaxRead) break;
        n += len;
    }
    return std::string(value.substr(0, n));
}

// Writes all lines to a temporary file beside `file` and renames it over
// `file`, so readers see either the old or the new content.
bool save_lines(const std::filesystem::path& file, const std::vector<std::string>& lines) {
    std::filesystem::path temp = file;
    temp += ".tmp~";
    std::FILE* out = std::fopen(temp.c_str(), "wb");
    if (!out) return false;
    bool ok = true;
    for (const auto& line : lines) {
        ok = ok && std::fwrite(line.data(), 1, line.size(), out) == line.size();
        ok = ok && std::fwrite("\r\n", 1, 2, out) == 2;
    }
    ok = ok && std::fflush(out) == 0;
#if !defined(_WIN32)
    ok = ok && fsync(fileno(out)) == 0;
#endif
    ok = std::fclose(out) == 0 && ok;
    std::error_code ec;
    if (ok) std::filesystem::rename(temp, file, ec);
    if (!ok || ec) {
        std::filesystem::remove(temp, ec);
        return false;
    }
    return true;
}

} // namespace

std::string read(const std::filesystem::path& file, std::string_view section, std::string_view key) {
    const auto lines = read_lines(file);
    const auto span = find_section(lines, section);
    if (!span) return "0";
    const std::size_t at = find_key(lines, *span, key);
    if (at == kNone) return "0";
    std::string_view line = lines[at];
    std::string_view value = trim(line.substr(line.find('=') + 1));
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
        value = value.substr(1, value.size() - 2);
    return cut_to_limit(value);
}

bool write(const std::filesystem::path& file, std::string_view section, const std::string_view* key,
           const std::string_view* value) {
    auto lines = read_lines(file);
    const auto span = find_section(lines, section);
    if (!key) {  // remove the whole section, every part of it that the file has
        if (!span) return true;
        for (auto part = span; part; part = find_section(lines, section))
            lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(part->header),
                        lines.begin() + static_cast<std::ptrdiff_t>(part->end));
        return save_lines(file, lines);
    }
    const std::size_t at = span ? find_key(lines, *span, *key) : kNone;
    if (!value) {  // remove one key
        if (at == kNone) return true;
        lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(at));
        return save_lines(file, lines);
    }
    std::string entry = std::string(*key) + "=" + std::string(*value);
    if (at != kNone) {
        lines[at] = entry;
    } else if (span) {
        std::size_t insert = span->end;  // after the section's last non-blank line
        while (insert > span->header + 1 && trim(lines[insert - 1]).empty()) --insert;
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(insert), entry);
    } else {
        if (!lines.empty() && !trim(lines.back()).empty()) lines.emplace_back();
        lines.push_back("[" + std::string(section) + "]");
        lines.push_back(entry);
    }
    return save_lines(file, lines);
}

} // namespace varuno::ini_backend
