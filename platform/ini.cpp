#include "platform/ini.h"

#include <climits>
#include <string>

#include "platform/cp932.h"

namespace varuno {

int leading_int(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > static_cast<long long>(INT_MAX) + 1) value = static_cast<long long>(INT_MAX) + 1;
    }
    if (negative) value = -value;
    if (value > INT_MAX) value = INT_MAX;
    return static_cast<int>(value);
}

namespace {

bool is_line_break_or_nul(char c) { return c == '\r' || c == '\n' || c == '\0'; }

// Whether `name` holds `c` as a character of its own, not as the trail byte of
// a double-byte character.
bool has_char(std::string_view name, char c) {
    for (std::size_t i = 0; i < name.size(); i += cp932::char_length(name, i))
        if (name[i] == c) return true;
    return false;
}

bool fits_one_line(std::string_view name) {
    for (char c : name)
        if (is_line_break_or_nul(c)) return false;
    return true;
}

}  // namespace

// A lead byte at the end of a section name (trimmed, as it is written) would
// pair with the closing ']' and hide it.
bool ini_section_name_allowed(std::string_view section) {
    const std::string_view name = section.substr(0, section.find_last_not_of(" \t") + 1);
    std::size_t last = 0;
    for (std::size_t i = 0; i < name.size(); i += cp932::char_length(name, i)) last = i;
    const bool open_lead = last + 1 == name.size() && cp932::is_lead_byte(static_cast<unsigned char>(name[last]));
    return fits_one_line(section) && !has_char(section, ']') && !open_lead;
}

bool ini_key_name_allowed(std::string_view key) {
    const std::size_t first = key.find_first_not_of(" \t");
    return fits_one_line(key) && !has_char(key, '=') && (first == std::string_view::npos || key[first] != '[');
}

// Reads drop the spaces around a value and one pair of enclosing quotes: a
// value that would lose something that way is written in quotes, so that it
// comes back exactly as it was (a search text " m " stays " m ").
std::string ini_stored_value(std::string_view value) {
    std::string stored(value);
    for (char& c : stored)
        if (is_line_break_or_nul(c)) c = ' ';
    auto blank = [](char c) { return c == ' ' || c == '\t'; };
    const bool quote =
        !stored.empty() &&
        (blank(stored.front()) || blank(stored.back()) ||
         (stored.size() >= 2 && (stored.front() == '"' || stored.front() == '\'') && stored.back() == stored.front()));
    return quote ? "\"" + stored + "\"" : stored;
}

std::optional<std::string> ini_read_optional(std::string_view section, std::string_view key, std::string_view file) {
    return ini_read_keys(section, {std::string(key)}, file).front();
}

std::vector<std::optional<std::string>> ini_read_keys(std::string_view section, const std::vector<std::string>& keys,
                                                      std::string_view file) {
    return ini_backend::read(path_beside_program(file), section, keys);
}

std::string ini_read_text(std::string_view section, std::string_view key, std::string_view file) {
    return ini_read_optional(section, key, file).value_or("0");
}

std::string ini_read_text_at(std::string_view section, int key, std::string_view file) {
    return ini_read_text(section, std::to_string(key), file);
}

int ini_read_int(std::string_view section, std::string_view key, std::string_view file) {
    return leading_int(ini_read_text(section, key, file));
}

int ini_read_int_at(std::string_view section, int key, std::string_view file) {
    return ini_read_int(section, std::to_string(key), file);
}

bool ini_write_changes(const std::vector<IniChange>& changes, std::string_view file) {
    std::vector<IniChange> stored = changes;
    for (IniChange& change : stored) {
        if (!ini_section_name_allowed(change.section) || (change.key && !ini_key_name_allowed(*change.key)))
            return false;
        if (change.value) change.value = ini_stored_value(*change.value);
    }
    return ini_backend::write(path_beside_program(file), stored);
}

bool ini_write_text(std::string_view section, std::string_view key, std::string_view value, std::string_view file) {
    return ini_write_changes({{std::string(section), std::string(key), std::string(value)}}, file);
}

bool ini_write_text_at(std::string_view section, int key, std::string_view value, std::string_view file) {
    return ini_write_text(section, std::to_string(key), value, file);
}

bool ini_write_int(std::string_view section, std::string_view key, int value, std::string_view file) {
    return ini_write_text(section, key, std::to_string(value), file);
}

bool ini_write_int_at(std::string_view section, int key, int value, std::string_view file) {
    return ini_write_text(section, std::to_string(key), std::to_string(value), file);
}

bool ini_delete(bool whole_section, std::string_view section, std::string_view key, std::string_view file) {
    std::optional<std::string> removed_key;
    if (!whole_section) removed_key = std::string(key);
    return ini_write_changes({{std::string(section), removed_key, std::nullopt}}, file);
}

bool ini_delete_at(bool whole_section, std::string_view section, int key, std::string_view file) {
    return ini_delete(whole_section, section, std::to_string(key), file);
}

}  // namespace varuno
