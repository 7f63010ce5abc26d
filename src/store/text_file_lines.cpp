#include "store/text_file_lines.h"

#include <cstdint>
#include <cstring>

#include "store/text_fields.h"
#include "text/shift_jis_chars.h"

namespace {

constexpr const char* kSeparators = "=,";

bool IsLineEnd(char c) { return c == '\n' || c == '\r'; }

// Gathers one physical line into `kept` by the per-character rules; returns
// its length, leaves the cursor after the line's end and tells whether the
// line was whole.
size_t TakeLine(KeyValueText* text, char* kept, int* whole) {
  const char* p = text->cursor;
  const char* end = text->end;
  size_t length = 0;
  bool quoted = false;
  *whole = 1;
  while (p < end && !IsLineEnd(*p)) {
    const size_t n = static_cast<size_t>(ShiftJisCharLength(p, static_cast<size_t>(end - p), ShiftJisTrail::kValid));
    const char c = *p;
    if (n == 2 || !(c == '\t' || c == '\0' || (c == ' ' && !quoted))) {
      if (length + n > kKeyValueLineMax) {
        *whole = 0;
      } else {
        if (c == '"') quoted = !quoted;
        std::memcpy(kept + length, p, n);
        length += n;
      }
    }
    if (c == '\0') *whole = 0;
    p += n;
  }
  if (quoted) *whole = 0;
  if (p < end && *p == '\r') {
    ++p;
    if (p < end && *p == '\n') ++p;
  } else if (p < end) {
    ++p;
  }
  kept[length] = '\0';
  text->cursor = p;
  ++text->number;
  return length;
}

int CountFields(const char* kept) {
  int fields = 1;
  bool quoted = false;
  for (const char* p = kept; *p != '\0'; ++p) {
    if (IsShiftJisPairAt(p)) {
      ++p;
    } else if (*p == '"') {
      quoted = !quoted;
    } else if (!quoted && std::strchr(kSeparators, *p) != nullptr) {
      ++fields;
    }
  }
  return fields;
}

// Fields are split as every separated field of the module is (text_fields.h),
// at "=" or ",".
void SplitFields(const char* kept, KeyValueLine* line) {
  GetSeparatedField(kept, 0, line->key, sizeof line->key, kSeparators);
  GetSeparatedField(kept, 1, line->value, sizeof line->value, kSeparators);
  char field[kKeyValueLineMax + 1];
  for (int n = 0; n < kKeyValueExtraFields; ++n) {
    if (GetSeparatedField(kept, n + 2, field, sizeof field, kSeparators) == 0) break;
    CopyTextCutAnyTrail(line->extra[n], sizeof(line->extra[0]), field);
    if (std::strlen(field) > kKeyValueExtraMax) line->whole = 0;
  }
  line->fields = CountFields(kept);
}

}  // namespace

void BeginKeyValueText(KeyValueText* text, const char* bytes, uint32_t length) {
  text->cursor = bytes;
  text->end = bytes + length;
  text->number = 0;
}

int NextKeyValueLine(KeyValueText* text, KeyValueLine* line) {
  char kept[kKeyValueLineMax + 1];
  while (text->cursor < text->end) {
    int whole = 1;
    const size_t length = TakeLine(text, kept, &whole);
    if (length == 0 && whole) continue;
    if (length > 0 && kept[0] == '\'') continue;
    std::memset(line, 0, sizeof(*line));
    line->number = text->number;
    line->whole = whole;
    SplitFields(kept, line);
    return 1;
  }
  return 0;
}

const char* KeyValueField(const KeyValueLine* line, int n) {
  if (n == 0) return line->key;
  if (n == 1) return line->value;
  if (n >= 2 && n - 2 < kKeyValueExtraFields) return line->extra[n - 2];
  return "";
}

int KeyRowNumber(const char* key, const char* prefix) {
  const size_t prefixLength = std::strlen(prefix);
  if (std::strncmp(key, prefix, prefixLength) != 0) return -1;
  const char* digits = key + prefixLength;
  if (digits[0] < '0' || digits[0] > '9' || digits[1] < '0' || digits[1] > '9' || digits[2] != '\0')
    return -1;
  return (digits[0] - '0') * 10 + (digits[1] - '0');
}
