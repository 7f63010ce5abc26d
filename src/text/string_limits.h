// Small functions on NUL-terminated byte strings. Their caps are loop limits,
// so a text that lost its terminator cannot run them away.
#pragma once

#include <cstdint>

constexpr int kStringLoopCap = 32000;
constexpr int kFindLoopCap = 255;

int StrLenLimited(const char* text);
int StrCompareLimited(const char* a, const char* b);
char* StrCopyLimited(char* destination, const char* source);
int StrFindLimited(const char* text, const char* needle);
int StrRemoveSubstring(char* text, const char* needle);
int StrIndexOf(const char* text, const char* needle);

// Length-prefixed strings: a length byte, then that many bytes (at most 255).
int CountedToText(char* destination, const unsigned char* counted, int size);
int TextToCounted(unsigned char* destination, const char* text, int size);

// UTF-16, zero-terminated.
int WideStrLen(const uint16_t* text);
void WideStrCat(uint16_t* destination, const uint16_t* source);
