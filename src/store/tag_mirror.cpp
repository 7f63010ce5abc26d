#include "store/tag_mirror.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <unordered_map>

#include "common/suite_pointers.h"
#include "store/grading_group_tags.h"
#include "store/object_ids.h"

namespace {

int32_t sDepth = 0;
std::unordered_map<ArtHandle, std::unique_ptr<KeptTags>> sKept;

}  // namespace

bool IsGradingTag(const char* name, const char* type) {
  return name != nullptr && type != nullptr && std::strcmp(type, "string") == 0 &&
         std::strncmp(name, kGradingTagPrefix, std::strlen(kGradingTagPrefix)) == 0;
}

KeptTagsScope::KeptTagsScope() { ++sDepth; }

KeptTagsScope::~KeptTagsScope() {
  if (--sDepth == 0) ForgetAllKeptTags();
}

bool KeptTagsScopeIsOpen() { return sDepth > 0; }

KeptTags::KeptTags(ArtHandle art) : art_(art) {
  int32_t count = 0;
  if (art == nullptr || sAITag == nullptr || sAITag->CountTags(art, &count) != kNoErr) return;
  tags_.reserve(static_cast<size_t>(count));
  for (int32_t n = 0; n < count; ++n) {
    const char* name = nullptr;
    const char* type = nullptr;
    const char* text = nullptr;
    if (sAITag->GetNthTag(art, n, &name, &type) != kNoErr || name == nullptr) name = "";
    const bool grading = IsGradingTag(name, type);
    if (grading && (sAITag->GetTag(art, name, &text) != kNoErr || text == nullptr)) text = "";
    tags_.push_back({Keep(name), Keep(grading ? text : ""), grading, -1});
  }
}

const char* KeptTags::Keep(const char* text) {
  constexpr size_t kBlock = 64 * 1024;
  const size_t bytes = std::strlen(text) + 1;
  if (bytes > storeLeft_) {
    const size_t size = std::max(kBlock, bytes);
    store_.push_back(std::make_unique<char[]>(size));
    storeNext_ = store_.back().get();
    storeLeft_ = size;
  }
  char* kept = storeNext_;
  std::memcpy(kept, text, bytes);
  storeNext_ += bytes;
  storeLeft_ -= bytes;
  return kept;
}

const GroupTagIndex& KeptTags::Index() {
  if (index_ == nullptr) {
    index_ = std::make_unique<GroupTagIndex>();
    for (Tag& tag : tags_) tag.place = tag.grading ? index_->Take(tag.name, tag.text) : -1;
  }
  return *index_;
}

void KeptTags::Retext(size_t n, const char* text) {
  ++version_;
  Tag& tag = tags_[n];
  tag.text = Keep(text);
  if (index_ != nullptr && tag.place >= 0) index_->Retext(tag.place, tag.text);
}

void KeptTags::EraseGradingFrom(size_t n) {
  if (n >= tags_.size()) return;
  ++version_;
  tags_.erase(std::remove_if(tags_.begin() + static_cast<std::ptrdiff_t>(n), tags_.end(),
                             [](const Tag& tag) { return tag.grading; }),
              tags_.end());
  index_.reset();
}

void KeptTags::Append(const char* name, const char* text) {
  ++version_;
  tags_.push_back({Keep(name), Keep(text), true, -1});
  index_.reset();
}

KeptTags* KeptTagsOf(ArtHandle art) {
  if (sDepth == 0 || art == nullptr || sAITag == nullptr) return nullptr;
  int32_t count = 0;
  if (sAITag->CountTags(art, &count) != kNoErr) return nullptr;
  std::unique_ptr<KeptTags>& kept = sKept[art];
  // A count that no longer matches means a change this copy missed.
  if (kept == nullptr || static_cast<size_t>(count) != kept->tags().size()) kept = std::make_unique<KeptTags>(art);
  return kept.get();
}

void ForgetKeptTags(ArtHandle art) { sKept.erase(art); }

void ForgetAllKeptTags() {
  sKept.clear();
  ForgetCarriedIds();
}
