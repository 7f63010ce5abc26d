#include "store/text_file_decode.h"

#include <cstdlib>
#include <cstring>
#include <vector>

#include "win_codepage.h"

namespace {

constexpr UINT kShiftJis = 932;

bool IsLineEnd(WCHAR c) { return c == 0x000A || c == 0x000D; }

// UTF-16 units of the text after its mark; a lone last byte is a broken
// character, given as a unit that has no Shift-JIS form.
std::vector<WCHAR> Utf16Units(const unsigned char* bytes, uint32_t count, bool bigEndian) {
  std::vector<WCHAR> units;
  units.reserve(count / 2 + 1);
  for (uint32_t i = 0; i + 1 < count; i += 2)
    units.push_back(static_cast<WCHAR>(bigEndian ? bytes[i] << 8 | bytes[i + 1] : bytes[i + 1] << 8 | bytes[i]));
  if (count % 2 != 0) units.push_back(0xFFFD);
  return units;
}

std::vector<WCHAR> Utf8Units(const char* bytes, uint32_t count) {
  if (count == 0) return {};
  const int n = MultiByteToWideChar(CP_UTF8, 0, bytes, static_cast<int>(count), nullptr, 0);
  std::vector<WCHAR> units(static_cast<size_t>(n > 0 ? n : 0));
  if (n > 0) MultiByteToWideChar(CP_UTF8, 0, bytes, static_cast<int>(count), units.data(), n);
  return units;
}

// Each line is converted on its own, so that a character without a Shift-JIS
// form marks its own line only.
char* ToShiftJis(const std::vector<WCHAR>& units, uint32_t* length) {
  // At most two bytes a unit, and a NUL for a line that lost a character.
  char* out = static_cast<char*>(std::malloc(3 * units.size() + 1));
  if (out == nullptr) return nullptr;
  size_t used = 0;
  for (size_t start = 0; start < units.size();) {
    if (IsLineEnd(units[start])) {
      out[used++] = static_cast<char>(units[start++]);
      continue;
    }
    size_t end = start;
    while (end < units.size() && !IsLineEnd(units[end])) ++end;
    BOOL lost = FALSE;
    const int n = WideCharToMultiByte(kShiftJis, 0, units.data() + start, static_cast<int>(end - start),
                                      out + used, static_cast<int>(2 * (end - start)), nullptr, &lost);
    if (n <= 0) lost = TRUE;
    used += static_cast<size_t>(n > 0 ? n : 0);
    if (lost) out[used++] = '\0';
    start = end;
  }
  out[used] = '\0';
  *length = static_cast<uint32_t>(used);
  return out;
}

}  // namespace

char* DecodeTextFile(const char* bytes, uint32_t count, uint32_t* length) {
  const auto* b = reinterpret_cast<const unsigned char*>(bytes);
  if (count >= 2 && b[0] == 0xFF && b[1] == 0xFE) return ToShiftJis(Utf16Units(b + 2, count - 2, false), length);
  if (count >= 2 && b[0] == 0xFE && b[1] == 0xFF) return ToShiftJis(Utf16Units(b + 2, count - 2, true), length);
  if (count >= 3 && b[0] == 0xEF && b[1] == 0xBB && b[2] == 0xBF)
    return ToShiftJis(Utf8Units(bytes + 3, count - 3), length);
  return nullptr;
}
