#include "store/preferences_file.h"

#include <climits>
#include <cmath>
#include <cstddef>
#include <cstring>
#include <iterator>

#include "common/plugin_globals.h"
#include "geometry/numeric.h"
#include "store/display_unit.h"
#include "store/preferences_paths.h"
#include "store/preset_table.h"
#include "store/size_table_file.h"
#include "store/text_fields.h"
#include "store/text_file_lines.h"

namespace {

enum PreferenceKind { kPrefInt, kPrefReal, kPrefText };

struct PreferenceKey {
  const char* key;
  PreferenceKind kind;
  size_t offset;
};

#define VM_FIELD(member) offsetof(PluginGlobals, member)

// Written in this order before the size table rows.
constexpr PreferenceKey kLeadingKeys[] = {
    {"toolMode", kPrefInt, VM_FIELD(toolMode)},
    {"flUseGrid", kPrefInt, VM_FIELD(flUseGrid)},
    {"flUseFcur", kPrefInt, VM_FIELD(flUseFcur)},
    {"flUseFcrs", kPrefInt, VM_FIELD(flUseFcrs)},
    {"flUseFops", kPrefInt, VM_FIELD(flUseFops)},
    {"flUseFrad", kPrefInt, VM_FIELD(flUseFrad)},
    {"flUseFdis", kPrefInt, VM_FIELD(flUseFdis)},
    {"flUseFlng", kPrefInt, VM_FIELD(flUseFlng)},
    {"flUseFcnt", kPrefInt, VM_FIELD(flUseFcnt)},
    {"flGrWidth", kPrefReal, VM_FIELD(flGrWidth)},
    {"flGrHeight", kPrefReal, VM_FIELD(flGrHeight)},
    {"flGrDistance", kPrefReal, VM_FIELD(flGrDistance)},
    {"grading_angle", kPrefReal, VM_FIELD(grading_angle)},
    {"grading_length", kPrefReal, VM_FIELD(grading_length)},
    {"grading_compscale", kPrefReal, VM_FIELD(grading_compscale)},
    {"grading_hvlock", kPrefInt, VM_FIELD(grading_hvlock)},
    {"grading_unit", kPrefInt, VM_FIELD(grading_unit)},
    {"grading_title", kPrefText, VM_FIELD(grading_title)},
    {"grading_prefspath", kPrefText, VM_FIELD(presetFileName)},
    {"grading_front_body_width", kPrefReal, VM_FIELD(simpleGrading.grading_front_body_width)},
    {"grading_front_body_height", kPrefReal, VM_FIELD(simpleGrading.grading_front_body_height)},
    {"grading_front_bust_position", kPrefReal, VM_FIELD(simpleGrading.grading_front_bust_position)},
    {"grading_front_rotation", kPrefInt, VM_FIELD(simpleGrading.grading_front_rotation)},
    {"grading_back_body_width", kPrefReal, VM_FIELD(simpleGrading.grading_back_body_width)},
    {"grading_back_body_height", kPrefReal, VM_FIELD(simpleGrading.grading_back_body_height)},
    {"grading_back_bust_position", kPrefReal, VM_FIELD(simpleGrading.grading_back_bust_position)},
    {"grading_back_rotation", kPrefInt, VM_FIELD(simpleGrading.grading_back_rotation)},
    {"grading_sleeve_front_body_width", kPrefReal, VM_FIELD(simpleGrading.grading_sleeve_front_body_width)},
    {"grading_sleeve_back_body_width", kPrefReal, VM_FIELD(simpleGrading.grading_sleeve_back_body_width)},
    {"grading_sleeve_cap_height", kPrefReal, VM_FIELD(simpleGrading.grading_sleeve_cap_height)},
    {"grading_sleeve_depth", kPrefReal, VM_FIELD(simpleGrading.grading_sleeve_depth)},
    {"grading_sleeve_rotation", kPrefInt, VM_FIELD(simpleGrading.grading_sleeve_rotation)},
    {"grading_basic_size", kPrefInt, VM_FIELD(simpleGrading.grading_basic_size)},
    {"grading_measure_type", kPrefInt, VM_FIELD(simpleGrading.grading_measure_type)},
};

// Written after the size table rows.
constexpr PreferenceKey kTrailingKeys[] = {
    {"renewal_leave", kPrefInt, VM_FIELD(updateGrading.renewal_leave)},
    {"renewal_mode", kPrefInt, VM_FIELD(updateGrading.renewal_mode)},
    {"renewal_preview", kPrefInt, VM_FIELD(updateGrading.renewal_preview)},
    {"renewal_out_layer", kPrefInt, VM_FIELD(updateGrading.renewal_out_layer)},
    {"renewal_out_preset", kPrefInt, VM_FIELD(updateGrading.renewal_out_preset)},
    {"renewal_out_lname", kPrefText, VM_FIELD(updateGrading.renewal_out_lname)},
};

#undef VM_FIELD

constexpr char kPresetKeyPrefix[] = "grading_preset_";
constexpr const char* kLanguageNames[] = {"JAPANESE", "ENGLISH", "KOREAN"};

void* FieldAddress(const PreferenceKey& key) { return reinterpret_cast<char*>(gPlugin) + key.offset; }

struct Quoted {
  char text[2 * kNameSize + 3];
};

// A text inside double quotes, each double quote in it doubled so that the
// reader gives the text back whole.
Quoted QuotedText(const char* text) {
  Quoted quoted{};
  AppendQuotedField(quoted.text, sizeof quoted.text, text);
  return quoted;
}

void WriteKeys(TextFileOutput* out, const PreferenceKey* keys, size_t count) {
  for (size_t i = 0; i < count; ++i) {
    const PreferenceKey& key = keys[i];
    switch (key.kind) {
      case kPrefInt:
        WriteTextFileLine(out, "%s = %d\r\n", key.key, *static_cast<int16_t*>(FieldAddress(key)));
        break;
      case kPrefReal:
        WriteTextFileLine(out, "%s = %g\r\n", key.key,
                          SinglePrecision(*static_cast<double*>(FieldAddress(key))));
        break;
      case kPrefText:
        WriteTextFileLine(out, "%s = %s\r\n", key.key,
                          QuotedText(static_cast<char*>(FieldAddress(key))).text);
        break;
    }
  }
}

// A numeric setting is taken only when its value is a number that fits the
// field ("nan", say, leaves the setting as it was).
void ReadShortSetting(const char* text, int16_t* field) {
  double value = 0;
  if (!ReadLeadingNumber(text, &value)) return;
  value = std::trunc(value);
  if (value >= INT16_MIN && value <= INT16_MAX) *field = static_cast<int16_t>(value);
}

bool ApplyKey(const KeyValueLine& line, const PreferenceKey* keys, size_t count) {
  for (size_t i = 0; i < count; ++i) {
    const PreferenceKey& key = keys[i];
    if (std::strcmp(line.key, key.key) != 0) continue;
    switch (key.kind) {
      case kPrefInt:
        ReadShortSetting(line.value, static_cast<int16_t*>(FieldAddress(key)));
        break;
      case kPrefReal:
        ReadLeadingNumber(line.value, static_cast<double*>(FieldAddress(key)));
        break;
      case kPrefText:
        CopyTextCutAnyTrail(static_cast<char*>(FieldAddress(key)), kNameSize, line.value);
        break;
    }
    return true;
  }
  return false;
}

void ApplyMainFileLine(const KeyValueLine& line) {
  if (std::strcmp(line.key, "grading_unit") == 0) {
    ReadShortSetting(line.value, &gPlugin->grading_unit);
    SetUnitPerPoint(gPlugin->grading_unit);
  } else if (std::strcmp(line.key, "language") == 0) {
    gPlugin->language = 0;
    for (int16_t i = 1; i < 3; ++i) {
      if (std::strcmp(line.value, kLanguageNames[i]) == 0) gPlugin->language = i;
    }
  } else if (!ApplyKey(line, kLeadingKeys, std::size(kLeadingKeys)) &&
             !ApplyKey(line, kTrailingKeys, std::size(kTrailingKeys))) {
    ApplySizeTableLine(&line, /*numbersOnly=*/1);
  }
}

void TakePresetLine(PresetReading* reading, const KeyValueLine& line) {
  const char* const fields[kPresetRecordFields] = {line.value,    line.extra[0], line.extra[1], line.extra[2],
                                                   line.extra[3], line.extra[4], line.extra[5]};
  TakePresetRecord(reading, KeyRowNumber(line.key, kPresetKeyPrefix), fields);
}

}  // namespace

void WritePresetLines(TextFileOutput* out) {
  for (int slot = 0; slot < kMaxPresets && gPlugin->presets[slot].empty == 0; ++slot) {
    char record[kPresetRecordSize];
    FormatPresetRecord(slot, record, sizeof record);
    WriteTextFileLine(out, "%s%02d = %s\r\n", kPresetKeyPrefix, slot + 1, record);
  }
}

int WritePreferencesIni(const char* name) {
  char path[kTextFilePathSize];
  const int built =
      name ? BuildPresetFilePath(name, path, sizeof(path)) : BuildPreferencesFilePath(path, sizeof(path));
  TextFileOutput out;
  if (!built || !BeginTextFileOutput(&out, path)) return 0;
  if (name == nullptr) {
    WriteKeys(&out, kLeadingKeys, std::size(kLeadingKeys));
    WriteSizeTableLines(&out, /*fullPrecision=*/0);
    WriteKeys(&out, kTrailingKeys, std::size(kTrailingKeys));
  }
  WritePresetLines(&out);
  if (name == nullptr) {
    const int16_t language = gPlugin->language >= 0 && gPlugin->language <= 2 ? gPlugin->language : 0;
    WriteTextFileLine(&out, "language = %s\r\n", kLanguageNames[language]);
  }
  return FinishTextFileOutput(&out);
}

void ReadPreferencesIni(const char* name) {
  char path[kTextFilePathSize];
  const int built =
      name ? BuildPresetFilePath(name, path, sizeof(path)) : BuildPreferencesFilePath(path, sizeof(path));
  if (!built) return;
  char* text = ReadTextFileWhole(path, nullptr);
  if (text == nullptr) return;
  ClearPresetTable();
  PresetReading presets;
  BeginPresetReading(&presets);
  const char* cursor = text;
  KeyValueLine line;
  while (NextKeyValueLine(&cursor, &line)) {
    if (line.key[0] == '\0') continue;
    // A preset line without a name is a damaged record, not a line to pass over.
    if (KeyRowNumber(line.key, kPresetKeyPrefix) >= 0) {
      TakePresetLine(&presets, line);
    } else if (name == nullptr && line.value[0] != '\0') {
      ApplyMainFileLine(line);
    }
  }
  PlacePresetRecords(presets);
  FreeTextFileBuffer(text);
}
