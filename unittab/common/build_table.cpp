#include "unittab/common/build_table.h"

#include <cstdlib>
#include <cstring>
#include <string>

#include "platform/cp932.h"

namespace varuno::unittab {
namespace {

// Allocation failure while building the tables at start-up leaves nothing to
// run with: the program stops at once rather than show half a table.
void* checked_alloc(std::size_t bytes) {
    void* p = std::calloc(bytes ? bytes : 1, 1);
    if (!p) std::abort();
    return p;
}

// Most cells (rates, symbols, the empty mark) are ASCII, the same bytes in
// both encodings: they are copied as they are.
char* heap_copy(const char* utf8) {
    const std::size_t length = std::strlen(utf8);
    bool ascii = true;
    for (std::size_t i = 0; i < length && ascii; ++i) ascii = static_cast<unsigned char>(utf8[i]) < 0x80;
    if (ascii) {
        char* copy = static_cast<char*>(std::malloc(length + 1));
        if (!copy) std::abort();
        std::memcpy(copy, utf8, length + 1);
        return copy;
    }
    const std::string text = cp932::from_utf8(utf8);
    char* copy = static_cast<char*>(std::malloc(text.size() + 1));
    if (!copy) std::abort();
    std::memcpy(copy, text.c_str(), text.size() + 1);
    return copy;
}

} // namespace

void build_table(udb* table, int columns, int rate_columns, const char* const* cells, std::size_t cell_count) {
    const int count = static_cast<int>(cell_count / static_cast<std::size_t>(columns));
    table->columns = columns;
    table->count = count;
    table->rate_columns = rate_columns;
    table->remark_column = columns - 2;
    table->rows = static_cast<char***>(checked_alloc(sizeof(char**) * count));
    for (int r = 0; r < count; ++r) {
        table->rows[r] = static_cast<char**>(checked_alloc(sizeof(char*) * columns));
        for (int c = 0; c < columns; ++c) table->rows[r][c] = heap_copy(cells[r * columns + c]);
    }
    table->order = static_cast<std::int32_t*>(checked_alloc(sizeof(std::int32_t) * count));
    for (int p = 0; p < count; ++p) table->order[p] = p;
}

} // namespace varuno::unittab
