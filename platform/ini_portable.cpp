// The ini routines for systems without the Windows profile API: the file is
// read whole, parsed and edited in memory by ini_text (same line format and
// rules as Windows), and written back with CRLF line ends, as Windows writes
// it.
#include <cstdio>

#include "platform/ini.h"
#include "platform/ini_text.h"

#if !defined(_WIN32)
#include <unistd.h>
#endif

namespace varuno::ini_backend {
namespace {

ini_text::Lines read_lines(const std::filesystem::path& file) {
    std::string bytes;
    if (std::FILE* in = std::fopen(file.c_str(), "rb")) {
        char chunk[65536];
        for (std::size_t got; (got = std::fread(chunk, 1, sizeof chunk, in)) > 0;) bytes.append(chunk, got);
        std::fclose(in);
    }
    return ini_text::parse(bytes);
}

// Writes the lines to a temporary file beside `file` and renames it over
// `file`, so readers see either the old or the new content.
bool save_lines(const std::filesystem::path& file, const ini_text::Lines& lines) {
    std::filesystem::path temp = file;
    temp += ".tmp~";
    std::FILE* out = std::fopen(temp.c_str(), "wb");
    if (!out) return false;
    const std::string bytes = ini_text::serialize(lines);
    bool ok = std::fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size();
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

}  // namespace

std::vector<std::optional<std::string>> read(const std::filesystem::path& file, std::string_view section,
                                             const std::vector<std::string>& keys) {
    return ini_text::read(read_lines(file), section, keys);
}

bool write(const std::filesystem::path& file, const std::vector<IniChange>& changes) {
    auto lines = read_lines(file);
    bool changed = false;
    for (const IniChange& change : changes) {
        if (!change.key) {
            changed |= ini_text::remove_section(lines, change.section);
        } else if (!change.value) {
            changed |= ini_text::remove_key(lines, change.section, *change.key);
        } else {
            ini_text::set(lines, change.section, *change.key, *change.value);
            changed = true;
        }
    }
    return !changed || save_lines(file, lines);
}

}  // namespace varuno::ini_backend
