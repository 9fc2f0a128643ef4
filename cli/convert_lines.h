// The batch form of `varunoc convert`: one expression a line in, one result
// line out, at the speed of the engine rather than of process starts.
#pragma once
#include <cstdio>

#include "convert/engine.h"

namespace varuno {

// What a run over a stream did.
struct LinesConverted {
    long lines = 0;     // lines read (and written)
    long failed = 0;    // lines that show the error mark
    bool io_ok = true;  // false when reading or writing failed
};

// Reads UTF-8 lines from `in` (LF or CRLF; the last may lack its end) and
// writes for each, in order, "output TAB zoom" in UTF-8 to `out`: the texts
// `varunoc convert` prints for that expression on its two lines. A line that
// does not convert, an empty one too, shows the error mark and the run goes
// on. Reads and writes in large blocks and allocates nothing per line once
// its buffers have grown, so that memory stays flat over any length of input.
LinesConverted convert_lines(UnitPair& units, std::FILE* in, std::FILE* out);

}  // namespace varuno
