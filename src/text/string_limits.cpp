#include "text/string_limits.h"

int StrLenLimited(const char* text) {
  if (text == nullptr) return 0;
  int n = 0;
  while (n < kStringLoopCap && text[n] != '\0') ++n;
  return n;
}

int StrCompareLimited(const char* a, const char* b) {
  for (int i = 0; i < kStringLoopCap; ++i) {
    const signed char ca = static_cast<signed char>(a[i]);
    const signed char cb = static_cast<signed char>(b[i]);
    // The end of either text decides before the signed bytes do, so a prefix
    // sorts first even against bytes above 0x7F.
    if (ca == 0 || cb == 0) return ca == cb ? 0 : (ca == 0 ? -1 : 1);
    if (ca != cb) return ca < cb ? -1 : 1;
  }
  return 0;
}

char* StrCopyLimited(char* destination, const char* source) {
  int i = 0;
  // The last position is kept for the terminator.
  for (; i < kStringLoopCap - 1 && source[i] != '\0'; ++i) destination[i] = source[i];
  destination[i] = '\0';
  return destination;
}

int StrFindLimited(const char* text, const char* needle) {
  if (text == nullptr || needle == nullptr) return -1;
  for (int start = 0; start < kFindLoopCap; ++start) {
    int k = 0;
    // A text byte of 0 never equals a needle byte here, so no read passes the text's end.
    while (k < kFindLoopCap && needle[k] != '\0' && text[start + k] == needle[k]) ++k;
    if (k == kFindLoopCap || needle[k] == '\0') return start;
    if (text[start] == '\0') break;
  }
  return -1;
}

int StrIndexOf(const char* text, const char* needle) {
  if (text == nullptr || needle == nullptr) return -1;
  const int textLength = StrLenLimited(text);
  const int needleLength = StrLenLimited(needle);
  for (int start = 0; start + needleLength <= textLength; ++start) {
    int k = 0;
    while (k < needleLength && text[start + k] == needle[k]) ++k;
    if (k == needleLength) return start;
  }
  return -1;
}

int StrRemoveSubstring(char* text, const char* needle) {
  const int at = StrIndexOf(text, needle);
  if (at < 0) return -1;
  const int textLength = StrLenLimited(text);
  const int needleLength = StrLenLimited(needle);
  for (int i = at; i + needleLength <= textLength; ++i) text[i] = text[i + needleLength];
  return textLength - needleLength;
}

int CountedToText(char* destination, const unsigned char* counted, int size) {
  if (size <= 0) return 0;
  int n = counted[0];
  if (n > size - 1) n = size - 1;
  for (int i = 0; i < n; ++i) destination[i] = static_cast<char>(counted[1 + i]);
  destination[n] = '\0';
  return n;
}

int TextToCounted(unsigned char* destination, const char* text, int size) {
  if (size <= 0) return 0;
  int limit = size - 1;
  if (limit > 255) limit = 255;
  int n = 0;
  for (; n < limit && text[n] != '\0'; ++n) destination[1 + n] = static_cast<unsigned char>(text[n]);
  destination[0] = static_cast<unsigned char>(n);
  return n;
}

int WideStrLen(const uint16_t* text) {
  int n = 0;
  while (text[n] != 0) ++n;
  return n;
}

void WideStrCat(uint16_t* destination, const uint16_t* source) {
  uint16_t* end = destination + WideStrLen(destination);
  int i = 0;
  do {
    end[i] = source[i];
  } while (source[i++] != 0);
}
