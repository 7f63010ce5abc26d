// The one way the module reads a number written as text (tags, files, dialog
// fields, variable values and the operands of expressions): the decimal number
// at the start of the text. Blanks before it are skipped; then an optional
// sign, digits with an optional point and fraction (".5" counts), and an
// optional exponent. Reading stops at the first byte that does not fit, so
// "12mm" is 12 and "0x10" is 0. A text that does not start with such a number
// ("inf", "nan", "abc", "") is no number, and neither is one whose value lies
// beyond the range of a double.
#pragma once

#include <cstdint>

// 1 with the value when the text starts with a number, else 0 (value untouched).
int ReadLeadingNumber(const char* text, double* value);
// The same, for a text that holds a number and nothing after it.
int ReadWholeNumber(const char* text, double* value);

// The leading number, or 0 when there is none.
double TextToReal(const char* text);

// The leading number without its fraction; 0 when there is none or when it
// lies outside 32 bits. Unsigned fields (group ids, serials) travel as "%d" of
// their bits, so values up to 4294967295 are taken as those bits.
int32_t TextToInteger(const char* text);

// The same for a 16-bit field: 0 outside its range.
int16_t TextToShort(const char* text);
