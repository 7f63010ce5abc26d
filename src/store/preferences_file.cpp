#include "store/preferences_file.h"

#include <climits>
#include <cmath>
#include <cstddef>
#include <cstring>
#include <iterator>
#include <variant>

#include "common/plugin_globals.h"
#include "store/damaged_file_notice.h"
#include "store/display_unit.h"
#include "store/preferences_paths.h"
#include "store/preset_table.h"
#include "store/size_table_file.h"
#include "store/text_fields.h"
#include "store/text_file_lines.h"

namespace {

// A setting's field in the globals record; its type says how the setting is
// read and written, so a key cannot name a field of another type.
using ShortField = int16_t* (*)(PluginGlobals&);
using RealField = double* (*)(PluginGlobals&);
using TextField = char (*(*)(PluginGlobals&))[kNameSize];

struct PreferenceKey {
  const char* key;
  std::variant<ShortField, RealField, TextField> field;
};

#define VM_FIELD(member) [](PluginGlobals& g) { return &g.member; }

// Written in this order before the size table rows.
constexpr PreferenceKey kLeadingKeys[] = {
    {"toolMode", VM_FIELD(toolMode)},
    {"flUseGrid", VM_FIELD(flUseGrid)},
    {"flUseFcur", VM_FIELD(flUseFcur)},
    {"flUseFcrs", VM_FIELD(flUseFcrs)},
    {"flUseFops", VM_FIELD(flUseFops)},
    {"flUseFrad", VM_FIELD(flUseFrad)},
    {"flUseFdis", VM_FIELD(flUseFdis)},
    {"flUseFlng", VM_FIELD(flUseFlng)},
    {"flUseFcnt", VM_FIELD(flUseFcnt)},
    {"flGrWidth", VM_FIELD(flGrWidth)},
    {"flGrHeight", VM_FIELD(flGrHeight)},
    {"flGrDistance", VM_FIELD(flGrDistance)},
    {"grading_angle", VM_FIELD(grading_angle)},
    {"grading_length", VM_FIELD(grading_length)},
    {"grading_compscale", VM_FIELD(grading_compscale)},
    {"grading_hvlock", VM_FIELD(grading_hvlock)},
    {"grading_unit", VM_FIELD(grading_unit)},
    {"grading_title", VM_FIELD(grading_title)},
    {"grading_prefspath", VM_FIELD(presetFileName)},
    {"grading_front_body_width", VM_FIELD(simpleGrading.grading_front_body_width)},
    {"grading_front_body_height", VM_FIELD(simpleGrading.grading_front_body_height)},
    {"grading_front_bust_position", VM_FIELD(simpleGrading.grading_front_bust_position)},
    {"grading_front_rotation", VM_FIELD(simpleGrading.grading_front_rotation)},
    {"grading_back_body_width", VM_FIELD(simpleGrading.grading_back_body_width)},
    {"grading_back_body_height", VM_FIELD(simpleGrading.grading_back_body_height)},
    {"grading_back_bust_position", VM_FIELD(simpleGrading.grading_back_bust_position)},
    {"grading_back_rotation", VM_FIELD(simpleGrading.grading_back_rotation)},
    {"grading_sleeve_front_body_width", VM_FIELD(simpleGrading.grading_sleeve_front_body_width)},
    {"grading_sleeve_back_body_width", VM_FIELD(simpleGrading.grading_sleeve_back_body_width)},
    {"grading_sleeve_cap_height", VM_FIELD(simpleGrading.grading_sleeve_cap_height)},
    {"grading_sleeve_depth", VM_FIELD(simpleGrading.grading_sleeve_depth)},
    {"grading_sleeve_rotation", VM_FIELD(simpleGrading.grading_sleeve_rotation)},
    {"grading_basic_size", VM_FIELD(simpleGrading.grading_basic_size)},
    {"grading_measure_type", VM_FIELD(simpleGrading.grading_measure_type)},
};

// Written after the size table rows.
constexpr PreferenceKey kTrailingKeys[] = {
    {"renewal_leave", VM_FIELD(updateGrading.renewal_leave)},
    {"renewal_mode", VM_FIELD(updateGrading.renewal_mode)},
    {"renewal_preview", VM_FIELD(updateGrading.renewal_preview)},
    {"renewal_out_layer", VM_FIELD(updateGrading.renewal_out_layer)},
    {"renewal_out_preset", VM_FIELD(updateGrading.renewal_out_preset)},
    {"renewal_out_lname", VM_FIELD(updateGrading.renewal_out_lname)},
};

#undef VM_FIELD

constexpr char kPresetKeyPrefix[] = "grading_preset_";
constexpr const char* kLanguageNames[] = {"JAPANESE", "ENGLISH", "KOREAN"};

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
    PluginGlobals& g = *gPlugin;
    if (const ShortField* field = std::get_if<ShortField>(&key.field)) {
      WriteTextFileLine(out, "%s = %d\r\n", key.key, *(*field)(g));
    } else if (const RealField* field = std::get_if<RealField>(&key.field)) {
      WriteTextFileLine(out, "%s = %g\r\n", key.key, StoredSinglePrecision(*(*field)(g)));
    } else if (const TextField* field = std::get_if<TextField>(&key.field)) {
      WriteTextFileLine(out, "%s = %s\r\n", key.key, QuotedText(*(*field)(g)).text);
    }
  }
}

// A numeric setting is taken only when its value is a number that fits the
// field ("nan" leaves the setting as it was); anything else in its value is a
// setting not understood.
bool ReadShortSetting(const char* text, int16_t* field) {
  double value = 0;
  const bool whole = ReadWholeNumber(text, &value) != 0 || IsNanField(text);
  if (!ReadLeadingNumber(text, &value)) return whole;
  value = std::trunc(value);
  if (value < INT16_MIN || value > INT16_MAX) return false;
  *field = static_cast<int16_t>(value);
  return whole;
}

// -1 for a key of none of these settings.
int ApplyKey(const KeyValueLine& line, const PreferenceKey* keys, size_t count) {
  for (size_t i = 0; i < count; ++i) {
    const PreferenceKey& key = keys[i];
    if (std::strcmp(line.key, key.key) != 0) continue;
    PluginGlobals& g = *gPlugin;
    if (const ShortField* field = std::get_if<ShortField>(&key.field)) return ReadShortSetting(line.value, (*field)(g));
    if (const RealField* field = std::get_if<RealField>(&key.field)) {
      ReadLeadingNumber(line.value, (*field)(g));
      return ReadWholeNumber(line.value, (*field)(g)) || IsNanField(line.value);
    }
    // An empty text (written "") leaves the setting as it was.
    const TextField* field = std::get_if<TextField>(&key.field);
    if (line.value[0] != '\0') CopyTextCutAnyTrail(*(*field)(g), kNameSize, line.value);
    return std::strlen(line.value) < kNameSize;
  }
  return -1;
}

// True when the line was understood whole, or holds no key of the file.
bool ApplyMainFileLine(const KeyValueLine& line) {
  if (std::strcmp(line.key, "grading_unit") == 0) {
    const bool understood = ReadShortSetting(line.value, &gPlugin->grading_unit);
    SetUnitPerPoint(gPlugin->grading_unit);
    return understood && line.fields == 2;
  }
  if (std::strcmp(line.key, "language") == 0) {
    if (line.value[0] == '\0') return false;
    if (IsNanField(line.value)) return true;
    gPlugin->language = 0;
    for (int16_t i = 0; i < 3; ++i) {
      if (std::strcmp(line.value, kLanguageNames[i]) == 0) {
        gPlugin->language = i;
        return line.fields == 2;
      }
    }
    return false;
  }
  int applied = ApplyKey(line, kLeadingKeys, std::size(kLeadingKeys));
  if (applied < 0) applied = ApplyKey(line, kTrailingKeys, std::size(kTrailingKeys));
  if (applied >= 0) return applied > 0 && line.fields == 2;
  return ApplySizeTableLine(&line, /*numbersOnly=*/1) != 0;
}

bool TakePresetLine(PresetReading* reading, const KeyValueLine& line) {
  const char* const fields[kPresetRecordFields] = {line.value,    line.extra[0], line.extra[1], line.extra[2],
                                                   line.extra[3], line.extra[4], line.extra[5]};
  // Every number of the record is read as a number and nothing else; a scale
  // (a real) may be "nan".
  bool numbers = line.fields <= kPresetRecordFields + 1;
  for (int f = 1; f < kPresetRecordFields && f + 1 < line.fields; ++f) {
    double value = 0;
    numbers = numbers && (ReadWholeNumber(fields[f], &value) || (f <= 2 && IsNanField(fields[f])));
  }
  return TakePresetRecord(reading, KeyRowNumber(line.key, kPresetKeyPrefix), fields) && numbers &&
         std::strlen(line.value) < kNameSize;
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
  TextFileRead file;
  if (!ReadTextFile(path, &file)) return;
  ClearPresetTable();
  PresetReading presets;
  BeginPresetReading(&presets);
  FileDamage damage{};
  KeyValueText text;
  BeginKeyValueText(&text, file.text, file.length);
  KeyValueLine line;
  while (NextKeyValueLine(&text, &line)) {
    // A damaged line is not taken, and its file is kept as it was; a preset
    // whose numbers do not read keeps its name and the scale it had, so that
    // the size survives. Damaged is a line not read whole, or of a key this
    // file takes whose fields do not read as that key's. The format passes
    // over other keys (in a preset file all but the presets', and row or
    // preset numbers out of range) and a setting or a real written "nan".
    const int preset = KeyRowNumber(line.key, kPresetKeyPrefix);
    bool understood = line.whole != 0;
    if (!understood) {
    } else if (preset >= 1 && preset <= kMaxPresets) {
      understood = TakePresetLine(&presets, line);
    } else if (name == nullptr) {
      understood = ApplyMainFileLine(line);
    }
    if (!understood) NoteDamagedLine(&damage, line.number);
  }
  PlacePresetRecords(presets);
  if (damage.lines > 0 && !KeepDamagedFile(path, file, damage) && name == nullptr) gPlugin->preferencesHeld = 1;
  FreeTextFile(&file);
}
