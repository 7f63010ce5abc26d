#include "store/presets_in_document.h"

#include <cstdio>
#include <cstring>

#include "geometry/numeric.h"
#include "shell/plugin_globals.h"
#include "shell/suite_pointers.h"
#include "store/art_tags.h"
#include "store/module_layers.h"
#include "store/preset_table.h"
#include "store/text_fields.h"

namespace {

constexpr const char* kConfigPathKey = "vmk_grading_prconf_path";
constexpr const char* kDocumentPresetKey = "grading_preset_%02d";
constexpr const char* kConfigPresetKey = "vmk_grading_prconf_%02d";

bool IsVisibleAndEditable(LayerHandle layer) {
  int32_t visible = 0;
  int32_t editable = 0;
  return sAILayer->GetLayerVisible(layer, &visible) == kNoErr && visible != 0 &&
         sAILayer->GetLayerEditable(layer, &editable) == kNoErr && editable != 0;
}

bool IsPresetLayer(LayerHandle layer) { return !IsPreviewLayer(layer) && IsVisibleAndEditable(layer); }

void RemoveNumberedTags(ArtHandle art, const char* format) {
  for (int slot = 0; slot < kMaxPresets; ++slot) {
    char key[64];
    snprintf(key, sizeof key, format, slot + 1);
    RemoveTag(art, key);
  }
}

// One tag per preset up to the first free slot.
void WritePresetTags(ArtHandle art, const char* format, const char* lineEnd) {
  const PluginGlobals& g = *gPlugin;
  for (int slot = 0; slot < kMaxPresets && g.presets[slot].empty == 0; ++slot) {
    const PresetRecord& p = g.presets[slot];
    char name[kNameSize];
    CopyTextCut(name, sizeof name, p.name, sizeof p.name);
    const int scale = p.scaleIndex >= 0 && p.scaleIndex < kMaxPresets ? p.scaleIndex : 0;
    char value[256] = "";
    AppendQuotedField(value, sizeof value, name);
    const size_t used = strlen(value);
    snprintf(value + used, sizeof value - used, ",%g,%g,%d,%d,%d,%d%s",
             SinglePrecision(g.presetScale[scale].h),
             SinglePrecision(g.presetScale[scale].v), p.output, p.scaleIndex,
             p.enabled, 0, lineEnd);
    char key[64];
    snprintf(key, sizeof key, format, slot + 1);
    WriteStringTag(art, key, value);
  }
}

// Reads the records 01, 02, ... up to the first missing or empty one into
// consecutive slots. A record whose scale index lies outside the scale tables
// is skipped.
void ReadPresetTags(ArtHandle art, const char* format, const char* separators, size_t valueLimit,
                    size_t fieldSize) {
  PluginGlobals* g = gPlugin;
  int next = 0;
  for (int n = 0; n < kMaxPresets; ++n) {
    char key[64];
    snprintf(key, sizeof key, format, n + 1);
    const char* tag = ReadStringTag(art, key);
    if (tag == nullptr || tag[0] == '\0') break;
    char value[kCsvFieldSize];
    CopyTextCut(value, valueLimit + 1 < sizeof value ? valueLimit + 1 : sizeof value, tag);
    char field[kCsvFieldSize];
    GetSeparatedField(value, 4, field, fieldSize, separators);
    const int32_t scale = TextToInteger(field);
    if (scale < 0 || scale >= kMaxPresets) continue;
    PresetRecord& p = g->presets[next++];
    GetSeparatedField(value, 0, field, kCsvFieldSize, separators);
    CopyTextCut(p.name, sizeof p.name, field);
    p.scaleIndex = scale;
    GetSeparatedField(value, 1, field, fieldSize, separators);
    g->presetScale[scale].h = TextToReal(field);
    GetSeparatedField(value, 2, field, fieldSize, separators);
    g->presetScale[scale].v = TextToReal(field);
    GetSeparatedField(value, 3, field, fieldSize, separators);
    p.output = static_cast<int16_t>(TextToInteger(field));
    GetSeparatedField(value, 5, field, fieldSize, separators);
    p.enabled = static_cast<int16_t>(TextToInteger(field));
    GetSeparatedField(value, 6, field, fieldSize, separators);
    p.empty = static_cast<int16_t>(TextToInteger(field));
  }
}

// The art the configuration goes on: the first art of the current layer, or
// of the first ordinary layer while a temporary layer of the module is current
// (it is deleted right after).
ArtHandle ConfigTarget() {
  LayerHandle current = nullptr;
  if (sAILayer->GetCurrentLayer(&current) != kNoErr || current == nullptr) return nullptr;
  if (!IsOrdinaryLayer(current)) {
    current = nullptr;
    const int32_t layers = CountDocumentLayers();
    for (int32_t n = 0; n < layers && current == nullptr; ++n) {
      LayerHandle layer = GetLayerAt(n);
      if (layer == nullptr) return nullptr;
      if (IsOrdinaryLayer(layer)) current = layer;
    }
  }
  return GetFirstArtOfLayer(current);
}

}  // namespace

void SavePresetsToDocument() {
  if (gPlugin == nullptr || !HasDocumentView() || sAILayer == nullptr) return;
  ArtHandle target = nullptr;
  const int32_t layers = CountDocumentLayers();
  for (int32_t n = 0; n < layers; ++n) {
    LayerHandle layer = GetLayerAt(n);
    if (layer == nullptr) return;
    if (!IsPresetLayer(layer)) continue;
    ArtHandle first = GetFirstArtOfLayer(layer);
    if (target == nullptr) target = first;
    if (HasNonEmptyTag(first, "grading_preset_01")) {
      RemoveNumberedTags(first, kDocumentPresetKey);
      break;
    }
  }
  if (target != nullptr) WritePresetTags(target, kDocumentPresetKey, "\r\n");
}

void LoadPresetsFromDocument() {
  if (gPlugin == nullptr || !HasDocumentView() || sAILayer == nullptr) return;
  ArtHandle source = nullptr;
  const int32_t layers = CountDocumentLayers();
  for (int32_t n = 0; n < layers && source == nullptr; ++n) {
    LayerHandle layer = GetLayerAt(n);
    if (layer == nullptr) return;
    if (!IsPresetLayer(layer)) continue;
    ArtHandle first = GetFirstArtOfLayer(layer);
    if (HasNonEmptyTag(first, "grading_preset_01")) source = first;
  }
  if (source == nullptr) return;
  ClearPresetTable();
  gPlugin->presetFileName[0] = '\0';
  ReadPresetTags(source, kDocumentPresetKey, "=,", 255, 32);
}

void SavePresetConfig() {
  if (gPlugin == nullptr || !HasDocumentView() || sAILayer == nullptr) return;
  ArtHandle target = ConfigTarget();
  if (target == nullptr) return;
  const int32_t layers = CountDocumentLayers();
  for (int32_t n = 0; n < layers; ++n) {
    ArtHandle first = GetFirstArtOfLayer(GetLayerAt(n));
    if (first == nullptr) break;
    // A configuration saved with an empty file name is removed as well, so
    // that none of its records outlives it.
    if (ReadStringTag(first, kConfigPathKey) == nullptr && !HasNonEmptyTag(first, "vmk_grading_prconf_01"))
      continue;
    RemoveTag(first, kConfigPathKey);
    RemoveNumberedTags(first, kConfigPresetKey);
  }
  char fileName[kNameSize];
  CopyTextCut(fileName, sizeof fileName, gPlugin->presetFileName, sizeof gPlugin->presetFileName);
  WriteStringTag(target, kConfigPathKey, fileName);
  WritePresetTags(target, kConfigPresetKey, "");
}

int LoadPresetConfig() {
  if (gPlugin == nullptr || !HasDocumentView() || sAILayer == nullptr) return 0;
  ArtHandle source = nullptr;
  const int32_t layers = CountDocumentLayers();
  for (int32_t n = 0; n < layers && source == nullptr; ++n) {
    ArtHandle first = GetFirstArtOfLayer(GetLayerAt(n));
    if (first == nullptr) return 0;
    if (HasNonEmptyTag(first, kConfigPathKey)) source = first;
  }
  if (source == nullptr) return 0;
  CopyTextCut(gPlugin->presetFileName, sizeof gPlugin->presetFileName, ReadStringTag(source, kConfigPathKey));
  ClearPresetTable();
  ReadPresetTags(source, kConfigPresetKey, ",", kCsvFieldSize - 1, kCsvFieldSize);
  return 1;
}
