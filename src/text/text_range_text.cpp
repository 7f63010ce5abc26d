#include "text/text_range_text.h"

#include <vector>

#include "common/suite_pointers.h"
#include "text/text_conversion.h"

HostErr SetTextRangeFromShiftJis(TextRangeHandle range, const char* text) {
  if (sATETextRange == nullptr) return kSuiteNotFoundErr;
  if (range == nullptr || text == nullptr) return kBadParameterErr;
  const int bytes = (StrLenLimited(text) + 1) * 3;
  std::vector<uint16_t> wide(static_cast<size_t>(bytes) / sizeof(uint16_t), 0);
  const int units = ShiftJisToUtf16(text, wide.data(), bytes);
  return sATETextRange->InsertAfterUtf16(range, wide.data(), units);
}
