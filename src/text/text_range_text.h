// Placing Shift-JIS text into a host text range.
#pragma once

#include <cstdint>

#include "host_types.h"
#include "text/string_limits.h"

HostErr SetTextRangeFromShiftJis(TextRangeHandle range, const char* text);

inline HostErr SetTextRangeFromCounted(TextRangeHandle range, const char* text) {
  return SetTextRangeFromShiftJis(range, text);
}
inline void ReplaceTextRangeText(uint16_t* destination, const uint16_t* source) {
  WideStrCat(destination, source);
}
