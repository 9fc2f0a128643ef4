// Tests that work on an ini file of their own beside the test program: the
// file is gone before and after each test, and its lines can be read back as
// the file holds them.
#pragma once
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "platform/cp932.h"
#include "platform/ini.h"

namespace varuno {

// The file's lines as CP932 texts, whether it is stored as CP932 or as
// UTF-16 with a byte-order mark (as Windows may store it).
inline std::vector<std::string> file_lines(std::string_view name) {
    std::ifstream in(path_beside_program(name), std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (bytes.size() >= 2 && bytes[0] == '\xFF' && bytes[1] == '\xFE') {
        std::u16string wide;
        for (std::size_t i = 2; i + 1 < bytes.size(); i += 2)
            wide.push_back(
                char16_t(static_cast<unsigned char>(bytes[i]) | static_cast<unsigned char>(bytes[i + 1]) << 8));
        bytes = cp932::from_utf16(wide);
    }
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find('\n', start);
        if (end == std::string::npos) end = bytes.size();
        std::string line = bytes.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

class OwnIniFile : public ::testing::Test {
protected:
    explicit OwnIniFile(std::string file) : file(std::move(file)) {}
    void SetUp() override { remove(); }
    void TearDown() override { remove(); }
    void remove() const {
        std::error_code ec;
        std::filesystem::remove(path_beside_program(file), ec);
    }
    const std::string file;
};

}  // namespace varuno
