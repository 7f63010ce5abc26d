#include "text/shift_jis_chars.h"

#include <cstring>

namespace {

// Bytes of text before its NUL, reading at most `cap` of them.
size_t BoundedLength(const char* text, size_t cap) {
  size_t n = 0;
  while (n < cap && text[n] != '\0') ++n;
  return n;
}

}  // namespace

int IsShiftJisLeadByte(unsigned char byte) {
  return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC) ? 1 : 0;
}

int IsShiftJisTrailByte(unsigned char byte) { return byte >= 0x40 && byte <= 0xFC && byte != 0x7F ? 1 : 0; }

int ShiftJisCharLength(const char* text, size_t length, ShiftJisTrail trail) {
  if (length < 2 || !IsShiftJisLeadByte(static_cast<unsigned char>(text[0]))) return 1;
  return trail == ShiftJisTrail::kAny || IsShiftJisTrailByte(static_cast<unsigned char>(text[1])) ? 2 : 1;
}

int ShiftJisCharLength(const char* text, ShiftJisTrail trail) {
  return ShiftJisCharLength(text, text[0] != '\0' && text[1] != '\0' ? 2 : 1, trail);
}

int IsShiftJisPairAt(const char* text) {
  return ShiftJisCharLength(text, ShiftJisTrail::kValid) == 2 ? 1 : 0;
}

size_t ShiftJisFitSpan(const char* text, size_t length, size_t limit, ShiftJisTrail trail) {
  size_t n = 0;
  while (n < length) {
    const size_t width = static_cast<size_t>(ShiftJisCharLength(text + n, length - n, trail));
    if (n + width > limit) break;
    n += width;
  }
  return n;
}

int ShiftJisFitLength(const char* text, int limit) {
  if (limit <= 0) return 0;
  const size_t cap = static_cast<size_t>(limit);
  // One byte past the limit tells whether a lead byte at its edge has a trail.
  return static_cast<int>(ShiftJisFitSpan(text, BoundedLength(text, cap + 1), cap, ShiftJisTrail::kAny));
}

size_t CopyWholeCharacters(char* destination, size_t size, const char* source, size_t length,
                           ShiftJisTrail trail) {
  if (size == 0) return 0;
  const size_t span = BoundedLength(source, length < size ? length : size);
  const size_t n = ShiftJisFitSpan(source, span, size - 1, trail);
  std::memmove(destination, source, n);
  destination[n] = '\0';
  return n;
}

size_t CopyTextCutValidTrail(char* destination, size_t size, const char* source, size_t length) {
  return CopyWholeCharacters(destination, size, source, length, ShiftJisTrail::kValid);
}

size_t CopyTextCutAnyTrail(char* destination, size_t size, const char* source, size_t length) {
  return CopyWholeCharacters(destination, size, source, length, ShiftJisTrail::kAny);
}

size_t ShiftJisLastCharStart(const char* text, size_t length) {
  size_t start = 0;
  for (size_t i = 0; i < length;
       i += static_cast<size_t>(ShiftJisCharLength(text + i, length - i, ShiftJisTrail::kAny)))
    start = i;
  return start;
}

int ShiftJisByteClass(const char* text, int32_t index) {
  if (text == nullptr || index < 0) return 0;
  int32_t i = 0;
  while (i < index) {
    if (text[i] == '\0') return 0;
    if (IsShiftJisLeadByte(static_cast<unsigned char>(text[i]))) {
      if (i + 1 == index) return 2;
      i += 2;
    } else {
      ++i;
    }
  }
  return i == index && IsShiftJisLeadByte(static_cast<unsigned char>(text[i])) ? 1 : 0;
}
