// Started by ini_test from a folder of its own: writes and reads back a value
// in an ini file beside itself. Exit code 0 when the value came back.
#include "platform/ini.h"

int main() {
    varuno::ini_write_int("MAIN", "x", -40, "probe.ini");
    varuno::ini_write_text("FIND", "text", "\x90\xa1\x96\x40", "probe.ini");  // 寸法
    const bool ok = varuno::ini_read_int("MAIN", "x", "probe.ini") == -40 &&
                    varuno::ini_read_text("FIND", "text", "probe.ini") == "\x90\xa1\x96\x40";
    return ok ? 0 : 1;
}
