// The line and field rules of the key = value files (preferences, presets,
// size tables): a line ends at LF, CR or CR LF, whichever the editor that saved
// the file writes; TAB is dropped, blanks outside double quotes are dropped,
// fields are split at "=" or "," outside quotes; inside quotes a doubled
// double quote stands for one.
#pragma once

#include <cstddef>
#include <cstdint>

constexpr int kKeyValueLineMax = 256;
constexpr int kKeyValueExtraFields = 8;  // fields 2 to 9
constexpr int kKeyValueExtraMax = 31;

struct KeyValueLine {
  int number;  // of the line in the file, from 1
  int fields;  // in the line, the key's included
  // 0 when the line cannot have been read as it was meant: it held a NUL byte,
  // left a double quote open, was longer than a line may be or had a field
  // longer than its room.
  int whole;
  char key[kKeyValueLineMax + 1];
  char value[kKeyValueLineMax + 1];
  char extra[kKeyValueExtraFields][kKeyValueExtraMax + 1];  // empty when absent
};

// The text of a file being read line by line.
struct KeyValueText {
  const char* cursor;
  const char* end;
  int number;  // of the last line taken
};
void BeginKeyValueText(KeyValueText* text, const char* bytes, uint32_t length);

// Takes the next line that is not empty and not a comment ("'") and splits
// it. 0 when the text is used up.
int NextKeyValueLine(KeyValueText* text, KeyValueLine* line);

// Field n of a line (0 key, 1 value, 2..9 extra); "" past the end.
const char* KeyValueField(const KeyValueLine* line, int n);

// The row number NN of a key made of the prefix and exactly two digits,
// or -1 when the key has another form.
int KeyRowNumber(const char* key, const char* prefix);
