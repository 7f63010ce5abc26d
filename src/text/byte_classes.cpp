#include "text/byte_classes.h"

#include <array>

namespace {

constexpr std::array<unsigned char, 256> MakeTrailingTable() {
  std::array<unsigned char, 256> table{};
  for (int b = 0xC0; b < 0x100; ++b) table[b] = b < 0xE0 ? 1 : b < 0xF0 ? 2 : b < 0xF8 ? 3 : b < 0xFC ? 4 : 5;
  return table;
}

constexpr std::array<unsigned char, 256> kTrailingBytes = MakeTrailingTable();

}  // namespace

int IsShiftJisLeadByte(unsigned char byte) {
  return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC) ? 1 : 0;
}

int Utf8TrailingBytes(unsigned char byte) { return kTrailingBytes[byte]; }

int Utf8CharLength(const char* text) {
  const int trailing = Utf8TrailingBytes(static_cast<unsigned char>(text[0]));
  int n = 1;
  while (n <= trailing && text[n] != '\0') ++n;
  return n;
}

int ShiftJisFitLength(const char* text, int limit) {
  int n = 0;
  while (n < limit && text[n] != '\0') {
    const int width = IsShiftJisLeadByte(static_cast<unsigned char>(text[n])) && text[n + 1] != '\0' ? 2 : 1;
    if (n + width > limit) break;
    n += width;
  }
  return n;
}
