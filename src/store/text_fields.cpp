#include "store/text_fields.h"

#include <cmath>
#include <cstring>

#include "geometry/numeric.h"

namespace {

// strchr(separators, c) for a byte that is not the NUL.
bool IsSeparator(const char* separators, char c) {
  for (const char* s = separators; *s != '\0'; ++s)
    if (*s == c) return true;
  return false;
}

}  // namespace

int GetSeparatedField(const char* text, int index, char* out, size_t outSize, const char* separators) {
  if (outSize > 0) out[0] = '\0';
  if (text == nullptr || index < 0) return 0;
  int field = 0;
  bool quoted = false;
  const char* p = text;
  // Find the start of the field.
  while (field < index) {
    if (*p == '\0') return 0;
    if (IsShiftJisPairAt(p)) {
      p += 2;
      continue;
    }
    if (*p == '"') {
      quoted = !quoted;
    } else if (!quoted && IsSeparator(separators, *p)) {
      ++field;
    }
    ++p;
  }
  size_t n = 0;
  bool full = false;
  while (*p != '\0') {
    size_t step = 1;
    char ch = *p;
    if (IsShiftJisPairAt(p)) {
      step = 2;
    } else if (ch == '"') {
      if (quoted && p[1] == '"') {
        p += 2;
        if (!full && n + 1 < outSize) {
          out[n++] = '"';
        } else {
          full = true;
        }
        continue;
      }
      quoted = !quoted;
      ++p;
      continue;
    } else if (!quoted && IsSeparator(separators, ch)) {
      break;
    }
    if (!full && n + step < outSize) {
      memcpy(out + n, p, step);
      n += step;
    } else {
      full = true;
    }
    p += step;
  }
  if (outSize > 0) out[n] = '\0';
  return 1;
}

int GetCsvField(const char* text, int index, char* out) {
  return GetSeparatedField(text, index, out, kCsvFieldSize, ",");
}

void AppendQuotedField(char* out, size_t outSize, const char* text) {
  size_t n = strlen(out);
  // Room is kept for the closing quote and the NUL.
  auto fits = [&](size_t bytes) { return n + bytes + 2 <= outSize; };
  if (!fits(1)) return;
  out[n++] = '"';
  for (const char* p = text; *p != '\0'; ++p) {
    if (IsShiftJisPairAt(p)) {
      if (!fits(2)) break;
      out[n++] = p[0];
      out[n++] = p[1];
      ++p;
    } else if (*p == '"') {
      if (!fits(2)) break;
      out[n++] = '"';
      out[n++] = '"';
    } else {
      if (!fits(1)) break;
      out[n++] = *p;
    }
  }
  out[n++] = '"';
  out[n] = '\0';
}

double StoredSinglePrecision(double value) {
  if (!std::isfinite(value)) return 0;
  const double single = SinglePrecision(value);
  return std::isfinite(single) ? single : value;
}

bool IsNanField(const char* text) { return std::strcmp(text, "nan") == 0; }
