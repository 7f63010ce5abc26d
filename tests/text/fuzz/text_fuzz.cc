// libFuzzer target: arbitrary bytes through every conversion and the
// multi-byte search. Kept out of the unit tests (.cc, not globbed).
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <vector>

#include "text/byte_classes.h"
#include "text/mbcs_search.h"
#include "text/string_limits.h"
#include "text/text_conversion.h"

namespace {

// Exactly sized heap copies, so that any read past the end is caught.
std::vector<char> Terminated(const uint8_t* data, size_t size) {
  std::vector<char> text(data, data + size);
  text.push_back('\0');
  return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  // The first byte picks the destination sizes; the rest splits into text and needle.
  const int room = 1 + data[0] % 64;
  const size_t split = size > 2 ? 1 + data[1] % (size - 1) : size;
  std::vector<char> text = Terminated(data + 1, split - 1);
  std::vector<char> needle = Terminated(data + split, size - split);

  std::vector<char> narrow(static_cast<size_t>(room));
  ShiftJisToUtf8(text.data(), narrow.data(), room);
  Utf8ToShiftJis(text.data(), narrow.data(), room);
  if (ShiftJisFitLength(narrow.data(), room) != StrLenLimited(narrow.data())) __builtin_trap();
  Cp949ToUtf8(text.data(), narrow.data(), room);

  std::vector<uint16_t> wide(static_cast<size_t>(room));
  Utf8ToUtf16(text.data(), wide.data(), room);
  wide[0] = 0;
  ShiftJisToUtf16(text.data(), wide.data(), room * 2);
  ShiftJisToUtf16(needle.data(), wide.data(), room * 2);

  FindSubstringMbcs(text.data(), needle.data(), data[0] & 1);
  char value[kKeyValueMaxBytes + 1];
  ReadKeyValueFromText(text.data(), needle.data(), value, data[0] & 2);
  return 0;
}
