#include <cstdint>

#include "text/byte_classes.h"
#include "text/text_conversion.h"

namespace {

constexpr uint32_t kReplacement = 0xFFFD;
constexpr uint32_t kOffsetsFromUtf8[6] = {0x00000000u, 0x00003080u, 0x000E2080u,
                                          0x03C82080u, 0xFA082080u, 0x82082080u};
constexpr uint32_t kShortestOfLength[4] = {0, 0x80, 0x800, 0x10000};

bool IsContinuation(unsigned char b) { return b >= 0x80 && b <= 0xBF; }

// Decodes one character at s (not at its NUL); *used receives the bytes taken.
uint32_t DecodeOne(const unsigned char* s, int* used) {
  const unsigned char lead = s[0];
  *used = 1;
  if (lead < 0x80) return lead;
  if (IsContinuation(lead)) return kReplacement;
  const int trailing = Utf8TrailingBytes(lead);
  int k = 1;
  while (k <= trailing && IsContinuation(s[k])) ++k;
  *used = k;
  if (k <= trailing) return kReplacement;  // cut short: by the end of the text or by another lead

  uint32_t ch = 0;
  for (int i = 0; i <= trailing; ++i) ch = (ch << 6) + s[i];
  ch -= kOffsetsFromUtf8[trailing];
  // Overlong forms, and the old five- and six-byte forms (which would even give
  // a NUL inside the text), are malformed.
  if (trailing >= 4 || ch < kShortestOfLength[trailing]) return kReplacement;
  if (ch >= 0xD800 && ch <= 0xDFFF) return kReplacement;
  if (ch > 0x10FFFF) return kReplacement;
  return ch;
}

}  // namespace

int Utf8ToUtf16(const char* source, uint16_t* destination, int units) {
  if (destination == nullptr || units <= 0) return 0;
  const unsigned char* s = reinterpret_cast<const unsigned char*>(source != nullptr ? source : "");
  int out = 0;
  while (*s != 0) {
    int used = 0;
    uint32_t ch = DecodeOne(s, &used);
    const int need = ch > 0xFFFF ? 2 : 1;
    if (out + need >= units) break;
    if (need == 2) {
      ch -= 0x10000;
      destination[out++] = static_cast<uint16_t>(0xD800 + (ch >> 10));
      destination[out++] = static_cast<uint16_t>(0xDC00 + (ch & 0x3FF));
    } else {
      destination[out++] = static_cast<uint16_t>(ch);
    }
    s += used;
  }
  destination[out] = 0;
  return out;
}
