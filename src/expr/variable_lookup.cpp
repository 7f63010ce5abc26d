#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

#include "expr/script.h"
#include "expr/script_internal.h"
#include "shell/plugin_globals.h"
#include "shell/suite_pointers.h"
#include "text/layer_title.h"
#include "text/shift_jis_chars.h"

namespace {

constexpr int32_t kMaxStoredRows = 1000;  // "%03d" rows
constexpr int32_t kMaxValueChunks = 32;

const char* ReadTag(ArtHandle art, const char* key) {
  const char* value = nullptr;
  if (sAITag == nullptr || sAITag->GetTag(art, key, &value) != kNoErr) return nullptr;
  return value;
}

bool IsPreviewLayer(LayerHandle layer) {
  unsigned char title[kLayerTitleSize];
  GetLayerTitleCounted(layer, title);
  return IsPreviewLayerTitle(title) != 0;
}

// The value of variable name stored on a titled art: its chunks joined.
bool ReadStoredVariable(ArtHandle art, const char* name, std::string* value) {
  char key[64];
  for (int32_t row = 0; row < kMaxStoredRows; ++row) {
    std::snprintf(key, sizeof key, "vmk_grading_var_name_%03d", row);
    const char* stored = ReadTag(art, key);
    if (stored == nullptr) return false;
    if (std::strcmp(stored, name) != 0) continue;
    value->clear();
    for (int32_t chunk = 0; chunk < kMaxValueChunks; ++chunk) {
      std::snprintf(key, sizeof key, "vmk_grading_var_value_%03d%03d", row, chunk);
      const char* part = ReadTag(art, key);
      if (part == nullptr) break;
      value->append(part);
    }
    CapScriptValue(value);
    return true;
  }
  return false;
}

bool LookupStoredVariable(const char* qualified, std::string* value) {
  if (sAILayer == nullptr || sAIArt == nullptr || sAITag == nullptr) return false;
  const char* colon = std::strchr(qualified, ':');
  std::string title(qualified, colon - qualified);
  int32_t count = 0;
  if (sAILayer->CountLayers(&count) != kNoErr) return false;
  for (int32_t n = 0; n < count; ++n) {
    LayerHandle layer = nullptr;
    if (sAILayer->GetNthLayer(n, &layer) != kNoErr || layer == nullptr || IsPreviewLayer(layer)) continue;
    ArtHandle first = nullptr;
    if (sAILayer->GetFirstArtOfLayer(layer, &first) != kNoErr || first == nullptr) continue;
    ArtHandle found = nullptr;
    FindArtByGradingTitle(first, title.c_str(), &found);
    if (found != nullptr) return ReadStoredVariable(found, colon + 1, value);
  }
  return false;
}

bool LookupTableVariable(const char* name, std::string* value) {
  const VariableTable& table = gPlugin->variables;
  if (table.varNames == nullptr || table.varValues == nullptr) return false;
  size_t length = std::strlen(name);
  if (length >= static_cast<size_t>(kVarNameSize)) return false;
  for (int32_t row = 0; row < kMaxVariables; ++row) {
    if (std::memcmp(table.varNames[row], name, length + 1) != 0) continue;
    value->assign(table.varValues[row], strnlen(table.varValues[row], kVarValueSize - 1));
    return true;
  }
  return false;
}

// Children first, then the art itself.
ArtHandle SearchGradingTitle(ArtHandle art, const char* title) {
  ArtHandle child = nullptr;
  if (sAIArt->GetArtFirstChild(art, &child) == kNoErr) {
    while (child != nullptr) {
      ArtHandle found = SearchGradingTitle(child, title);
      if (found != nullptr) return found;
      ArtHandle next = nullptr;
      if (sAIArt->GetArtSibling(child, &next) != kNoErr) break;
      child = next;
    }
  }
  int16_t type = kUnknownArt;
  if (sAIArt->GetArtType(art, &type) != kNoErr || (type != kGroupArt && type != kPathArt)) return nullptr;
  const char* own = ReadTag(art, "vmk_grading_title");
  return own != nullptr && std::strcmp(own, title) == 0 ? art : nullptr;
}

}  // namespace

void FindArtByGradingTitle(ArtHandle art, const char* title, ArtHandle* found) {
  if (art == nullptr || title == nullptr || found == nullptr || sAIArt == nullptr) return;
  ArtHandle match = SearchGradingTitle(art, title);
  if (match != nullptr) *found = match;
}

int32_t LookupVariableValue(const char* name, char* out) {
  out[0] = '\0';
  if (gPlugin == nullptr || name == nullptr) return 0;
  std::string value;
  bool found = std::strchr(name, ':') != nullptr ? LookupStoredVariable(name, &value)
                                                 : LookupTableVariable(name, &value);
  if (!found) return 0;
  std::memcpy(out, value.c_str(), value.size() + 1);
  return 1;
}

int32_t SetLocalVariable(const char* name, const char* value) {
  if (gPlugin == nullptr || name == nullptr || value == nullptr) return 0;
  VariableTable& table = gPlugin->variables;
  if (table.varNames == nullptr || table.varValues == nullptr) return 0;
  for (int32_t row = 0; row < kMaxVariables; ++row) {
    char* rowName = table.varNames[row];
    if (rowName[0] != '\0' && std::strncmp(rowName, name, kVarNameSize) != 0) continue;
    CopyWholeCharacters(rowName, kVarNameSize, name, SIZE_MAX, ShiftJisTrail::kAny);
    CopyWholeCharacters(table.varValues[row], kVarValueSize, value, SIZE_MAX, ShiftJisTrail::kAny);
    return 1;
  }
  return 0;
}
