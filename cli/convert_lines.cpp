#include "cli/convert_lines.h"

#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "platform/cp932.h"

namespace varuno {
namespace {

constexpr std::size_t kBlock = 1 << 20;  // bytes read, and written, at a time

bool is_ascii(std::string_view s) {
    for (char c : s)
        if (static_cast<unsigned char>(c) >= 0x80) return false;
    return true;
}

}  // namespace

LinesConverted convert_lines(UnitPair& units, std::FILE* in, std::FILE* out) {
    LinesConverted run;
    std::vector<char> input(kBlock);
    std::size_t held = 0;  // bytes of an unfinished line at the start of `input`
    std::string output, cp932_line;
    output.reserve(kBlock + 4096);
    Conversion done{};
    bool at_end = false;

    const auto flush = [&] {
        if (!output.empty() && std::fwrite(output.data(), 1, output.size(), out) != output.size()) run.io_ok = false;
        output.clear();
    };
    const auto convert_line = [&](std::string_view line) {
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        // ASCII reads the same in UTF-8 and CP932; anything else is converted
        // (and, as the evaluator takes ASCII only, will show the error mark).
        if (!is_ascii(line)) line = cp932_line = cp932::from_utf8(line);
        if (units.convert(line, done) != ConversionResult::kConverted) ++run.failed;
        ++run.lines;
        cp932::append_utf8(output, done.output);
        output.push_back('\t');
        cp932::append_utf8(output, done.zoom);
        output.push_back('\n');
        if (output.size() >= kBlock) flush();
    };

    while (!at_end && run.io_ok) {
        // A line longer than the buffer grows it.
        if (held == input.size()) input.resize(input.size() * 2);
        const std::size_t got = std::fread(input.data() + held, 1, input.size() - held, in);
        if (got == 0) {
            at_end = true;
            if (std::ferror(in)) run.io_ok = false;
        }
        const char* begin = input.data();
        const char* const end = input.data() + held + got;
        while (const char* newline =
                   static_cast<const char*>(std::memchr(begin, '\n', static_cast<std::size_t>(end - begin)))) {
            convert_line({begin, static_cast<std::size_t>(newline - begin)});
            begin = newline + 1;
        }
        held = static_cast<std::size_t>(end - begin);
        // The last line without its end.
        if (at_end && held > 0)
            convert_line({begin, held});
        else
            std::memmove(input.data(), begin, held);
    }
    flush();
    if (std::fflush(out) != 0) run.io_ok = false;
    return run;
}

}  // namespace varuno
