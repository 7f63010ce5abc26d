// The numbered tags of a grading group found in one walk over its base art's
// tags, instead of a lookup of every key the group may have.
#pragma once

#include <vector>

#include "host_types.h"
#include "store/grading_group_tags.h"

// A key counts only in the exact form the writer gives it ("%d" without sign
// or leading zeros, "%02d", "%03d"), as when each key was looked up by name.
class GroupTagIndex {
 public:
  explicit GroupTagIndex(ArtHandle base);

  // Texts of the tags, null when absent. key: handle key 1 to kMaxHandles;
  // scale: 1 to kMaxPresets; row: 0 to kMaxVariables - 1; chunk: 0 to 31.
  const char* Conf(int key) const { return conf_[key]; }
  const char* Ratio(int key, int scale) const { return ratio_[key * kScales + scale]; }
  const char* PointTexts(int key, int scale) const { return points_[key * kScales + scale]; }
  const char* Preset(int scale) const { return presets_[scale]; }
  const char* VarName(int row) const { return varNames_[row]; }
  const char* VarPrivate(int row) const { return varPrivate_[row]; }
  const char* VarChunk(int row, int chunk) const { return varChunks_[row * kMaxValueChunks + chunk]; }

 private:
  static constexpr int kScales = kMaxPresets + 1;

  void Take(const char* name, const char* value);

  std::vector<const char*> conf_, ratio_, points_, presets_, varNames_, varPrivate_, varChunks_;
};
