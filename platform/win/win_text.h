// Shift-JIS text rules the stand-in system keeps wherever it cuts or copies text.
#pragma once

#include <cstddef>
#include <cstring>

inline bool IsCp932Lead(unsigned char b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }

// The longest prefix of whole characters of `text` (length bytes) within `limit` bytes.
inline size_t WholeCharsWithin(const char* text, size_t length, size_t limit) {
  size_t n = 0;
  while (n < length) {
    const size_t step = IsCp932Lead(static_cast<unsigned char>(text[n])) && n + 1 < length ? 2 : 1;
    if (n + step > limit) break;
    n += step;
  }
  return n;
}

// Copies into a field of `size` bytes with its NUL; returns the bytes copied.
inline size_t CopyWholeChars(const char* text, size_t length, char* field, size_t size) {
  if (field == nullptr || size == 0) return 0;
  const size_t n = WholeCharsWithin(text, length, size - 1);
  std::memcpy(field, text, n);
  field[n] = 0;
  return n;
}
