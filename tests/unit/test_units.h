// Shared by the tests that work on the real unit tables.
#pragma once
#include <string>

#include "unitdb/registry.h"
#include "unitdb/udb.h"

namespace varuno::test {

std::string cp(const char* utf8);  // UTF-8 literal to CP932
// Every table, built once for the test program.
UnitTables& tables();
// Row index of the first row of `kind` whose name (column 0) is `name`; -1.
int row_named(int kind, const char* utf8_name);
// Row index of the first row whose list label is `label`; -1.
int row_labelled(int kind, const char* utf8_label);

}  // namespace varuno::test
