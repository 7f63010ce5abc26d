#include "text/localize.h"

#include <cstring>

#include "common/plugin_globals.h"
#include "common/suite_pointers.h"
#include "text/shift_jis_chars.h"

namespace {

int16_t CurrentLanguage() { return gPlugin != nullptr ? gPlugin->language : static_cast<int16_t>(kLanguageJapanese); }

}  // namespace

void LocalizeUiString(PluginRef /*pluginRef*/, const char* japanese, char* out, size_t outSize) {
  if (out == nullptr || outSize == 0) return;
  if (japanese == nullptr) japanese = "";
  const char* text = japanese;
  if (CurrentLanguage() == kLanguageEnglish && sSPAccess != nullptr) {
    for (int i = 1; i <= kLocalizedTextPairs; ++i) {
      if (std::strcmp(kLocalizedTexts[i].japanese, japanese) == 0) {
        text = kLocalizedTexts[i].english;
        break;
      }
    }
  }
  CopyTextCutValidTrail(out, outSize, text);
}

int32_t DialogIdForLanguage(int32_t id) {
  return CurrentLanguage() == kLanguageEnglish ? id + kEnglishResourceOffset : id;
}

int32_t ResourceIdUnlessJapanese(int32_t id) {
  return CurrentLanguage() != kLanguageJapanese ? id + kEnglishResourceOffset : id;
}
