// The numbered tags of a grading group found in one walk over its base art's
// tags, instead of a lookup of every key the group may have.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "host_types.h"
#include "store/grading_group_tags.h"

// A key counts only in the exact form the writer gives it ("%d" without sign
// or leading zeros, "%02d", "%03d"), as when each key was looked up by name.
class GroupTagIndex {
 public:
  GroupTagIndex();
  // One walk over the host's tags of the art.
  explicit GroupTagIndex(ArtHandle base);

  // Files a tag by its key; the text stays its owner's. Returns the place it
  // is kept at (for Retext), or -1 when the key is none of the group's
  // numbered keys.
  int32_t Take(const char* key, const char* text);
  // The tag kept at `place` has a new text.
  void Retext(int32_t place, const char* text);

  // Texts of the tags, null when absent. key: handle key 1 to kMaxHandles;
  // scale: 1 to kMaxPresets; row: 0 to kMaxVariables - 1; chunk: 0 to 31.
  const char* Conf(int key) const { return At(conf_[key]); }
  const char* Ratio(int key, int scale) const { return At(ratio_[key * kScales + scale]); }
  const char* PointTexts(int key, int scale) const { return At(points_[key * kScales + scale]); }
  const char* Preset(int scale) const { return At(presets_[scale]); }
  const char* VarName(int row) const { return At(varNames_[row]); }
  const char* VarPrivate(int row) const { return At(varPrivate_[row]); }
  const char* VarChunk(int row, int chunk) const { return At(varChunks_[row * kMaxValueChunks + chunk]); }
  // Handles stored under keys beyond the table's 200, which no load can hold.
  int32_t HandlesBeyondTable() const { return confBeyondTable_; }

  // The 99 amounts of a handle key as a handle reads them into its table (an
  // absent one as `initial`), cut to the field; and the x (axis 0) or y texts
  // of a point handle. Made once for each key while its tags stay.
  using Texts = char[kMaxPresets][kExprSize];
  const Texts& Amounts(int key, const char* initial) const;
  const Texts& PointFields(int key, int axis) const;

 private:
  static constexpr int kScales = kMaxPresets + 1;

  const char* At(int32_t place) const { return place < 0 ? nullptr : texts_[place]; }
  int32_t Keep(int32_t* place, const char* text, int key);

  std::vector<int32_t> conf_, ratio_, points_, presets_, varNames_, varPrivate_, varChunks_;
  std::vector<const char*> texts_;
  std::vector<int16_t> keyOf_;  // the handle key of an amount or point tag, else 0
  int32_t confBeyondTable_ = 0;

  struct Table {
    Texts text;
  };
  struct Tables {
    std::string initial;
    std::unique_ptr<Table> amounts;
    std::unique_ptr<Table> points[2];
  };
  mutable std::vector<Tables> tables_;  // by handle key
};
