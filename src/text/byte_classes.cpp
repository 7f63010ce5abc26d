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

int Utf8TrailingBytes(unsigned char byte) { return kTrailingBytes[byte]; }

int Utf8CharLength(const char* text) {
  const int trailing = Utf8TrailingBytes(static_cast<unsigned char>(text[0]));
  int n = 1;
  while (n <= trailing && text[n] != '\0') ++n;
  return n;
}
