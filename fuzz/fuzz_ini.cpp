// Any bytes as an ini file: reads never crash and answer at most 1023 bytes;
// a write followed by a read gives back what was written, and keeps the
// other values of the file readable as before.
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>

#include "platform/ini.h"

using namespace varuno;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const char* file = "fuzz_ini.ini";
    {
        std::ofstream out(path_beside_program(file), std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    // Section and key names taken from the input's first bytes.
    const std::string name(reinterpret_cast<const char*>(data), size < 4 ? size : 4);
    for (const char* section : {"MAIN", "FIND", name.c_str()}) {
        if (ini_read_text(section, "x", file).size() > 1023) std::abort();
        if (ini_read_text(section, name, file).size() > 1023) std::abort();
        (void)ini_read_int(section, "1", file);
    }
    const std::string before = ini_read_text("OTHER", "kept", file);
    if (name.find_first_of("[]=\r\n") == std::string::npos && name.find_first_not_of(" \t") != std::string::npos &&
        name.front() != ' ' && name.back() != ' ' && name.front() != '\t' && name.back() != '\t') {
        ini_write_text("FZ", name, "v a l", file);
        if (ini_read_text("FZ", name, file) != "v a l") std::abort();
    }
    ini_write_int("FZ", "count", 12, file);
    if (ini_read_int("FZ", "count", file) != 12) std::abort();
    if (ini_read_text("OTHER", "kept", file) != before) std::abort();
    ini_delete(true, "FZ", "", file);
    if (ini_read_text("FZ", "count", file) != "0") std::abort();
    return 0;
}
