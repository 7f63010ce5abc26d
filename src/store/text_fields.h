// Fixed-size Shift-JIS text fields: copying with a cut at a whole character,
// numbers read from the leading part of a text, separated fields.
#pragma once

#include <cstddef>
#include <cstdint>

// Field buffer of GetCsvField: 259 bytes and a NUL.
constexpr int kCsvFieldSize = 260;

// 1 when `text[0]` and `text[1]` form one double-byte Shift-JIS character.
int IsShiftJisPairAt(const char* text);

// Copies at most `size` - 1 bytes of `source` (stopping at its NUL, or after
// `length` bytes when given) into `destination` and ends it with a NUL; a
// double-byte character that does not fit is left out whole. Returns the
// number of bytes copied.
size_t CopyTextCut(char* destination, size_t size, const char* source, size_t length = SIZE_MAX);

// Leading number of a text, as decimal conversion reads it; a text that does
// not start with a number, or a number out of range, reads as 0.
int32_t TextToInteger(const char* text);
double TextToReal(const char* text);

// Copies field `index` (from 0) of `text` into `out` (`outSize` bytes, cut at a
// whole character). Fields end at any byte of `separators` outside double
// quotes; a double quote toggles quoting and is dropped, and inside quotes a
// doubled double quote stands for one. Returns 1, or 0 with `out` empty when
// the text ends before that field.
int GetSeparatedField(const char* text, int index, char* out, size_t outSize, const char* separators);

// Comma-separated field into a buffer of kCsvFieldSize bytes.
int GetCsvField(const char* text, int index, char* out);

// Appends `text` to `out` inside double quotes, doubling every double quote so
// that GetSeparatedField gives the text back whole.
void AppendQuotedField(char* out, size_t outSize, const char* text);
