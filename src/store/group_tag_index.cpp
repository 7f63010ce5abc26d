#include "store/group_tag_index.h"

#include <cstring>

#include "shell/suite_pointers.h"

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

GroupTagIndex::GroupTagIndex(ArtHandle base)
    : conf_(kMaxHandles + 1),
      ratio_((kMaxHandles + 1) * kScales),
      points_((kMaxHandles + 1) * kScales),
      presets_(kScales),
      varNames_(kMaxVariables),
      varPrivate_(kMaxVariables),
      varChunks_(kMaxVariables * kMaxValueChunks) {
  int32_t count = 0;
  if (base == nullptr || sAITag == nullptr || sAITag->CountTags(base, &count) != kNoErr) return;
  for (int32_t n = 0; n < count; ++n) {
    const char* name = nullptr;
    const char* type = nullptr;
    const char* value = nullptr;
    if (sAITag->GetNthTag(base, n, &name, &type) != kNoErr || name == nullptr) continue;
    const char* rest = After(name, "vmk_grading_");
    if (rest == nullptr || sAITag->GetTag(base, name, &value) != kNoErr || value == nullptr) continue;
    Take(rest, value);
  }
}

void GroupTagIndex::Take(const char* rest, const char* value) {
  int a = 0, b = 0;
  const char* s = nullptr;
  if ((s = After(rest, "fxh_conf_")) != nullptr) {
    if (WholeNumber(s, std::strlen(s), kMaxHandles, &a) && a >= 1) conf_[a] = value;
  } else if ((s = After(rest, "fxh_ratio_")) != nullptr) {
    if (KeyAndScale(s, std::strlen(s), &a, &b)) ratio_[a * kScales + b] = value;
  } else if ((s = After(rest, "fxp_")) != nullptr) {
    if (KeyAndScale(s, std::strlen(s), &a, &b)) points_[a * kScales + b] = value;
  } else if ((s = After(rest, "preset_")) != nullptr) {
    if (WholeNumber(s, std::strlen(s), kMaxPresets, &a) && a >= 1) presets_[a] = value;
  } else if ((s = After(rest, "var_name_")) != nullptr) {
    if (FixedNumber(s, std::strlen(s), 3, &a) && a < kMaxVariables) varNames_[a] = value;
  } else if ((s = After(rest, "var_private_")) != nullptr) {
    if (FixedNumber(s, std::strlen(s), 3, &a) && a < kMaxVariables) varPrivate_[a] = value;
  } else if ((s = After(rest, "var_value_")) != nullptr) {
    if (std::strlen(s) == 6 && FixedNumber(s, 3, 3, &a) && FixedNumber(s + 3, 3, 3, &b) && a < kMaxVariables &&
        b < kMaxValueChunks)
      varChunks_[a * kMaxValueChunks + b] = value;
  }
}
