// The module's texts in Japanese (code page 932) and English, by number.
#pragma once

struct LocalizedTextPair {
  const char* japanese;  // code page 932
  const char* english;
};

// Entries 1..kLocalizedTextPairs; entry 0 is a placeholder that never matches.
constexpr int kLocalizedTextPairs = 66;
extern const LocalizedTextPair kLocalizedTexts[kLocalizedTextPairs + 1];
