#include "store/group_tag_index.h"

#include <cstring>

#include "common/suite_pointers.h"
#include "store/text_fields.h"

namespace {

// A number written "%d": digits without leading zeros.
bool WholeNumber(const char* text, size_t length, int limit, int* out) {
  if (length == 0 || length > 9 || (text[0] == '0' && length > 1)) return false;
  int value = 0;
  for (size_t i = 0; i < length; ++i) {
    if (text[i] < '0' || text[i] > '9') return false;
    value = value * 10 + (text[i] - '0');
  }
  if (value > limit) return false;
  *out = value;
  return true;
}

// A number written with exactly `digits` digits ("%02d", "%03d").
bool FixedNumber(const char* text, size_t length, size_t digits, int* out) {
  if (length != digits) return false;
  int value = 0;
  for (size_t i = 0; i < length; ++i) {
    if (text[i] < '0' || text[i] > '9') return false;
    value = value * 10 + (text[i] - '0');
  }
  *out = value;
  return true;
}

// "<key><scale>": a handle key "%d" and a scale index "%02d".
bool KeyAndScale(const char* text, size_t length, int* key, int* scale) {
  return length > 2 && WholeNumber(text, length - 2, kMaxHandles, key) && *key >= 1 &&
         FixedNumber(text + length - 2, 2, 2, scale) && *scale >= 1;
}

// The rest of `name` after `prefix`, or null.
const char* After(const char* name, const char* prefix) {
  const size_t length = std::strlen(prefix);
  return std::strncmp(name, prefix, length) == 0 ? name + length : nullptr;
}

}  // namespace

GroupTagIndex::GroupTagIndex()
    : conf_(kMaxHandles + 1, -1),
      ratio_((kMaxHandles + 1) * kScales, -1),
      points_((kMaxHandles + 1) * kScales, -1),
      presets_(kScales, -1),
      varNames_(kMaxVariables, -1),
      varPrivate_(kMaxVariables, -1),
      varChunks_(kMaxVariables * kMaxValueChunks, -1),
      tables_(kMaxHandles + 1) {}

GroupTagIndex::GroupTagIndex(ArtHandle base) : GroupTagIndex() {
  int32_t count = 0;
  if (base == nullptr || sAITag == nullptr || sAITag->CountTags(base, &count) != kNoErr) return;
  for (int32_t n = 0; n < count; ++n) {
    const char* name = nullptr;
    const char* type = nullptr;
    const char* value = nullptr;
    if (sAITag->GetNthTag(base, n, &name, &type) != kNoErr || name == nullptr) continue;
    if (After(name, kGradingTagPrefix) == nullptr) continue;
    if (sAITag->GetTag(base, name, &value) != kNoErr || value == nullptr) continue;
    Take(name, value);
  }
}

int32_t GroupTagIndex::Keep(int32_t* place, const char* text, int key) {
  *place = static_cast<int32_t>(texts_.size());
  texts_.push_back(text);
  keyOf_.push_back(static_cast<int16_t>(key));
  return *place;
}

void GroupTagIndex::Retext(int32_t place, const char* text) {
  texts_[place] = text;
  if (keyOf_[place] > 0) tables_[keyOf_[place]] = Tables{};
}

const GroupTagIndex::Texts& GroupTagIndex::Amounts(int key, const char* initial) const {
  Tables& made = tables_[key];
  if (made.amounts == nullptr || made.initial != initial) {
    made.amounts = std::make_unique<Table>();  // zeroed, as the handle's record
    made.initial = initial;
    for (int s = 0; s < kMaxPresets; ++s) {
      const char* amount = Ratio(key, s + 1);
      CopyTextCutValidTrail(made.amounts->text[s], kExprSize, amount != nullptr ? amount : initial);
    }
  }
  return made.amounts->text;
}

const GroupTagIndex::Texts& GroupTagIndex::PointFields(int key, int axis) const {
  Tables& made = tables_[key];
  if (made.points[axis] == nullptr) {
    made.points[axis] = std::make_unique<Table>();
    for (int s = 0; s < kMaxPresets; ++s) {
      const char* texts = PointTexts(key, s + 1);
      if (texts == nullptr) continue;
      char field[kCsvFieldSize];
      GetCsvField(texts, axis, field);
      CopyTextCutValidTrail(made.points[axis]->text[s], kExprSize, field);
    }
  }
  return made.points[axis]->text;
}

int32_t GroupTagIndex::Take(const char* key, const char* text) {
  const char* rest = After(key, kGradingTagPrefix);
  if (rest == nullptr) return -1;
  int a = 0, b = 0;
  const char* s = nullptr;
  // The amounts first: they are nearly all of a group's tags.
  if ((s = After(rest, "fxh_ratio_")) != nullptr) {
    if (KeyAndScale(s, std::strlen(s), &a, &b)) return Keep(&ratio_[a * kScales + b], text, a);
  } else if ((s = After(rest, "fxh_conf_")) != nullptr) {
    if (WholeNumber(s, std::strlen(s), kMaxHandles, &a) && a >= 1) return Keep(&conf_[a], text, 0);
    if (WholeNumber(s, std::strlen(s), 999999999, &a)) ++confBeyondTable_;
  } else if ((s = After(rest, "fxp_")) != nullptr) {
    if (KeyAndScale(s, std::strlen(s), &a, &b)) return Keep(&points_[a * kScales + b], text, a);
  } else if ((s = After(rest, "preset_")) != nullptr) {
    if (WholeNumber(s, std::strlen(s), kMaxPresets, &a) && a >= 1) return Keep(&presets_[a], text, 0);
  } else if ((s = After(rest, "var_name_")) != nullptr) {
    if (FixedNumber(s, std::strlen(s), 3, &a) && a < kMaxVariables) return Keep(&varNames_[a], text, 0);
  } else if ((s = After(rest, "var_private_")) != nullptr) {
    if (FixedNumber(s, std::strlen(s), 3, &a) && a < kMaxVariables) return Keep(&varPrivate_[a], text, 0);
  } else if ((s = After(rest, "var_value_")) != nullptr) {
    if (std::strlen(s) == 6 && FixedNumber(s, 3, 3, &a) && FixedNumber(s + 3, 3, 3, &b) &&
        a < kMaxVariables && b < kMaxValueChunks)
      return Keep(&varChunks_[a * kMaxValueChunks + b], text, 0);
  }
  return -1;
}
