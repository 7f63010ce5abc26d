// Searching multi-byte text character by character.
#pragma once

constexpr int kKeyValueMaxBytes = 511;

// Offset of the first occurrence of needle in text, or -1. With fold set,
// ASCII letters match either case.
int FindSubstringMbcs(const char* text, const char* needle, int fold);

// Reads the value of " key=" (or " key =") in text into output (512 bytes).
// Returns 1 when the value is not empty.
int ReadKeyValueFromText(const char* text, const char* key, char* output, int upper);
