// Whole Shift-JIS characters: a lead byte and its trail byte are never parted.
#pragma once

#include <cstddef>
#include <cstdint>

int IsShiftJisLeadByte(unsigned char byte);

// The bytes that can follow a lead byte: 0x40 to 0xFC but 0x7F.
int IsShiftJisTrailByte(unsigned char byte);

// What completes a lead byte. Separated fields take only a valid trail byte, so
// that a damaged text never swallows its separator; the script, file names and
// code page conversion take whatever byte comes next.
enum class ShiftJisTrail { kValid, kAny };

// Bytes (1 or 2) of the character at text[0] within the first `length` bytes of text (length >= 1).
int ShiftJisCharLength(const char* text, size_t length, ShiftJisTrail trail);

// The same in a NUL-terminated text: a lead byte before the NUL stands alone.
int ShiftJisCharLength(const char* text, ShiftJisTrail trail);

// 1 when text[0] and text[1] form one double-byte character (a valid trail byte).
int IsShiftJisPairAt(const char* text);

// Bytes of the longest run of whole characters at the start of text[0..length)
// that fits in `limit` bytes. A NUL inside the run is one more byte.
size_t ShiftJisFitSpan(const char* text, size_t length, size_t limit, ShiftJisTrail trail);

// Whole characters of a NUL-terminated text that fit in limit bytes (any trail).
int ShiftJisFitLength(const char* text, int limit);

// Copies the whole characters of `source` (up to its NUL, or `length` bytes)
// that fit in `size` - 1 bytes into `destination` and ends it with a NUL; the
// two may overlap. Returns the bytes copied.
size_t CopyWholeCharacters(char* destination, size_t size, const char* source, size_t length,
                           ShiftJisTrail trail);

// CopyWholeCharacters where a lead byte takes only a valid trail byte (a lead
// byte before any other stands alone and may be the last byte copied).
size_t CopyTextCutValidTrail(char* destination, size_t size, const char* source, size_t length = SIZE_MAX);
// CopyWholeCharacters where a lead byte takes whatever byte follows it.
size_t CopyTextCutAnyTrail(char* destination, size_t size, const char* source, size_t length = SIZE_MAX);

// Where the last character of text[0..length) begins, by a scan from the start
// (a lead byte takes whatever byte follows it); 0 when length is 0.
size_t ShiftJisLastCharStart(const char* text, size_t length);

// Class of the byte at `index` by a scan from the start: 1 a lead byte, 2 the
// byte after a lead byte, 0 any other.
int ShiftJisByteClass(const char* text, int32_t index);
