#include "platform/ini.h"

#include <climits>
#include <string>

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

std::string ini_read_text(std::string_view section, std::string_view key, std::string_view file) {
    return ini_backend::read(path_beside_program(file), section, key);
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

// Reads drop the spaces around a value and one pair of enclosing quotes: a
// value that would lose something that way is written in quotes, so that it
// comes back exactly as it was (a search text " m " stays " m ").
bool ini_write_text(std::string_view section, std::string_view key, std::string_view value, std::string_view file) {
    auto blank = [](char c) { return c == ' ' || c == '\t'; };
    const bool quote = !value.empty() && (blank(value.front()) || blank(value.back()) ||
                                          (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
                                           value.back() == value.front()));
    if (!quote) return ini_backend::write(path_beside_program(file), section, &key, &value);
    const std::string quoted = "\"" + std::string(value) + "\"";
    const std::string_view stored = quoted;
    return ini_backend::write(path_beside_program(file), section, &key, &stored);
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
    return ini_backend::write(path_beside_program(file), section, whole_section ? nullptr : &key, nullptr);
}

bool ini_delete_at(bool whole_section, std::string_view section, int key, std::string_view file) {
    return ini_delete(whole_section, section, std::to_string(key), file);
}

} // namespace varuno
