// While a command loads and saves the same pieces over and over ("Update
// grading" for every preset), the tags of each group's base art are read from
// the host once and kept in memory: the loads read the kept tags and the saves
// compare with them, writing to both. A write to an art's tags by any other
// means forgets what was kept of it.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "host_types.h"
#include "store/group_tag_index.h"

// While one lives (the outermost one ending forgets everything kept), the
// base arts' tags are kept, and so are the object ids the document carries
// (store/object_ids.h).
class KeptTagsScope {
 public:
  KeptTagsScope();
  ~KeptTagsScope();
  KeptTagsScope(const KeptTagsScope&) = delete;
  KeptTagsScope& operator=(const KeptTagsScope&) = delete;
};

// An art's tags as the host has them, in its order; the texts of the
// grading tags only.
class KeptTags {
 public:
  struct Tag {
    const char* name;  // both kept in the art's own store
    const char* text;
    bool grading;   // a string tag whose key begins "vmk_grading_"
    int32_t place;  // in the index, -1 when not filed
  };

  explicit KeptTags(ArtHandle art);

  ArtHandle art() const { return art_; }
  const std::vector<Tag>& tags() const { return tags_; }
  // The group's numbered tags among them.
  const GroupTagIndex& Index();

  // Counts the changes below: tags that stand as they stood keep it.
  uint64_t version() const { return version_; }
  // What a save writes to the host, written here too.
  void Retext(size_t n, const char* text);
  void EraseGradingFrom(size_t n);  // the grading tags from tag n on
  void Append(const char* name, const char* text);

 private:
  // A copy of text that stays where it is for as long as this lives.
  const char* Keep(const char* text);

  ArtHandle art_;
  std::vector<Tag> tags_;
  std::vector<std::unique_ptr<char[]>> store_;  // blocks of texts, each filled in turn
  char* storeNext_ = nullptr;
  size_t storeLeft_ = 0;
  std::unique_ptr<GroupTagIndex> index_;  // null while it must be made again
  uint64_t version_ = 0;

 public:
  // The last save's own record of what it wrote here, for the save after it.
  std::shared_ptr<void> lastSave;
};

bool KeptTagsScopeIsOpen();

// The kept tags of art, read from the host at the first call; null outside a
// scope.
KeptTags* KeptTagsOf(ArtHandle art);
// The art's tags are written by other means: what was kept of it is dropped.
void ForgetKeptTags(ArtHandle art);
// Changes were undone: nothing kept holds.
void ForgetAllKeptTags();

// 1 for a string tag whose key begins "vmk_grading_": what a save writes anew.
bool IsGradingTag(const char* name, const char* type);
