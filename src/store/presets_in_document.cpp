#include "store/presets_in_document.h"

#include <cstdio>
#include <cstring>

#include "common/plugin_globals.h"
#include "common/suite_pointers.h"
#include "store/art_tags.h"
#include "store/module_layers.h"
#include "store/preset_table.h"
#include "store/text_fields.h"

namespace {

constexpr const char* kConfigPathKey = "vmk_grading_prconf_path";
constexpr const char* kDocumentPresetKey = "grading_preset_%02d";
constexpr const char* kConfigPresetKey = "vmk_grading_prconf_%02d";
constexpr const char* kFirstConfigPresetKey = "vmk_grading_prconf_01";

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
  for (int slot = 0; slot < kMaxPresets && gPlugin->presets[slot].empty == 0; ++slot) {
    char value[kPresetRecordSize + 2];
    FormatPresetRecord(slot, value, kPresetRecordSize);
    std::strcat(value, lineEnd);  // at most two bytes
    char key[64];
    snprintf(key, sizeof key, format, slot + 1);
    WriteStringTag(art, key, value);
  }
}

// Reads the records 01, 02, ... up to the first missing or empty one; the
// value is cut to `valueLimit` bytes and every field after the name to
// `fieldSize` - 1.
void ReadPresetTags(ArtHandle art, const char* format, const char* separators, size_t valueLimit,
                    size_t fieldSize) {
  PresetReading reading;
  BeginPresetReading(&reading);
  for (int n = 1; n <= kMaxPresets; ++n) {
    char key[64];
    snprintf(key, sizeof key, format, n);
    const char* tag = ReadStringTag(art, key);
    if (tag == nullptr || tag[0] == '\0') break;
    char value[kCsvFieldSize];
    CopyTextCutValidTrail(value, valueLimit + 1 < sizeof value ? valueLimit + 1 : sizeof value, tag);
    char texts[kPresetRecordFields][kCsvFieldSize];
    const char* fields[kPresetRecordFields];
    for (int f = 0; f < kPresetRecordFields; ++f) {
      GetSeparatedField(value, f, texts[f], f == 0 ? kCsvFieldSize : fieldSize, separators);
      fields[f] = texts[f];
    }
    TakePresetRecord(&reading, n, fields);
  }
  PlacePresetRecords(reading);
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
    if (ReadStringTag(first, kConfigPathKey) == nullptr && !HasNonEmptyTag(first, kFirstConfigPresetKey))
      continue;
    RemoveTag(first, kConfigPathKey);
    RemoveNumberedTags(first, kConfigPresetKey);
  }
  char fileName[kNameSize];
  CopyTextCutValidTrail(fileName, sizeof fileName, gPlugin->presetFileName, sizeof gPlugin->presetFileName);
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
    // Saved while no preset file was chosen, a configuration has an empty file
    // name but its presets all the same.
    if (HasNonEmptyTag(first, kConfigPathKey) || HasNonEmptyTag(first, kFirstConfigPresetKey)) source = first;
  }
  if (source == nullptr) return 0;
  const char* fileName = ReadStringTag(source, kConfigPathKey);
  CopyTextCutValidTrail(gPlugin->presetFileName, sizeof gPlugin->presetFileName,
                        fileName != nullptr ? fileName : "");
  ReadPresetTags(source, kConfigPresetKey, ",", kCsvFieldSize - 1, kCsvFieldSize);
  return 1;
}
