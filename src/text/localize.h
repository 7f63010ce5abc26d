// UI language: the localised texts and the choice of resource copies.
#pragma once

#include <cstddef>
#include <cstdint>

#include "host_types.h"
#include "resources/localized_texts.h"

enum UiLanguage : int16_t { kLanguageJapanese = 0, kLanguageEnglish = 1, kLanguageKorean = 2 };

constexpr int kEnglishResourceOffset = 1000;

// Copies `japanese` into `out`, or its English partner when the UI is English.
// Never writes more than outSize bytes and never splits a double-byte character.
// The scale label's trailing percent is "%%" in both texts so it can be a format.
void LocalizeUiString(PluginRef pluginRef, const char* japanese, char* out, size_t outSize);

// English copy (id + 1000) only for the English UI.
int32_t DialogIdForLanguage(int32_t id);
// English copy whenever the UI is not Japanese.
int32_t ResourceIdUnlessJapanese(int32_t id);
