#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

#include "common/plugin_globals.h"
#include "common/suite_pointers.h"
#include "expr/script.h"
#include "expr/script_internal.h"
#include "store/art_tags.h"
#include "store/grading_group_tags.h"
#include "store/module_layers.h"
#include "store/piece_queries.h"
#include "store/tool_config_tag.h"
#include "text/shift_jis_chars.h"

namespace {

constexpr int32_t kMaxStoredRows = 1000;  // "%03d" rows

// The value of variable name stored on a titled art.
bool ReadStoredVariable(ArtHandle art, const char* name, std::string* value) {
  char key[64];
  for (int32_t row = 0; row < kMaxStoredRows; ++row) {
    std::snprintf(key, sizeof key, "vmk_grading_var_name_%03d", row);
    const char* stored = ReadStringTag(art, key);
    if (stored == nullptr) return false;
    if (std::strcmp(stored, name) != 0) continue;
    ReadStoredVariableValue(art, row, value);
    CapScriptValue(value);
    return true;
  }
  return false;
}

uint32_t sStoredReads = 0;

bool LookupStoredVariable(const char* qualified, std::string* value) {
  ++sStoredReads;
  if (sAILayer == nullptr || sAIArt == nullptr || sAITag == nullptr) return false;
  const char* colon = std::strchr(qualified, ':');
  std::string title(qualified, colon - qualified);
  ArtHandle found = nullptr;
  ForEachSearchedLayer([&](ArtHandle first) {
    if (found == nullptr) FindArtByGradingTitle(first, title.c_str(), &found);
  });
  return found != nullptr && ReadStoredVariable(found, colon + 1, value);
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

// Children first, then the art itself; a group of another tool is not entered.
ArtHandle SearchGradingTitle(ArtHandle art, const char* title) {
  const int16_t type = ArtTypeOrUnknown(art);
  if (type == kToolConfigGroupArt) return nullptr;
  ArtHandle found = nullptr;
  ForEachChildArt(art, [&](ArtHandle child) {
    if (found == nullptr) found = SearchGradingTitle(child, title);
  });
  if (found != nullptr || (!IsEnteredArt(type) && type != kPathArt)) return found;
  const char* own = ReadStringTag(art, kGradingTitleKey);
  return own != nullptr && std::strcmp(own, title) == 0 ? art : nullptr;
}

}  // namespace

void FindArtByGradingTitle(ArtHandle art, const char* title, ArtHandle* found) {
  if (art == nullptr || title == nullptr || found == nullptr || sAIArt == nullptr) return;
  ArtHandle match = SearchGradingTitle(art, title);
  if (match != nullptr) *found = match;
}

uint32_t StoredVariableReads() { return sStoredReads; }

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
    CopyTextCutAnyTrail(rowName, kVarNameSize, name);
    CopyTextCutAnyTrail(table.varValues[row], kVarValueSize, value);
    return 1;
  }
  return 0;
}
