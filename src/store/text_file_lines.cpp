#include "store/text_file_lines.h"

#include <cstdint>
#include <cstring>

#include "store/text_fields.h"
#include "text/shift_jis_chars.h"

namespace {

// Bytes of the character at p: 2 for a lead byte with a valid trail.
size_t CharLength(const char* p) { return static_cast<size_t>(ShiftJisCharLength(p, ShiftJisTrail::kValid)); }

// Gathers one physical line into `kept` by the per-character rules; returns
// its length and leaves *cursor after the LF.
size_t TakeLine(const char** cursor, char* kept) {
  const char* p = *cursor;
  size_t length = 0;
  bool quoted = false;
  bool full = false;
  while (*p != '\0' && *p != '\n') {
    const size_t n = CharLength(p);
    const char c = *p;
    if (!full) {
      if (n == 2) {
        if (length + 2 > kKeyValueLineMax) {
          full = true;
        } else {
          kept[length++] = p[0];
          kept[length++] = p[1];
        }
      } else if (c == '\r' || c == '\t' || (c == ' ' && !quoted)) {
        // dropped
      } else if (length + 1 > kKeyValueLineMax) {
        full = true;
      } else {
        if (c == '"') quoted = !quoted;
        kept[length++] = c;
      }
    }
    p += n;
  }
  if (*p == '\n') ++p;
  kept[length] = '\0';
  *cursor = p;
  return length;
}

// Fields are split as every separated field of the module is (text_fields.h),
// at "=" or ",".
void SplitFields(const char* kept, KeyValueLine* line) {
  std::memset(line, 0, sizeof(*line));
  constexpr const char* kSeparators = "=,";
  GetSeparatedField(kept, 0, line->key, sizeof line->key, kSeparators);
  GetSeparatedField(kept, 1, line->value, sizeof line->value, kSeparators);
  char field[kKeyValueLineMax + 1];
  for (int n = 0; n < kKeyValueExtraFields; ++n) {
    if (GetSeparatedField(kept, n + 2, field, sizeof field, kSeparators) == 0) break;
    CopyTextCutAnyTrail(line->extra[n], sizeof(line->extra[0]), field);
  }
}

}  // namespace

int NextKeyValueLine(const char** cursor, KeyValueLine* line) {
  char kept[kKeyValueLineMax + 1];
  while (**cursor != '\0') {
    const size_t length = TakeLine(cursor, kept);
    if (length == 0 || kept[0] == '\'') continue;
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
