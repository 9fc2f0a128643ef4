// The ini format in memory (platform/ini_text, with the name and value rules
// of platform/ini.cpp): any bytes as a file, and a section name, a key name
// and a value taken from the input. Checked:
//  - reads answer at most 1023 bytes, and several keys read together give
//    what each gives alone;
//  - serialize, parse and serialize again gives the same bytes;
//  - a written value reads back exactly (line breaks and NUL as spaces), and
//    the write adds at most a blank line, a section line and its key line;
//  - a write, a key removal or a section removal leaves every other value
//    as it was; in particular no section or key appears from a value;
//  - after a section removal none of its keys can be read.
// Input: three bytes with the lengths of the section name, the key name and
// the value (the first byte's top bits choose among the write, the key
// removal and the section removal), then those texts, and the rest is the
// file.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/ini.h"
#include "platform/ini_text.h"

using namespace varuno;

namespace {

void check(bool ok) {
    if (!ok) std::abort();
}

std::string_view trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
    return s;
}

// True when two names could be the same name: equal bytes after trimming,
// ASCII letters folded. A wider test than the format's own (which never
// folds a trail byte), so only probes that surely differ are compared.
bool maybe_same(std::string_view a, std::string_view b) {
    a = trim(a);
    b = trim(b);
    if (a.size() != b.size()) return false;
    auto fold = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    for (std::size_t i = 0; i < a.size(); ++i)
        if (fold(a[i]) != fold(b[i])) return false;
    return true;
}

// Section and key names to read: a fixed pair, then the keys that the value
// and the file seem to hold, each with the section it seems to be in (the
// value's lines, split at line breaks and NUL as a file would be, start in
// the written section), and each section they seem to start with the written
// key; so that the file's own values are compared and a value that starts a
// section or a key of its own is caught.
struct Probes {
    std::vector<std::pair<std::string, std::string>> names;

    void harvest(std::string_view text, std::string_view section, std::string_view key, std::size_t up_to) {
        std::string current(section);
        std::size_t start = 0;
        while (start <= text.size() && names.size() < up_to) {
            std::size_t end = text.find_first_of(std::string_view("\r\n\0", 3), start);
            if (end == std::string_view::npos) end = text.size();
            const std::string_view line = text.substr(start, end - start);
            const std::string_view t = trim(line);
            if (!t.empty() && t.front() == '[') {
                current = t.substr(1, t.find(']') - 1);
                names.emplace_back(current, key);
            } else if (const auto eq = line.find('='); eq != std::string_view::npos) {
                names.emplace_back(current, line.substr(0, eq));
            }
            start = end + 1;
        }
    }
};

using Reads = std::vector<std::optional<std::string>>;

// Every probe's value, read a section at a time (the input's check that
// several keys read together give what each gives alone makes this the same
// as reading them one by one).
Reads read_all(const ini_text::Lines& lines, const Probes& p) {
    Reads out(p.names.size());
    std::vector<bool> done(p.names.size());
    for (std::size_t i = 0; i < p.names.size(); ++i) {
        if (done[i]) continue;
        std::vector<std::size_t> same{i};
        std::vector<std::string> keys{p.names[i].second};
        for (std::size_t j = i + 1; j < p.names.size(); ++j)
            if (!done[j] && p.names[j].first == p.names[i].first) {
                same.push_back(j);
                keys.push_back(p.names[j].second);
            }
        const Reads values = ini_text::read(lines, p.names[i].first, keys);
        for (std::size_t n = 0; n < same.size(); ++n) {
            out[same[n]] = values[n];
            done[same[n]] = true;
            check(!values[n] || values[n]->size() <= 1023);
        }
    }
    return out;
}

std::optional<std::string> read_one(const ini_text::Lines& lines, std::string_view section, const std::string& key) {
    return ini_text::read(lines, section, {&key, 1}).front();
}

// Every probe that is surely not `section` (and, when given, `key`) reads as
// before.
void check_others_kept(const Reads& before, const Reads& after, const Probes& p, std::string_view section,
                       const std::string_view* key) {
    for (std::size_t i = 0; i < p.names.size(); ++i) {
        const auto& [s, k] = p.names[i];
        const bool touched = maybe_same(s, section) && (!key || maybe_same(k, *key));
        check(touched || before[i] == after[i]);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 3) return 0;
    const std::string_view input(reinterpret_cast<const char*>(data) + 3, size - 3);
    std::size_t at = 0;
    auto take = [&](std::size_t n) {
        const std::string_view part = input.substr(std::min(at, input.size()), n);
        at += part.size();
        return part;
    };
    const std::string_view section = take(data[0] & 31), key = take(data[1] & 31), value = take(data[2]);
    const int operation = (data[0] >> 5) % 3;  // write, remove the key, remove the section
    const std::string_view file = input.substr(at);

    const ini_text::Lines lines = ini_text::parse(file);
    const std::string bytes = ini_text::serialize(lines);
    const ini_text::Lines again = ini_text::parse(bytes);
    check(again == lines && ini_text::serialize(again) == bytes);

    Probes probes{{{"MAIN", "x"}}};
    probes.harvest(value, section, key, 4);
    probes.harvest(file, "", key, 7);
    const Reads before = read_all(lines, probes);
    // Several keys read together give what each gives alone.
    std::vector<std::string> keys{std::string(key)};
    for (std::size_t i = 0; i < probes.names.size() && keys.size() < 4; ++i) keys.push_back(probes.names[i].second);
    const Reads together = ini_text::read(lines, section, keys);
    for (std::size_t i = 0; i < keys.size(); ++i) check(together[i] == read_one(lines, section, keys[i]));

    if (operation == 0 && ini_section_name_allowed(section) && ini_key_name_allowed(key)) {
        ini_text::Lines written = lines;
        ini_text::set(written, section, key, ini_stored_value(value));
        std::string expected(value);
        for (char& c : expected)
            if (c == '\r' || c == '\n' || c == '\0') c = ' ';
        check(read_one(written, section, keys[0]) == expected);
        check(written.size() >= lines.size() && written.size() <= lines.size() + 3);
        check(ini_text::parse(ini_text::serialize(written)) == written);
        check_others_kept(before, read_all(written, probes), probes, section, &key);
    }

    // Removals: nothing removed leaves the lines as they were.
    if (operation == 1) {
        ini_text::Lines without_key = lines;
        const bool key_removed = ini_text::remove_key(without_key, section, key);
        check(key_removed == together[0].has_value());
        if (key_removed)
            check_others_kept(before, read_all(without_key, probes), probes, section, &key);
        else
            check(without_key == lines);
    }
    if (operation == 2) {
        ini_text::Lines without_section = lines;
        if (ini_text::remove_section(without_section, section)) {
            check_others_kept(before, read_all(without_section, probes), probes, section, nullptr);
            for (const auto& value : ini_text::read(without_section, section, keys)) check(!value);
        } else {
            check(without_section == lines);
        }
    }
    return 0;
}
