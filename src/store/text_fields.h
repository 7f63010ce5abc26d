// Fixed-size Shift-JIS text fields (copied with CopyTextCutValidTrail):
// numbers read from the leading part of a text, separated fields.
#pragma once

#include <cstddef>
#include <cstdint>

#include "text/number_text.h"
#include "text/shift_jis_chars.h"

// A real as the preference and preset lines write it: in single precision
// when a float holds it, else as it is (never "inf"), and 0 for no number.
double StoredSinglePrecision(double value);

// "nan", which a writer gives for no number: the key = value files pass such a
// number over and leave its field as it was, which is no damage.
bool IsNanField(const char* text);

// Field buffer of GetCsvField: 259 bytes and a NUL.
constexpr int kCsvFieldSize = 260;

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
