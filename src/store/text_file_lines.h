// The line and field rules of the key = value files (preferences, presets,
// size tables): lines end at LF, CR and TAB are dropped, blanks outside double
// quotes are dropped, fields are split at "=" or "," outside quotes; inside
// quotes a doubled double quote stands for one.
#pragma once

#include <cstddef>

constexpr int kKeyValueLineMax = 256;
constexpr int kKeyValueExtraFields = 8;  // fields 2 to 9
constexpr int kKeyValueExtraMax = 31;

struct KeyValueLine {
  char key[kKeyValueLineMax + 1];
  char value[kKeyValueLineMax + 1];
  char extra[kKeyValueExtraFields][kKeyValueExtraMax + 1];  // empty when absent
};

// Takes the next line that is not empty and not a comment ("'") from the text
// at *cursor and splits it; advances *cursor. 0 when the text is used up.
int NextKeyValueLine(const char** cursor, KeyValueLine* line);

// Field n of a line (0 key, 1 value, 2..9 extra); "" past the end.
const char* KeyValueField(const KeyValueLine* line, int n);

// The row number NN of a key made of the prefix and exactly two digits,
// or -1 when the key has another form.
int KeyRowNumber(const char* key, const char* prefix);
