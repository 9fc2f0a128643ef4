// strkit: character-based operations on code page 932 text.
//
// Every position, length and count is measured in characters, 1-based: an
// ASCII character, a half-width katakana and a double-byte character each
// count as one, and no result ever splits a double-byte character.
//
// Characters. Each text argument is taken apart with the CP932 character
// rules of platform/cp932.h into a sequence of 16-bit character codes (the
// byte, or lead * 256 + trail); results are put together from those codes
// again. The view is lossless, so text that is not valid CP932 passes through
// unchanged: a lead byte without a trail byte (last in the text, or followed
// by a byte that cannot trail) is one character of its own, and a lead/trail
// pair that the code page leaves undefined is one character. Nothing is ever
// read past a text's terminating zero. A null text reads as the empty text.
//
// Results. Nine operations (strrep, strrrep, strrepall, strrepallex, strleft,
// strright, strmid, strmidlr, strspl2) return a text that the library keeps
// in a slot of that operation: it stays valid until the next call of the
// same operation, whatever other operations are called meanwhile, and the
// caller never releases it. A call may be given the previous result of its
// own operation as an argument. Some outcomes give the empty result instead:
// one constant empty text shared by all operations, never to be written to.
//
// Caller-owned results. strtok and strspl hand over a new segment array and
// strtok2 a new text; release them with strfreearray and strfree. A segment
// array holds N + 1 entries: entry 0 is N written in decimal digits ("3"),
// entries 1 to N are the segments in text order. It has no null terminator.
//
// Search starts. The search and replacement operations take `start`, the
// character at which the scan begins: counted from the left, or from the
// right end for strrstr and strrrep. A start below 1 is taken as 1; a start
// beyond the text's length gives -1 from the searches and the empty result
// from the replacements (so does every empty text).
//
// The library is not re-entrant: slots and iterator states are shared by all
// callers of the process.
#pragma once

#if defined(_WIN32)
#if defined(STRKIT_BUILD)
#define STRKIT_API __declspec(dllexport)
#else
#define STRKIT_API __declspec(dllimport)
#endif
#else
#define STRKIT_API __attribute__((visibility("default")))
#endif

namespace strkit {

// Position of the first occurrence of `pattern` that begins at or after
// `start`; 0 when there is none, -1 when `start` exceeds the length. An empty
// pattern matches at `start`.
STRKIT_API int strstr(int start, const char* text, const char* pattern);

// The last occurrence of `pattern` lying wholly inside `text` without its
// last `start` - 1 characters; the position of its first character, counted
// from the left when `fromLeft`, else from the right end (1 = last). 0 when
// there is none, -1 when `start` exceeds the length. An empty pattern
// matches at the character where the scan begins.
STRKIT_API int strrstr(int start, const char* text, const char* pattern, bool fromLeft);

// Number of occurrences of `pattern` beginning at or after `start`,
// overlapping ones included ("aaaa" holds three "aa"); -1 when `start`
// exceeds the length. An empty pattern counts every position from `start`.
STRKIT_API int strstrall(int start, const char* text, const char* pattern);

// `text` with the first occurrence of `search` at or after `start` replaced.
// No occurrence: an unchanged copy. The empty result when `start` exceeds
// the length, or `text` or `search` is empty.
STRKIT_API char* strrep(int start, const char* text, const char* search, const char* replacement);

// strrep from the right: replaces the occurrence that strrstr finds for the
// same `start`. Same unchanged-copy and empty-result rules.
STRKIT_API char* strrrep(int start, const char* text, const char* search, const char* replacement);

// Replaces every non-overlapping occurrence at or after `start`, left to
// right; inserted text is never searched again. Rules as strrep.
STRKIT_API char* strrepall(int start, const char* text, const char* search, const char* replacement);

// Applies up to five pairs in order, each like strrepall on what the pairs
// before it left; the first pair scans from `start`, the others from the
// first character. The first pair with an empty search text ends the list.
// The empty result when `start` exceeds the length or `text` is empty.
STRKIT_API char* strrepallex(int start, const char* text, const char* search1, const char* replacement1,
                             const char* search2, const char* replacement2, const char* search3,
                             const char* replacement3, const char* search4, const char* replacement4,
                             const char* search5, const char* replacement5);

// Splits `text` into the runs between delimiter characters (any character
// of `delimiters`, double-byte ones included); no empty tokens. Stores a new
// segment array in `tokens` and returns the number of tokens.
STRKIT_API int strtok(const char* text, const char* delimiters, char**& tokens);

// Splits `text` at every non-overlapping occurrence of the string
// `separator`, dropping empty segments. An empty separator, or one that does
// not occur, gives the whole text as the only segment (even the empty text).
STRKIT_API int strspl(const char* text, const char* separator, char**& segments);

// Token iterator with strtok's rules: a non-null `text` starts over on a
// private copy, null continues. Returns the next token as a new text owned
// by the caller, and uses up the delimiter that ends it (as C's strtok), so
// the next call, whatever its delimiters, starts behind that one. Null when
// no tokens are left, before any text was given, or when `delimiters` is
// null (a new text has started over all the same; without one the iterator
// is left as it was).
STRKIT_API char* strtok2(const char* text, const char* delimiters);

// Segment iterator: a non-null `text` starts over on a private copy, null
// continues. Returns the text up to the next occurrence of `separator` and
// moves past it; empty segments are returned. Once the separator no longer
// occurs (or is empty) every call returns the rest of the text, never null.
// Continuing before any text was given gives the empty result.
STRKIT_API char* strspl2(const char* text, const char* separator);

// `text` from its `n`-th character to the end (n 0 or 1: all of it); the
// empty result when n is negative or exceeds the length.
STRKIT_API char* strleft(const char* text, int n);

// `text` up to its `n`-th character counted from the right end (n 0 or 1:
// all of it); the empty result when n is negative or exceeds the length.
STRKIT_API char* strright(const char* text, int n);

// `count` characters from `pos` (0 is taken as 1), cut to what remains; the
// empty result when pos is negative or exceeds the length, or count < 1.
STRKIT_API char* strmid(const char* text, int pos, int count);

// From the `left`-th character counted from the left to the `right`-th
// counted from the right, both included (0 is taken as 1); the empty result
// when either is negative or no character lies between them.
STRKIT_API char* strmidlr(const char* text, int left, int right);

// Stable insertion sort of the first `count` values, ascending or
// descending, as signed integers. A count below 1 does nothing.
STRKIT_API void splsort(int* values, int count, bool ascending);

// Releases a text handed over by strtok2 (null is accepted).
STRKIT_API void strfree(char* text);

// Releases a segment array of strtok or strspl with all its texts (null is
// accepted).
STRKIT_API void strfreearray(char** segments);

}  // namespace strkit
