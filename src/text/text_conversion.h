// Conversions between Shift-JIS (code page 932), code page 949, UTF-8 and
// UTF-16. Each takes the source, the destination and the destination's size
// in bytes (Utf8ToUtf16: in 16-bit units), always terminates the destination
// when it has room for anything, never splits a character, and returns the
// length it wrote without the terminator.
#pragma once

#include <cstdint>

int ShiftJisToUtf8(const char* source, char* destination, int size);
int Utf8ToShiftJis(const char* source, char* destination, int size);
int Cp949ToUtf8(const char* source, char* destination, int size);

// Malformed input gives U+FFFD; a character that would leave no room for the
// terminating zero ends the conversion.
int Utf8ToUtf16(const char* source, uint16_t* destination, int units);

// Appends to the UTF-16 text already in destination.
int ShiftJisToUtf16(const char* source, uint16_t* destination, int size);
inline int CountedShiftJisToUtf16(const char* source, uint16_t* destination, int size) {
  return ShiftJisToUtf16(source, destination, size);
}
