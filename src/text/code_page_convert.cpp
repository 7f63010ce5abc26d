#include <string>
#include <vector>

#include "text/byte_classes.h"
#include "text/string_limits.h"
#include "text/text_conversion.h"
#include "win_api.h"

namespace {

constexpr UINT kShiftJis = 932;
constexpr UINT kKorean = 949;

// The whole text of source in code page `to`; empty when the system refuses it.
std::string ThroughUtf16(UINT from, UINT to, const char* source) {
  if (source == nullptr) return {};
  const int n = StrLenLimited(source);
  // (n + 1) x 3 bytes hold the longest UTF-16 form of n bytes.
  std::vector<WCHAR> wide(static_cast<size_t>(n + 1) * 3 / sizeof(WCHAR) + 1, 0);
  const int units = MultiByteToWideChar(from, 0, source, n, wide.data(), static_cast<int>(wide.size()) - 1);
  if (units <= 0) return {};
  const int bytes = WideCharToMultiByte(to, 0, wide.data(), units, nullptr, 0, nullptr, nullptr);
  if (bytes <= 0) return {};
  std::string out(static_cast<size_t>(bytes), '\0');
  if (WideCharToMultiByte(to, 0, wide.data(), units, out.data(), bytes, nullptr, nullptr) != bytes) return {};
  return out;
}

int Utf8FitLength(const char* text, int limit) {
  int n = 0;
  while (n < limit && text[n] != '\0') {
    const int width = Utf8CharLength(text + n);
    if (n + width > limit) break;
    n += width;
  }
  return n;
}

int CopyWhole(const std::string& text, UINT codePage, char* destination, int size) {
  if (destination == nullptr || size <= 0) return 0;
  const int limit = size - 1;
  const int n =
      codePage == kShiftJis ? ShiftJisFitLength(text.c_str(), limit) : Utf8FitLength(text.c_str(), limit);
  text.copy(destination, static_cast<size_t>(n));
  destination[n] = '\0';
  return n;
}

}  // namespace

int ShiftJisToUtf8(const char* source, char* destination, int size) {
  return CopyWhole(ThroughUtf16(kShiftJis, CP_UTF8, source), CP_UTF8, destination, size);
}

int Utf8ToShiftJis(const char* source, char* destination, int size) {
  return CopyWhole(ThroughUtf16(CP_UTF8, kShiftJis, source), kShiftJis, destination, size);
}

int Cp949ToUtf8(const char* source, char* destination, int size) {
  return CopyWhole(ThroughUtf16(kKorean, CP_UTF8, source), CP_UTF8, destination, size);
}

int ShiftJisToUtf16(const char* source, uint16_t* destination, int size) {
  const int units = size / static_cast<int>(sizeof(uint16_t));
  if (destination == nullptr || units <= 0) return 0;
  int length = 0;
  while (length < units && destination[length] != 0) ++length;
  if (length == units) return 0;  // no terminator to append at
  const std::string utf8 = ThroughUtf16(kShiftJis, CP_UTF8, source);
  return Utf8ToUtf16(utf8.c_str(), destination + length, units - length);
}
