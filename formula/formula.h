/* Formula: evaluates one arithmetic expression text and returns a double.
 *
 * Grammar of an expression, a sum (bytes; anything else, including spaces
 * and multi-byte characters, is an error):
 *   sum        := product (("+" | "-") product)*
 *   product    := signed (("*" | "/") signed)*
 *   signed     := ("-" | "+") signed | power
 *   power      := primary ["^" exponent]
 *   exponent   := ("-" | "+") exponent | power
 *   primary    := number | "pi" | function "(" sum ")" | "(" sum ")"
 *   number     := (digits ["." [digits]] | "." digits) [scale]
 *   scale      := ("e" | "E") ["+" | "-"] digits
 *   function   := sqrt exp ln log sin cos tan asin acos atan abs
 *                 (lower case; log is base 10; angles in radians)
 *
 * "^" binds tighter than "*" and "/" and than a sign in front of it, and
 * groups from the right: -2^2 = -4, 2^3^2 = 512, 2^-2 = 0.25, 2^-1^2 = 0.5.
 * Signs may also follow "*", "/", "+" and "-": 2*-3 = -6, 2--3 = 5.
 * Names are case-sensitive: "PI" and "Sqrt" are unknown names. A negative
 * number has only whole powers ((-8)^(1/3) is a domain error); 0^0 = 1.
 *
 * Arithmetic runs in long double (80-bit on x86 GCC and MinGW) and the result
 * is rounded once to double. A number standing alone, possibly signed or in
 * brackets, returns exactly the correctly rounded double of its text. A zero
 * result is returned as +0.
 *
 * After each call FormulaError is 0 on success, or one of the codes below;
 * on error the result is 0. An infinite result (「1/0」, 「1e309」) is a
 * success: the caller decides what to do with it. A result that is not a
 * number (「0/0」, 「sqrt(-1)」) is FORMULA_ERROR_DOMAIN.
 */
#ifndef VARUNO_FORMULA_FORMULA_H
#define VARUNO_FORMULA_FORMULA_H

#if defined(FORMULA_STATIC)
#define FORMULA_API
#elif defined(_WIN32)
#if defined(FORMULA_BUILD)
#define FORMULA_API __declspec(dllexport)
#else
#define FORMULA_API __declspec(dllimport)
#endif
#else
#define FORMULA_API __attribute__((visibility("default")))
#endif

/* Values of FormulaError. */
#define FORMULA_OK 0
#define FORMULA_ERROR_SYNTAX 1       /* unexpected or missing character, empty or null input */
#define FORMULA_ERROR_UNKNOWN_NAME 2 /* a name that is neither pi nor a function */
#define FORMULA_ERROR_BRACKET 3      /* an unclosed "(" or a ")" without its "(" */
#define FORMULA_ERROR_DOMAIN 4       /* a step gave a value that is not a number */
#define FORMULA_ERROR_TOO_DEEP 5     /* more than FORMULA_MAX_DEPTH pending operations */
#define FORMULA_ERROR_TOO_LONG 6     /* more than FORMULA_MAX_LENGTH bytes */

/* Open brackets, pending operators and pending minus signs (two adjacent
 * minus signs cancel) that may be outstanding at once. */
#define FORMULA_MAX_DEPTH 1000
/* Longest accepted expression in bytes, without the terminating NUL. The
 * window's input field holds up to 32,767 characters, and a conversion
 * splices them between brackets and two rates: well below this. */
#define FORMULA_MAX_LENGTH 65536

#ifdef __cplusplus
extern "C" {
#endif

FORMULA_API extern int FormulaError;

FORMULA_API double FormulaCalculateText(const char* expression);

#ifdef __cplusplus
}
#endif

#endif
