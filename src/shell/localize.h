// UI language: the localised text pairs and the choice of resource copies.
#pragma once

#include <cstddef>
#include <cstdint>

#include "host_types.h"

enum UiLanguage : int16_t { kLanguageJapanese = 0, kLanguageEnglish = 1, kLanguageKorean = 2 };

constexpr int kEnglishResourceOffset = 1000;

struct LocalizedTextPair {
  const char* japanese;  // code page 932
  const char* english;
};

// Entries 1..kLocalizedTextPairs; entry 0 is a placeholder that never matches.
constexpr int kLocalizedTextPairs = 65;
extern const LocalizedTextPair kLocalizedTexts[kLocalizedTextPairs + 1];

// Copies `japanese` into `out`, or its English partner when the UI is English.
// Never writes more than outSize bytes and never splits a double-byte character.
// The scale label's trailing percent is "%%" in both texts so it can be a format.
void LocalizeUiString(PluginRef pluginRef, const char* japanese, char* out, size_t outSize);

// English copy (id + 1000) only for the English UI.
int32_t DialogIdForLanguage(int32_t id);
// English copy whenever the UI is not Japanese.
int32_t ResourceIdUnlessJapanese(int32_t id);
